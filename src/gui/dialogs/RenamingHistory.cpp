// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/RenamingHistory.h"

#include "i18n/TextKeys.h"
#include "i18n/TranslationCatalogue.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tervane {

RenamingHistory::RenamingHistory(const QStringList& rows, qsizetype undoableRows,
                                 const TranslationCatalogue& catalogue, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(u"frmHistorique"_s);
    setWindowTitle(catalogue.item(TextKey::HistoryTitle));
    entryList = new QListWidget(this);
    entryList->setObjectName(u"lstHistorique"_s);
    for (qsizetype i = 0; i < rows.size(); ++i) {
        auto* item = new QListWidgetItem(rows[i], entryList);
        if (i >= undoableRows)
            item->setFlags(item->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
    }
    undoButton = new QPushButton(catalogue.item(TextKey::HistoryUndoTo), this);
    undoButton->setObjectName(u"btnAnnulerJusquIci"_s);
    undoButton->setEnabled(false);
    closeButton = new QPushButton(catalogue.item(TextKey::HistoryClose), this);
    closeButton->setObjectName(u"btnFermer"_s);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(undoButton);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(entryList);
    layout->addLayout(buttons);
    resize(640, 320);
    connect(entryList, &QListWidget::currentRowChanged, this,
            [this](int row) { undoButton->setEnabled(row >= 0); });
    connect(entryList, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(undoButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    closeButton->setDefault(true);
}

qsizetype RenamingHistory::chosenRenamings() const
{
    return entryList->currentRow() + 1;
}

} // namespace tervane
