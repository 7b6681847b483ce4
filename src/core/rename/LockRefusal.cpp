// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/LockRefusal.h"

#include "i18n/TextKeys.h"
#include "i18n/TranslationCatalogue.h"
#include "services/Prompter.h"

#include <QDir>

namespace tervane {

QString lockRefusal(const FolderLock& lock, const TranslationCatalogue& texts,
                    const QString& shownFolder)
{
    if (lock.isBusy())
        return insertValues(texts.item(TextKey::FolderBusy), {shownFolder});
    return insertValues(texts.item(TextKey::FolderNotLockable),
                        {shownFolder, QString::number(lock.errorNumber()), lock.description()});
}

bool lockedOrReported(const FolderLock& lock, const QString& folder, Prompter& prompter,
                      const TranslationCatalogue& texts)
{
    if (lock.isLocked())
        return true;
    prompter.message(lockRefusal(lock, texts, QDir::toNativeSeparators(folder)),
                     MessageIcon::Exclamation);
    return false;
}

} // namespace tervane
