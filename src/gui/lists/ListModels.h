// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/RenameSession.h"

#include <QAbstractListModel>

namespace tervane {

// The rows of fileList: the current file names of the session, shown
// again whenever it lists or renames them.
class FileListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit FileListModel(const RenameSession& session, QObject* parent = nullptr)
        : FileListModel(session.rows(), parent)
    {
        connect(&session, &RenameSession::filesChanged, this, &FileListModel::reload);
    }
    // Over rows that whoever changes them reloads.
    explicit FileListModel(ListRows rows, QObject* parent = nullptr)
        : QAbstractListModel(parent)
        , m_rows(rows)
    {}
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // The file rows were replaced.
    void reload();
    // The tool tip of a name whose bytes are not UTF-8, shown decoded.
    void setForeignTip(const QString& tip) { m_foreignTip = tip; }
    // What else a row's tool tip says of its file, if anything.
    void setRowTip(std::function<QString(int row)> tip) { m_rowTip = std::move(tip); }

private:
    ListRows m_rows;
    int m_shownRows = 0;
    QString m_foreignTip;
    std::function<QString(int row)> m_rowTip;
};

// The rows of nameList: the new names, duplicates in red, names made for
// other files in italics, shown again whenever the session makes them.
class NameListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit NameListModel(const RenameSession& session, QObject* parent = nullptr)
        : NameListModel(session.rows(), parent)
    {
        m_session = &session;
        connect(&session, &RenameSession::namesChanged, this, &NameListModel::refresh);
    }
    // Over rows that whoever changes them refreshes.
    explicit NameListModel(ListRows rows, QObject* parent = nullptr)
        : QAbstractListModel(parent)
        , m_rows(rows)
    {}
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // The name rows changed: one reset when their number changed
    // since the last call, else one dataChanged over the rows remade.
    void refresh();
    // The tool tip of a new name already taken, "%v" for what holds it.
    void setTakenTip(const QString& tip) { m_takenTip = tip; }
    // The tool tip of names made for other files.
    void setForOtherFilesTip(const QString& tip) { m_forOtherFilesTip = tip; }
    // The notes of a doubled name and of an empty one.
    void setProblemTips(const QString& doubled, const QString& empty)
    {
        m_doubledTip = doubled;
        m_emptyTip = empty;
    }

private:
    struct Shown {
        const QChar* text = nullptr;
        bool duplicate = false;
        bool taken = false;
        bool forOtherFiles = false;
        bool operator==(const Shown&) const = default;
    };
    bool forOtherFiles() const { return m_session && m_session->namesForOtherFiles(); }
    Shown shownOf(const NameRow& row) const
    {
        return {row.text.constData(), row.duplicate, row.holder >= 0, forOtherFiles()};
    }
    QString rowNotes(const NameRow& row) const;
    ListRows m_rows;
    int m_shownRows = 0;
    std::vector<Shown> m_shown; // what each row showed at the last refresh
    QString m_takenTip;
    QString m_forOtherFilesTip;
    QString m_doubledTip;
    QString m_emptyTip;
    const RenameSession* m_session = nullptr; // names what holds a taken name
};

} // namespace tervane
