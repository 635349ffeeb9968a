#pragma once

#include <QString>
#include <QStringList>

// The program builds every encoder command line as one string of arguments, each item led by a
// blank, such as ` -i "C:\a b.avi"`. QProcess wants a list; SplitCommandLine turns the string
// into that list by the rules a Windows program's C runtime applies to its own command line
// (after the program name), so the encoder sees the same arguments on every platform.
//
// - Blanks and tabs separate arguments, except inside a quoted part.
// - A double quote starts or ends a quoted part and is itself dropped; quoted and unquoted
//   parts next to each other join into one argument, and "" alone is an empty argument.
// - 2n backslashes followed by a double quote give n backslashes, and the quote acts as above;
//   2n + 1 backslashes followed by a double quote give n backslashes and a literal quote.
//   Backslashes followed by anything else are literal, so paths keep theirs.
// - Inside a quoted part, "" gives one literal quote and the part stays quoted. This is the
//   rule of the C runtimes since 2008 (older ones and CommandLineToArgvW end the quoted part).
QStringList SplitCommandLine(const QString &arguments);

// The argument in double quotes, written so that SplitCommandLine gives it back exactly,
// whatever it holds. An argument without double quotes and without a trailing backslash, which
// is every ordinary path, comes out as "<argument>" and nothing else.
QString QuoteArgument(const QString &argument);
