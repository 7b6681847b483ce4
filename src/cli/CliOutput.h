// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/Prompter.h"

#include <QString>
#include <cstdio>

namespace tervane::cli {

// OutputClosed: the work done, but the reader of the output went away; the
// program then ends by the pipe's signal, as a shell expects.
enum ExitCode { Done = 0, StepFailed = 1, Usage = 2, Refused = 3, OutputClosed = 141 };

// A failure of the command line, with its exit code.
struct CliError {
    ExitCode code;
    QString message;
};

// Text written as UTF-8, as it is, or as one line.
void write(std::FILE* stream, const QString& text);
void write(std::FILE* stream, const QByteArray& bytes);
void print(std::FILE* stream, const QString& text);
// The error number of the last write to the stream that failed; EIO when none
// was seen.
int writeError(std::FILE* stream);

// A name as a terminal may show it: control characters written out (\t, \n,
// \r, \xHH), the bytes of a name that is not UTF-8 as \xHH, and backslashes
// doubled, so that a row stays one line and no name can drive the terminal.
QString escaped(const QString& name);
// The same, added to out as UTF-8: a listing of many names is made without a
// copy of each.
void appendEscaped(QByteArray& out, QStringView name);

// A message of the window's as one line: its lines joined as sentences,
// blank ones and indents dropped, control characters written out.
QString messageLine(const QString& text);

// Where a command writes: its listing and summaries, and its messages.
struct OutputStreams {
    std::FILE* out = stdout;
    std::FILE* err = stderr;
};

// Messages go to the error stream; questions get the answer that the
// command line settled beforehand (go on only with --yes; always roll back).
class CliPrompter : public Prompter {
public:
    explicit CliPrompter(std::FILE* err = stderr)
        : m_err(err)
    {}
    bool show(const QString& text, MessageIcon icon, MessageButtons buttons) override;
    void beep() override {}
    void setBusy(bool) override {}
    int failures = 0;

private:
    std::FILE* m_err;
};

} // namespace tervane::cli
