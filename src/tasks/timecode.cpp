#include "tasks/timecode.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace {

// Whole number as the classic integer conversion reads it: leading blanks, an optional sign,
// decimal digits and nothing else. "1 " and "" fail, and so does anything beyond 32 bits.
bool toInt32(const QString &text, qint64 &value)
{
    qsizetype i = 0;
    const qsizetype size = text.size();
    while (i < size && text.at(i) == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < size && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    if (i == size)
        return false;
    qint64 magnitude = 0;
    for (; i < size; ++i) {
        const QChar c = text.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        magnitude = magnitude * 10 + (c.unicode() - '0');
        if (magnitude > qint64(std::numeric_limits<qint32>::max()) + 1)
            return false;
    }
    value = negative ? -magnitude : magnitude;
    return value >= std::numeric_limits<qint32>::min()
            && value <= std::numeric_limits<qint32>::max();
}

bool toDouble(const QLocale &base, const QString &number, double &value)
{
    QLocale locale = base;
    locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    value = locale.toDouble(number, &ok);
    // "inf" and "nan" are no number of seconds.
    return ok && std::isfinite(value);
}

// Seconds: blanks around the number allowed, no group separators. QLocale would also skip tabs
// and other white space, which the classic conversion does not, so only plain blanks are
// trimmed here and any other space is refused.
// The user types the decimal separator of their locale, but the encoder's report and every time
// code this program writes use "."; with a comma locale those must still read, or every probed
// length and every written start would count as "not a time code". So "." always works too.
bool toSeconds(const QString &text, double &value)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    const QString number = text.mid(first, last - first);
    if (number.isEmpty() || number.front().isSpace() || number.back().isSpace())
        return false;
    return toDouble(QLocale(), number, value) || toDouble(QLocale::c(), number, value);
}

// The tenths in a fraction of a second (0 <= fraction < 1), rounded to nearest with ties to
// even. The product fraction * 10 is itself rounded and can turn a value just below a half into
// an exact half (0.15 * 10 gives 1.5); its rounding error, which fma gives exactly, decides such
// false ties, so the result is the rounding of the stored value itself. Real ties such as 0.25
// and 0.75 are exact in binary and go to the even tenth.
int roundedTenths(double fraction)
{
    const double product = fraction * 10.0;
    const double below = std::floor(product);
    if (product - below == 0.5) {
        const double error = std::fma(fraction, 10.0, -product);
        if (error > 0)
            return int(below) + 1;
        if (error < 0)
            return int(below);
    }
    // The program never changes the rounding mode, so this is to nearest, ties to even.
    return int(std::nearbyint(product));
}

QString twoDigits(double part)
{
    return QStringLiteral("%1").arg(QString::number(part, 'f', 0), 2, QLatin1Char('0'));
}

} // namespace

double TimeCodeToSeconds(const QString &text)
{
    const qsizetype firstColon = text.indexOf(QLatin1Char(':'));
    if (firstColon < 0)
        return -1;
    const QString rest = text.mid(firstColon + 1);
    const qsizetype secondColon = rest.indexOf(QLatin1Char(':'));
    if (secondColon < 0)
        return -1;
    const QString secondsText = rest.mid(secondColon + 1);

    qint64 hours = 0;
    qint64 minutes = 0;
    double seconds = 0;
    if (!toInt32(text.left(firstColon), hours) || !toInt32(rest.left(secondColon), minutes)
        || secondsText.startsWith(QLatin1Char('.')) || !toSeconds(secondsText, seconds)) {
        return -1;
    }
    // 64 bits: huge hour counts must not wrap round into a wrong, possibly negative, length.
    return double(hours * 3600 + minutes * 60) + seconds;
}

QString SecondsToTimeCode(double seconds)
{
    if (!std::isfinite(seconds))
        return QStringLiteral("00:00:00");
    if (seconds < 0)
        return QLatin1Char('-') + SecondsToTimeCode(-seconds);

    double whole = std::trunc(seconds);
    int tenths = roundedTenths(seconds - whole); // the subtraction is exact
    // A fraction of .95 or more has no tenths digit; the next whole second is the nearest text
    // that still reads back to the value within a tenth.
    if (tenths == 10) {
        whole += 1;
        tenths = 0;
    }

    // fmod is exact, and below 2^53 seconds so is everything else here.
    const double belowHour = std::fmod(whole, 3600.0);
    const double hours = (whole - belowHour) / 3600.0;
    const double minutes = std::trunc(belowHour / 60.0);
    const double secs = belowHour - minutes * 60.0;

    QString code = twoDigits(hours) + QLatin1Char(':') + twoDigits(minutes) + QLatin1Char(':')
            + twoDigits(secs);
    if (tenths != 0)
        code += QLatin1Char('.') + QString::number(tenths);
    return code;
}
