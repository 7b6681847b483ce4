// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliOutput.h"

#include "text/FileNameBytes.h"
#include "text/TextHelpers.h"

#include <QStringList>

#include <algorithm>
#include <cerrno>

using namespace Qt::StringLiterals;

namespace tervane::cli {

void write(std::FILE* stream, const QString& text)
{
    write(stream, text.toUtf8());
}

namespace {

// The stream whose write last failed, and why.
std::FILE* failedStream = nullptr;
int failure = 0;

} // namespace

void write(std::FILE* stream, const QByteArray& bytes)
{
    if (std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream) !=
        std::size_t(bytes.size())) {
        failedStream = stream;
        failure = errno;
    }
}

int writeError(std::FILE* stream)
{
    return stream == failedStream && failure != 0 ? failure : EIO;
}

void print(std::FILE* stream, const QString& text)
{
    write(stream, text + u'\n');
}

namespace {

bool needsEscaping(QStringView name)
{
    return std::any_of(name.begin(), name.end(),
                       [](QChar c) { return c == u'\\' || isControlChar(c) || c.isSurrogate(); });
}

void appendEscapedText(QString& out, QStringView name)
{
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        // A byte of a name that is not UTF-8, as the byte it is.
        if (const int byte = foreignByteAt(name, i); byte >= 0) {
            out += u"\\x%1"_s.arg(byte, 2, 16, QChar(u'0'));
            continue;
        }
        switch (c.unicode()) {
        case u'\\':
            out += u"\\\\"_s;
            break;
        case u'\t':
            out += u"\\t"_s;
            break;
        case u'\n':
            out += u"\\n"_s;
            break;
        case u'\r':
            out += u"\\r"_s;
            break;
        default:
            if (isControlChar(c))
                out += u"\\x%1"_s.arg(int(c.unicode()), 2, 16, QChar(u'0'));
            else
                out += c;
        }
    }
}

} // namespace

QString escaped(const QString& name)
{
    if (!needsEscaping(name))
        return name;
    QString out;
    appendEscapedText(out, name);
    return out;
}

void appendEscaped(QByteArray& out, QStringView name)
{
    // Most names are printable ASCII: their characters are their bytes.
    const auto plain = [](QChar c) {
        return c.unicode() >= 0x20 && c.unicode() < 0x7F && c != u'\\';
    };
    if (std::all_of(name.begin(), name.end(), plain)) {
        appendAsciiBytes(out, name);
        return;
    }
    QString text;
    appendEscapedText(text, name);
    out += text.toUtf8();
}

QString messageLine(const QString& text)
{
    QString joined;
    for (const QString& line : QString(text).replace(u"\r\n"_s, u"\n"_s).split(u'\n')) {
        const QString part = line.trimmed();
        if (part.isEmpty())
            continue;
        // A paragraph that ends without a stop gets one before the next.
        if (!joined.isEmpty())
            joined += QStringView(u".:;!?").contains(joined.back()) ? u" "_s : u". "_s;
        joined += escaped(part);
    }
    return joined;
}

bool CliPrompter::show(const QString& text, MessageIcon icon, MessageButtons buttons)
{
    print(m_err, u"tervane-cli: "_s + messageLine(text));
    if (icon == MessageIcon::Critical)
        ++failures;
    return buttons == MessageButtons::YesNo;
}

} // namespace tervane::cli
