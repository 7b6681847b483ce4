// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/AppIdentity.h"

namespace tervane {

QString getVersionText(int major, int minor, int revision)
{
    if (revision < 100) {
        QString text = u'v' + QString::number(major) + u'.' + QString::number(minor);
        if (revision > 0)
            text += u'.' + QString::number(revision);
        return text;
    }
    const QString digits = QStringLiteral("%1").arg(revision, 4, 10, QLatin1Char('0'));
    QString text = u'v' + digits[0] + u'.' + digits[1];
    if (digits[2] != u'0')
        text += u'.' + digits[2];
    return text + QStringLiteral(" beta ") + digits[3];
}

QString getVersionText()
{
    return getVersionText(VersionMajor, VersionMinor, VersionRevision);
}

QString fullVersion()
{
    return QStringLiteral("%1.%2.%3").arg(VersionMajor).arg(VersionMinor).arg(VersionRevision);
}

QString getTitleWithVersion()
{
    return AppTitle + u' ' + getVersionText();
}

} // namespace tervane
