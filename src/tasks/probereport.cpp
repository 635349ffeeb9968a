#include "tasks/probereport.h"

// The cut counts positions from 1 with 0 for "not found", and leans on how a cut behaves at
// the edges (from position 0 is the whole text, a negative length is empty). The helpers keep
// exactly that behaviour, so reports the cut was not made for give the same texts as ever.
namespace {

qsizetype position(const QString &needle, const QString &text)
{
    if (needle.isEmpty())
        return 0;
    return text.indexOf(needle) + 1;
}

QString from(const QString &text, qsizetype position)
{
    if (position <= 1)
        return text;
    if (position > text.size())
        return QString();
    return text.mid(position - 1);
}

QString firstChars(const QString &text, qsizetype count)
{
    if (count <= 0)
        return QString();
    return text.left(count);
}

// Position of the first comma that is not inside a pair of parentheses. A "(" that is never
// closed is an ordinary character, so a stray one cannot hide every comma after it.
qsizetype fieldCommaPosition(const QString &text)
{
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size) {
        const QChar c = text.at(i);
        if (c == QLatin1Char(',')) {
            return i + 1;
        } else if (c == QLatin1Char('(')) {
            int depth = 0;
            qsizetype close = i;
            for (; close < size; ++close) {
                if (text.at(close) == QLatin1Char('('))
                    ++depth;
                else if (text.at(close) == QLatin1Char(')') && --depth == 0)
                    break;
            }
            if (close < size) {
                i = close + 1;
                continue;
            }
        }
        ++i;
    }
    return 0;
}

} // namespace

ProbeValues CutProbeReport(const QString &report, const QString &path)
{
    const QString comma = QStringLiteral(",");
    ProbeValues values;

    QString s = from(report, position(path, report) + path.size());
    s = from(s, position(QStringLiteral("Duration"), s) + 1);
    // Skips the colon and the blank after it.
    s = from(s, position(QStringLiteral(":"), s) + 2);
    // The length is a plain field, so its comma is simply the first one.
    qsizetype k = position(comma, s);
    values.length = firstChars(s, k - 1);
    s = from(s, k + 1);

    s = from(s, position(QStringLiteral("Video"), s));
    s = from(s, fieldCommaPosition(s) + 1);
    s = from(s, fieldCommaPosition(s) + 1);
    k = fieldCommaPosition(s);
    values.frameSize = firstChars(s, k - 1);
    return values;
}
