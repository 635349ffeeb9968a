#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>
#include <optional>
#include <stdexcept>

// A settings file that could not be read or written. The message is the text the user sees.
class EIniFileError : public std::runtime_error
{
public:
    explicit EIniFileError(const QString &message);

    QString message() const { return m_message; }

private:
    QString m_message;
};

// Whole number as settings files and the size dialog accept it: leading blanks and a sign, then
// decimal digits or "$", "x" or "0x" and hexadecimal digits, and nothing after them. Fails on
// empty text and on values outside the 32-bit signed range; `value` is untouched then.
bool TryStrToInt(const QString &text, int &value);

// Floating-point number written with the decimal separator of QLocale() (the default locale):
// blanks before and after, a sign, digits, a fraction and an exponent. Group separators, any
// other decimal separator and values beyond the range of a double fail; `value` is untouched then.
bool TryStrToFloat(const QString &text, double &value);

// Reader and writer of the program's settings files (preferences and profiles).
//
// The file is kept as its lines of bytes and every question is answered by searching that text
// again. Names are found as case-insensitive substrings: "key=" anywhere in a line, "[section]"
// anywhere in the file, and a section's body ends at the next "[" wherever it stands. The
// settings formats rest on exactly these rules.
//
// Bytes are never re-encoded: lines that are not touched are written back as they were read.
// Texts cross the interface as UTF-8 (the local 8-bit encoding here); a byte that is not part of
// valid UTF-8 reads as the lone surrogate U+DC80 + (byte - 0x80) and writes back as that byte, so
// a value read and written again keeps its bytes.
//
// Use one store per operation: `auto *ini = new TNewInifile(path); ...; SaveAndFree(ini);`.
class TNewInifile
{
public:
    // Loads the file if it exists; a missing file gives an empty store and is not created yet.
    // Throws EIniFileError when the file exists but cannot be read.
    explicit TNewInifile(const QString &fileName);

    QString FileName() const { return FFileName; }

    QString ReadString(const QString &section, const QString &key, const QString &def) const;
    void WriteString(const QString &section, const QString &key, const QString &value);
    int ReadInteger(const QString &section, const QString &key, int def) const;
    void WriteInteger(const QString &section, const QString &key, int value);
    bool ReadBool(const QString &section, const QString &key, bool def) const;
    void WriteBool(const QString &section, const QString &key, bool value);
    double ReadFloat(const QString &section, const QString &key, double def) const;

private:
    friend void SaveAndFree(TNewInifile *store);

    QByteArray GetSectionText(const QByteArray &section) const;
    static std::optional<QByteArray> FindKeyValue(const QByteArray &key,
                                                  const QList<QByteArray> &lines);
    qsizetype FindSectionLine(const QByteArray &section) const;
    qsizetype FindKeyLine(const QByteArray &section, const QByteArray &key) const;
    std::optional<QString> FindValue(const QString &section, const QString &key) const;
    void Save() const;

    QString FFileName;
    // The whole file, one entry per line, without line-break bytes.
    QList<QByteArray> FLines;
};

// Writes the store's lines to its file, each followed by CR LF, and destroys the store, also when
// the write fails. The file is replaced atomically: on failure the previous file stays whole.
// A null store does nothing. Throws EIniFileError when the file cannot be written.
void SaveAndFree(TNewInifile *store);
// The same for a store held in a unique_ptr; the holder is empty afterwards, also on failure.
void SaveAndFree(std::unique_ptr<TNewInifile> &store);
