#include "conversion/progressreport.h"

#include "tasks/timecode.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

#include <cmath>

namespace {

bool toNumber(const QLocale &base, const QString &text, double &value)
{
    QLocale locale = base;
    locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    value = locale.toDouble(text, &ok);
    return ok && std::isfinite(value);
}

} // namespace

bool ReadProgressTime(const QString &chunk, double &seconds)
{
    const qsizetype at = chunk.indexOf(QLatin1String("time"));
    if (at < 0)
        return false;
    // "time", then one character of any kind, then the number up to the first blank.
    const QString rest = chunk.mid(at + 5);
    const qsizetype blank = rest.indexOf(QLatin1Char(' '));
    if (blank <= 0)
        return false;
    const QString part = rest.left(blank);

    if (part.contains(QLatin1Char(':'))) {
        // The encoder writes a time before the start, "-00:00:00.05", as a negative code; the
        // time code reader would take the sign for the hours alone.
        if (part.startsWith(QLatin1Char('-')))
            return false;
        const double value = TimeCodeToSeconds(part);
        if (value < 0 || !std::isfinite(value))
            return false;
        seconds = value;
        return true;
    }
    double value = 0;
    if (!toNumber(QLocale::c(), part, value) && !toNumber(QLocale(), part, value))
        return false;
    seconds = value;
    return true;
}

int PercentOf(double part, double whole)
{
    const double percent = part / whole * 100.0;
    if (std::isnan(percent))
        return 0;
    if (percent >= 100.0)
        return 100;
    if (percent <= 0.0)
        return 0;
    // The program never changes the rounding mode: to nearest, a half to the even neighbour.
    return int(std::nearbyint(percent));
}

QString PercentText(int percent)
{
    return QString::number(percent) + QLatin1Char('%');
}

void EvaluateChunk(const QString &chunk, double clipLength, double done, double total,
                   TaskProgress &progress)
{
    double seconds = 0;
    if (ReadProgressTime(chunk, seconds) && seconds > progress.position)
        progress.position = seconds;
    if (clipLength != 0)
        progress.current = PercentOf(progress.position, clipLength);
    if (total != 0)
        progress.total = PercentOf(done + progress.position, total);
}

QString LastLines(const QString &output, int count)
{
    static const QRegularExpression lineEnd(QStringLiteral("[\r\n]"));
    QStringList lines;
    for (const QString &line : output.split(lineEnd, Qt::SkipEmptyParts)) {
        if (!line.trimmed().isEmpty())
            lines << line;
    }
    return lines.mid(qMax(0, int(lines.size()) - count)).join(QLatin1Char('\n'));
}
