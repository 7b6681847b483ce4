#pragma once

#include "workspace/RenameWorkspace.h"

#include <QString>
#include <optional>
#include <vector>

// The last renaming done from the command line in each folder, kept on disk
// so that a later run can undo it, even when the run that did it was killed
// halfway. One file per folder, replaced atomically: the whole plan is
// written before the first rename, the steps done after the last.
class RenameJournal {
public:
    explicit RenameJournal(QString journalFolder);

    const QString& location() const { return m_folder; }
    QString fileFor(const QString& folder) const;

    struct Entry {
        bool completed = false;           // false: the run may have stopped anywhere
        std::vector<clsAnnulation> steps; // completed: the steps done; else the plan
    };

    // Each returns false when the journal could not be written.
    bool begin(const QString& folder, const std::vector<clsAnnulation>& plan);
    bool complete(const QString& folder, const std::vector<clsAnnulation>& done);
    std::optional<Entry> read(const QString& folder) const;
    void forget(const QString& folder);

private:
    bool write(const QString& folder, const Entry& entry);

    QString m_folder;
};
