#include "newinifiles.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>

#include <climits>
#include <cmath>

namespace {

// Splits at CR LF, a lone CR or a lone LF. A break at the very end opens no further line.
QList<QByteArray> SplitLines(const QByteArray &text)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    while (start < size) {
        qsizetype end = start;
        while (end < size && text.at(end) != '\r' && text.at(end) != '\n')
            ++end;
        lines.append(text.mid(start, end - start));
        if (end < size && text.at(end) == '\r' && end + 1 < size && text.at(end + 1) == '\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

// Only A-Z are folded (Qt 6 lower-cases bytes as ASCII); other bytes must match exactly.
QByteArray AsciiLower(const QByteArray &text)
{
    return text.toLower();
}

bool IsContinuation(const QByteArray &bytes, qsizetype at, uchar low = 0x80, uchar high = 0xBF)
{
    if (at >= bytes.size())
        return false;
    const uchar byte = uchar(bytes.at(at));
    return byte >= low && byte <= high;
}

// Length of the well-formed UTF-8 sequence at `at` (no overlong forms, no surrogates, nothing
// beyond U+10FFFF), or 0.
int Utf8SequenceLength(const QByteArray &bytes, qsizetype at)
{
    const uchar lead = uchar(bytes.at(at));
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return IsContinuation(bytes, at + 1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        const uchar low = lead == 0xE0 ? 0xA0 : 0x80;
        const uchar high = lead == 0xED ? 0x9F : 0xBF;
        return IsContinuation(bytes, at + 1, low, high) && IsContinuation(bytes, at + 2) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const uchar low = lead == 0xF0 ? 0x90 : 0x80;
        const uchar high = lead == 0xF4 ? 0x8F : 0xBF;
        return IsContinuation(bytes, at + 1, low, high) && IsContinuation(bytes, at + 2)
                        && IsContinuation(bytes, at + 3)
                ? 4
                : 0;
    }
    return 0;
}

constexpr char16_t EscapeBase = 0xDC00;

// Decoded by hand: QString::fromUtf8 drops a leading byte order mark and replaces bad bytes,
// and either would change the file when the text is written back.
QString DecodeBytes(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    qsizetype at = 0;
    while (at < bytes.size()) {
        const int length = Utf8SequenceLength(bytes, at);
        const uchar lead = uchar(bytes.at(at));
        if (length == 0) {
            text.append(QChar(char16_t(EscapeBase + lead)));
            ++at;
            continue;
        }
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (int i = 1; i < length; ++i)
            code = (code << 6) | (uchar(bytes.at(at + i)) & 0x3F);
        if (QChar::requiresSurrogates(code)) {
            text.append(QChar(QChar::highSurrogate(code)));
            text.append(QChar(QChar::lowSurrogate(code)));
        } else {
            text.append(QChar(char16_t(code)));
        }
        at += length;
    }
    return text;
}

void AppendUtf8(QByteArray &bytes, char32_t code)
{
    if (code < 0x80) {
        bytes.append(char(code));
    } else if (code < 0x800) {
        bytes.append(char(0xC0 | (code >> 6)));
        bytes.append(char(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        bytes.append(char(0xE0 | (code >> 12)));
        bytes.append(char(0x80 | ((code >> 6) & 0x3F)));
        bytes.append(char(0x80 | (code & 0x3F)));
    } else {
        bytes.append(char(0xF0 | (code >> 18)));
        bytes.append(char(0x80 | ((code >> 12) & 0x3F)));
        bytes.append(char(0x80 | ((code >> 6) & 0x3F)));
        bytes.append(char(0x80 | (code & 0x3F)));
    }
}

// The inverse of DecodeBytes. A lone surrogate that no decoding produced has no bytes of its own
// and is written as U+FFFD, as Qt does.
QByteArray EncodeText(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t unit = text.at(i).unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < size && text.at(i + 1).isLowSurrogate()) {
            AppendUtf8(bytes, QChar::surrogateToUcs4(unit, text.at(i + 1).unicode()));
            ++i;
        } else if (unit >= EscapeBase + 0x80 && unit <= EscapeBase + 0xFF) {
            bytes.append(char(unit - EscapeBase));
        } else if (QChar::isSurrogate(unit)) {
            AppendUtf8(bytes, 0xFFFD);
        } else {
            AppendUtf8(bytes, unit);
        }
    }
    return bytes;
}

bool IsAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

int DigitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (base == 16 && u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (base == 16 && u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

qsizetype SkipBlanks(const QString &text, qsizetype at)
{
    while (at < text.size() && text.at(at) == u' ')
        ++at;
    return at;
}

qsizetype AppendDigits(const QString &text, qsizetype at, QByteArray &number)
{
    while (at < text.size() && IsAsciiDigit(text.at(at)))
        number.append(char(text.at(at++).unicode()));
    return at;
}

// "True" and "False" in any case of the ASCII letters; nothing else folds onto them.
bool IsWord(const QString &text, QLatin1String lowerWord)
{
    if (text.size() != lowerWord.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char16_t unit = text.at(i).unicode();
        if (unit >= u'A' && unit <= u'Z')
            unit += u'a' - u'A';
        if (unit != char16_t(uchar(lowerWord.at(i).toLatin1())))
            return false;
    }
    return true;
}

EIniFileError FileError(const char *format, const QString &fileName, const QString &reason)
{
    // Both at once, so a "%2" inside the file name stays as it is.
    return EIniFileError(QString::fromLatin1(format).arg(fileName, reason));
}

} // namespace

EIniFileError::EIniFileError(const QString &message)
    : std::runtime_error(message.toStdString())
    , m_message(message)
{ }

bool TryStrToInt(const QString &text, int &value)
{
    const qsizetype size = text.size();
    qsizetype at = SkipBlanks(text, 0);
    bool negative = false;
    if (at < size && (text.at(at) == u'-' || text.at(at) == u'+'))
        negative = text.at(at++) == u'-';
    int base = 10;
    if (at < size && (text.at(at) == u'$' || text.at(at) == u'x' || text.at(at) == u'X')) {
        base = 16;
        ++at;
    } else if (at + 1 < size && text.at(at) == u'0'
               && (text.at(at + 1) == u'x' || text.at(at + 1) == u'X')) {
        base = 16;
        at += 2;
    }
    if (at == size)
        return false;
    const quint64 limit = quint64(INT_MAX) + (negative ? 1 : 0);
    quint64 magnitude = 0;
    for (; at < size; ++at) {
        const int digit = DigitValue(text.at(at), base);
        if (digit < 0)
            return false;
        magnitude = magnitude * base + quint64(digit);
        if (magnitude > limit)
            return false;
    }
    value = negative ? int(-qint64(magnitude)) : int(magnitude);
    return true;
}

bool TryStrToFloat(const QString &text, double &value)
{
    const QString separator = QLocale().decimalPoint();
    const qsizetype size = text.size();
    // The number is rebuilt in C notation, so the conversion below cannot take a group
    // separator, locale digits or "inf" for part of a number.
    QByteArray number;
    qsizetype at = SkipBlanks(text, 0);
    if (at < size && (text.at(at) == u'-' || text.at(at) == u'+'))
        number.append(char(text.at(at++).unicode()));
    qsizetype digitsStart = number.size();
    at = AppendDigits(text, at, number);
    qsizetype digits = number.size() - digitsStart;
    if (QStringView(text).mid(at).startsWith(separator)) {
        at += separator.size();
        number.append('.');
        digitsStart = number.size();
        at = AppendDigits(text, at, number);
        digits += number.size() - digitsStart;
    }
    if (digits == 0)
        return false;
    if (at < size && (text.at(at) == u'e' || text.at(at) == u'E')) {
        number.append('e');
        ++at;
        if (at < size && (text.at(at) == u'-' || text.at(at) == u'+'))
            number.append(char(text.at(at++).unicode()));
        const qsizetype exponentStart = at;
        at = AppendDigits(text, at, number);
        if (at == exponentStart)
            return false;
    }
    if (SkipBlanks(text, at) != size)
        return false;
    bool ok = false;
    const double result = number.toDouble(&ok);
    if (!ok || !std::isfinite(result))
        return false;
    value = result;
    return true;
}

TNewInifile::TNewInifile(const QString &fileName)
    : FFileName(fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists() || info.isDir())
        return;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError("Cannot open file \"%1\". %2", fileName, file.errorString());
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileError("Cannot open file \"%1\". %2", fileName, file.errorString());
    FLines = SplitLines(content);
}

QByteArray TNewInifile::GetSectionText(const QByteArray &section) const
{
    QByteArray text;
    for (const QByteArray &line : FLines)
        text.append(line).append("\r\n");
    const QByteArray pattern = AsciiLower('[' + section + ']');
    const qsizetype at = AsciiLower(text).indexOf(pattern);
    if (at < 0)
        return {};
    QByteArray body = text.mid(at + pattern.size());
    const qsizetype bracket = body.indexOf('[');
    if (bracket >= 0)
        body.truncate(bracket);
    return body;
}

std::optional<QByteArray> TNewInifile::FindKeyValue(const QByteArray &key,
                                                    const QList<QByteArray> &lines)
{
    const QByteArray pattern = AsciiLower(key + '=');
    for (const QByteArray &line : lines) {
        const qsizetype at = AsciiLower(line).indexOf(pattern);
        if (at >= 0)
            return line.mid(at + pattern.size());
    }
    return std::nullopt;
}

qsizetype TNewInifile::FindSectionLine(const QByteArray &section) const
{
    const QByteArray pattern = AsciiLower('[' + section + ']');
    for (qsizetype i = 0; i < FLines.size(); ++i) {
        if (AsciiLower(FLines.at(i)).contains(pattern))
            return i;
    }
    return -1;
}

qsizetype TNewInifile::FindKeyLine(const QByteArray &section, const QByteArray &key) const
{
    const QList<QByteArray> body = SplitLines(GetSectionText(section));
    const QByteArray pattern = AsciiLower(key + '=');
    for (qsizetype i = 0; i < body.size(); ++i) {
        if (AsciiLower(body.at(i)).contains(pattern))
            return i;
    }
    return -1;
}

std::optional<QString> TNewInifile::FindValue(const QString &section, const QString &key) const
{
    const std::optional<QByteArray> value
            = FindKeyValue(EncodeText(key), SplitLines(GetSectionText(EncodeText(section))));
    if (!value)
        return std::nullopt;
    return DecodeBytes(*value);
}

QString TNewInifile::ReadString(const QString &section, const QString &key,
                                const QString &def) const
{
    return FindValue(section, key).value_or(def);
}

void TNewInifile::WriteString(const QString &section, const QString &key, const QString &value)
{
    const QByteArray sectionBytes = EncodeText(section);
    const QByteArray keyBytes = EncodeText(key);
    // A line break inside a name or value becomes a line of its own right away, as it will be
    // after the next load; otherwise body line i would no longer be line h + i.
    QList<QByteArray> newLines = SplitLines(keyBytes + '=' + EncodeText(value));
    const qsizetype h = FindSectionLine(sectionBytes);
    if (h < 0) {
        FLines.append(SplitLines('[' + sectionBytes + ']'));
        FLines.append(newLines);
        return;
    }
    const qsizetype k = FindKeyLine(sectionBytes, keyBytes);
    if (k < 0) {
        for (qsizetype i = 0; i < newLines.size(); ++i)
            FLines.insert(h + 1 + i, newLines.at(i));
        return;
    }
    if (k == 0) {
        // The key stands on the header line itself, after the "]": keep the header.
        const QByteArray pattern = AsciiLower('[' + sectionBytes + ']');
        const qsizetype end = AsciiLower(FLines.at(h)).indexOf(pattern) + pattern.size();
        newLines.first().prepend(FLines.at(h).left(end));
    }
    FLines.replace(h + k, newLines.first());
    for (qsizetype i = 1; i < newLines.size(); ++i)
        FLines.insert(h + k + i, newLines.at(i));
}

int TNewInifile::ReadInteger(const QString &section, const QString &key, int def) const
{
    int value = def;
    const std::optional<QString> text = FindValue(section, key);
    if (text && TryStrToInt(*text, value))
        return value;
    return def;
}

void TNewInifile::WriteInteger(const QString &section, const QString &key, int value)
{
    WriteString(section, key, QString::number(value));
}

bool TNewInifile::ReadBool(const QString &section, const QString &key, bool def) const
{
    const std::optional<QString> text = FindValue(section, key);
    if (!text)
        return def;
    double number = 0;
    if (TryStrToFloat(*text, number))
        return number != 0;
    if (IsWord(*text, QLatin1String("true")))
        return true;
    if (IsWord(*text, QLatin1String("false")))
        return false;
    return def;
}

void TNewInifile::WriteBool(const QString &section, const QString &key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

double TNewInifile::ReadFloat(const QString &section, const QString &key, double def) const
{
    double value = def;
    const std::optional<QString> text = FindValue(section, key);
    if (text && TryStrToFloat(*text, value))
        return value;
    return def;
}

void TNewInifile::Save() const
{
    QByteArray content;
    for (const QByteArray &line : FLines)
        content.append(line).append("\r\n");
    QSaveFile file(FFileName);
    // Unbuffered: a buffered QSaveFile loses the error of its final flush (a full disk) and then
    // commits the short file. Unwinding discards the temporary file and leaves the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw FileError("Cannot create file \"%1\". %2", FFileName, file.errorString());
    qsizetype done = 0;
    while (done < content.size()) {
        const qint64 written = file.write(content.constData() + done, content.size() - done);
        if (written <= 0)
            throw FileError("Cannot create file \"%1\". %2", FFileName, file.errorString());
        done += written;
    }
    if (!file.commit())
        throw FileError("Cannot create file \"%1\". %2", FFileName, file.errorString());
}

void SaveAndFree(TNewInifile *store)
{
    const std::unique_ptr<TNewInifile> owned(store);
    if (owned)
        owned->Save();
}

void SaveAndFree(std::unique_ptr<TNewInifile> &store)
{
    SaveAndFree(store.release());
}
