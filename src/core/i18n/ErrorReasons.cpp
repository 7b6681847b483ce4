// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/ErrorReasons.h"

#include "text/TextDecoding.h"

#include <cerrno>
#include <utility>

using namespace Qt::StringLiterals;

namespace tervane {

namespace {

constexpr std::pair<int, const char16_t*> Reasons[] = {
    {ENOENT, u"TXT_ERREUR_ENOENT"},       {EACCES, u"TXT_ERREUR_EACCES"},
    {EPERM, u"TXT_ERREUR_EPERM"},         {EEXIST, u"TXT_ERREUR_EEXIST"},
    {EISDIR, u"TXT_ERREUR_EISDIR"},       {ENOTDIR, u"TXT_ERREUR_ENOTDIR"},
    {ENOTEMPTY, u"TXT_ERREUR_ENOTEMPTY"}, {ENOSPC, u"TXT_ERREUR_ENOSPC"},
    {EROFS, u"TXT_ERREUR_EROFS"},         {EIO, u"TXT_ERREUR_EIO"},
    {EBUSY, u"TXT_ERREUR_EBUSY"},         {ENAMETOOLONG, u"TXT_ERREUR_ENAMETOOLONG"},
    {EXDEV, u"TXT_ERREUR_EXDEV"},         {ELOOP, u"TXT_ERREUR_ELOOP"},
    {EDQUOT, u"TXT_ERREUR_EDQUOT"},
};

} // namespace

QString errorReason(const TranslationCatalogue& texts, int errorNumber)
{
    for (const auto& [number, key] : Reasons)
        if (number == errorNumber)
            if (QString text = texts.item(QString::fromUtf16(key)); !text.isEmpty())
                return text;
    return descriptionOfError(errorNumber);
}

QString textFileReason(const TranslationCatalogue& texts, int errorNumber)
{
    const QString key = errorNumber == EINVAL  ? u"TXT_ERREUR_TEXTE"_s
                        : errorNumber == EFBIG ? u"TXT_ERREUR_TROP_GRAND"_s
                                               : QString();
    if (QString text = key.isEmpty() ? QString() : texts.item(key); !text.isEmpty())
        return text;
    return errorReason(texts, errorNumber);
}

} // namespace tervane
