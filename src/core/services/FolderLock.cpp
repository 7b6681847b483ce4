// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/FolderLock.h"

#include "i18n/TextKeys.h"
#include "i18n/TranslationCatalogue.h"
#include "services/Prompter.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace tervane {

FolderLock::FolderLock(FileSystem& fileSystem, const QString& folder)
    : m_result(fileSystem.lockFolder(folder))
{}

QString FolderLock::refusal(const TranslationCatalogue& texts, const QString& shownFolder) const
{
    if (m_result.busy)
        return insertValues(texts.item(TextKey::FolderBusy), {shownFolder});
    return insertValues(texts.item(TextKey::FolderNotLockable),
                        {shownFolder, QString::number(m_result.errorNumber), m_result.description});
}

bool lockedOrReported(const FolderLock& lock, const QString& folder, Prompter& prompter,
                      const TranslationCatalogue& texts)
{
    if (lock.isLocked())
        return true;
    prompter.message(lock.refusal(texts, QDir::toNativeSeparators(folder)),
                     MessageIcon::Exclamation);
    return false;
}

} // namespace tervane
