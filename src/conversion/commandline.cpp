#include "conversion/commandline.h"

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

} // namespace

QStringList SplitCommandLine(const QString &arguments)
{
    const QChar quote = QLatin1Char('"');
    const QChar backslash = QLatin1Char('\\');
    const qsizetype size = arguments.size();
    QStringList result;
    qsizetype i = 0;
    for (;;) {
        while (i < size && isBlank(arguments.at(i)))
            ++i;
        if (i == size)
            return result;

        QString argument;
        bool quoted = false;
        while (i < size && (quoted || !isBlank(arguments.at(i)))) {
            qsizetype slashes = 0;
            while (i < size && arguments.at(i) == backslash) {
                ++slashes;
                ++i;
            }
            if (i < size && arguments.at(i) == quote) {
                argument += QString(slashes / 2, backslash);
                if (slashes % 2 == 1) {
                    argument += quote;
                } else if (quoted && i + 1 < size && arguments.at(i + 1) == quote) {
                    argument += quote;
                    ++i;
                } else {
                    quoted = !quoted;
                }
                ++i;
            } else if (slashes > 0) {
                argument += QString(slashes, backslash);
            } else {
                argument += arguments.at(i);
                ++i;
            }
        }
        result += argument;
    }
}

QString QuoteArgument(const QString &argument)
{
    const QChar quote = QLatin1Char('"');
    const QChar backslash = QLatin1Char('\\');
    QString quoted = quote;
    qsizetype slashes = 0;
    for (const QChar c : argument) {
        if (c == backslash) {
            ++slashes;
            continue;
        }
        if (c == quote) {
            // Backslashes before a quote are doubled, and one more escapes the quote itself.
            quoted += QString(2 * slashes + 1, backslash);
        } else {
            quoted += QString(slashes, backslash);
        }
        slashes = 0;
        quoted += c;
    }
    // Trailing backslashes stand before the closing quote, so they are doubled too.
    quoted += QString(2 * slashes, backslash);
    quoted += quote;
    return quoted;
}
