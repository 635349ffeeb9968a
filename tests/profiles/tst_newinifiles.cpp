#include "testmain.h"

#include "profiles/newinifiles.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <climits>
#include <memory>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using Write = QStringList; // section, key, value

namespace {

void writeBytes(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return file.readAll();
}

// Puts a locale in place as QLocale() for one test and brings the previous one back.
class DefaultLocale
{
public:
    explicit DefaultLocale(const QString &name)
        : m_previous(QLocale())
    {
        QLocale::setDefault(QLocale(name));
    }
    ~DefaultLocale() { QLocale::setDefault(m_previous); }

private:
    QLocale m_previous;
};

QString errorOfSave(TNewInifile *store)
{
    try {
        SaveAndFree(store);
    } catch (const EIniFileError &error) {
        return error.message();
    }
    return QString();
}

} // namespace

class TestNewInifiles : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void readString_data();
    void readString();
    void writeString_data();
    void writeString();
    void readInteger_data();
    void readInteger();
    void readFloat_data();
    void readFloat();
    void readBool_data();
    void readBool();
    void typedWritesReadBack();
    void missingFileIsCreatedOnlyBySave();
    void nonAsciiBytesSurviveRoundTrip();
    void unreadableFileFailsCreate();
    void saveErrors_data();
    void saveErrors();
    void failedSaveKeepsOldFileWhole();

private:
    QString path(const QString &name = QStringLiteral("test.ini")) const
    {
        return m_dir->filePath(name);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestNewInifiles::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestNewInifiles::readString_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QString def = QStringLiteral("<default>");
    QTest::newRow("plain") << QByteArray("[Main]\r\nVersion=3.0\r\n") << "Main"
                           << "Version"
                           << "3.0";
    QTest::newRow("missing section") << QByteArray("[Main]\r\nVersion=3.0\r\n") << "Other"
                                     << "Version" << def;
    QTest::newRow("missing key") << QByteArray("[Main]\r\nVersion=3.0\r\n") << "Main"
                                 << "Name" << def;
    QTest::newRow("empty value is not the default")
            << QByteArray("[Main]\r\nVersion=\r\n") << "Main"
            << "Version"
            << "";
    QTest::newRow("key 11 above key 1 answers for 1")
            << QByteArray("[s]\r\n11=eleven\r\n1=one\r\n") << "s"
            << "1"
            << "eleven";
    QTest::newRow("ascending keys find their own line")
            << QByteArray("[s]\r\n0=zero\r\n1=one\r\n10=ten\r\n11=eleven\r\n") << "s"
            << "1"
            << "one";
    QTest::newRow("commented-out line still counts")
            << QByteArray("[s]\r\n;k=old\r\nk=new\r\n") << "s"
            << "k"
            << "old";
    QTest::newRow("blank before = hides the key") << QByteArray("[s]\r\nk = v\r\n") << "s"
                                                  << "k" << def;
    QTest::newRow("blank after = stays in the value") << QByteArray("[s]\r\nk= v \r\n") << "s"
                                                      << "k"
                                                      << " v ";
    QTest::newRow("[ in a value ends the value") << QByteArray("[s]\r\na=x[y]\r\nb=2\r\n") << "s"
                                                 << "a"
                                                 << "x";
    QTest::newRow("[ in a value ends the section") << QByteArray("[s]\r\na=x[y]\r\nb=2\r\n") << "s"
                                                   << "b" << def;
    QTest::newRow("section pattern inside a value above the header")
            << QByteArray("[o]\r\nv=[s]\r\nk=fake\r\n[s]\r\nk=real\r\n") << "s"
            << "k"
            << "fake";
    QTest::newRow("section ends at the next header") << QByteArray("[a]\r\n[b]\r\nk=1\r\n") << "a"
                                                     << "k" << def;
    QTest::newRow("header in mid-line") << QByteArray("x[s]\r\nk=1\r\n") << "s"
                                        << "k"
                                        << "1";
    QTest::newRow("key on the header line") << QByteArray("[s]k=1\r\n") << "s"
                                            << "k"
                                            << "1";
    QTest::newRow("names in capitals, read in mixed case")
            << QByteArray("[MAIN]\r\nVERSION=AbC\r\n") << "Main"
            << "Version"
            << "AbC";
    QTest::newRow("non-ASCII letters are not folded")
            << QByteArray("[\xC3\x89t\xC3\xA9]\r\nk=1\r\n") << QStringLiteral("été") << "k" << def;
    QTest::newRow("non-ASCII names match exactly")
            << QByteArray("[\xC3\x89t\xC3\xA9]\r\nGr\xC3\xB6\xC3\x9F\x65=1\r\n")
            << QStringLiteral("Été") << QStringLiteral("Größe") << "1";
    QTest::newRow("lone CR and lone LF break lines") << QByteArray("[s]\rk=1\nj=2\r\n") << "s"
                                                     << "k"
                                                     << "1";
    QTest::newRow("last line without break") << QByteArray("[s]\r\nk=1") << "s"
                                             << "k"
                                             << "1";
    QTest::newRow("UTF-8 value") << QByteArray("[s]\r\nk=Gr\xC3\xBC\xC3\x9F\x65\r\n") << "s"
                                 << "k" << QStringLiteral("Grüße");
}

void TestNewInifiles::readString()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);

    writeBytes(path(), content);
    const TNewInifile ini(path());
    QCOMPARE(ini.ReadString(section, key, QStringLiteral("<default>")), expected);
}

void TestNewInifiles::writeString_data()
{
    QTest::addColumn<QByteArray>("content"); // a null array: no file beforehand
    QTest::addColumn<QList<Write>>("writes");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("read-only store rewrites with CR LF")
            << QByteArray("[s]\nk=1\rj=2") << QList<Write>() << QByteArray("[s]\r\nk=1\r\nj=2\r\n");
    QTest::newRow("new section at the end, no blank line")
            << QByteArray("[a]\r\nx=1") << QList<Write> {{"b", "k", "v"}}
            << QByteArray("[a]\r\nx=1\r\n[b]\r\nk=v\r\n");
    QTest::newRow("new file") << QByteArray() << QList<Write> {{"Main", "Version", "3.0"}}
                              << QByteArray("[Main]\r\nVersion=3.0\r\n");
    QTest::newRow("A, B, C into a new section")
            << QByteArray("[a]\r\n")
            << QList<Write> {{"s", "A", "1"}, {"s", "B", "2"}, {"s", "C", "3"}}
            << QByteArray("[a]\r\n[s]\r\nC=3\r\nB=2\r\nA=1\r\n");
    QTest::newRow("new key directly under the header")
            << QByteArray("[s]\r\nx=1\r\n[t]\r\ny=2\r\n") << QList<Write> {{"s", "k", "v"}}
            << QByteArray("[s]\r\nk=v\r\nx=1\r\n[t]\r\ny=2\r\n");
    QTest::newRow("existing key replaced in place")
            << QByteArray("[s]\r\na=1\r\nb=2\r\nc=3\r\n[t]\r\nb=7\r\n")
            << QList<Write> {{"s", "b", "9"}}
            << QByteArray("[s]\r\na=1\r\nb=9\r\nc=3\r\n[t]\r\nb=7\r\n");
    QTest::newRow("key in the second section")
            << QByteArray("[s]\r\na=1\r\n[t]\r\na=2\r\nb=3\r\n") << QList<Write> {{"t", "b", "9"}}
            << QByteArray("[s]\r\na=1\r\n[t]\r\na=2\r\nb=9\r\n");
    QTest::newRow("whole line replaced, text before the key too")
            << QByteArray("[s]\r\n;b=2\r\n") << QList<Write> {{"s", "b", "9"}}
            << QByteArray("[s]\r\nb=9\r\n");
    QTest::newRow("names as the caller spells them")
            << QByteArray("[Main]\r\nKey=1\r\n")
            << QList<Write> {{"MAIN", "KEY", "2"}, {"New", "One", ""}}
            << QByteArray("[Main]\r\nKEY=2\r\n[New]\r\nOne=\r\n");
    QTest::newRow("writing key 1 hits the line of key 11")
            << QByteArray("[s]\r\n11=a\r\n1=b\r\n") << QList<Write> {{"s", "1", "c"}}
            << QByteArray("[s]\r\n1=c\r\n1=b\r\n");
    QTest::newRow("section pattern inside a value takes the key")
            << QByteArray("[o]\r\nv=[s]\r\n[s]\r\nk=1\r\n") << QList<Write> {{"s", "k", "2"}}
            << QByteArray("[o]\r\nv=[s]\r\nk=2\r\n[s]\r\nk=1\r\n");
    QTest::newRow("key on the header line keeps the header")
            << QByteArray("[s]k=1\r\nx=2\r\n") << QList<Write> {{"s", "k", "5"}}
            << QByteArray("[s]k=5\r\nx=2\r\n");
    // Without splitting the written value, the key below would be looked up one line too far
    // down and another line (or none) would be replaced.
    QTest::newRow("line break in a value") << QByteArray("[s]\r\na=1\r\nb=2\r\nc=3\r\n")
                                           << QList<Write> {{"s", "a", "x\ny"}, {"s", "b", "9"}}
                                           << QByteArray("[s]\r\na=x\r\ny\r\nb=9\r\nc=3\r\n");
    QTest::newRow("non-ASCII names and value as UTF-8")
            << QByteArray()
            << QList<Write> {{QStringLiteral("Größe"), QStringLiteral("Maß"), QStringLiteral("ä")}}
            << QByteArray("[Gr\xC3\xB6\xC3\x9F\x65]\r\nMa\xC3\x9F=\xC3\xA4\r\n");
}

void TestNewInifiles::writeString()
{
    QFETCH(QByteArray, content);
    QFETCH(QList<Write>, writes);
    QFETCH(QByteArray, expected);

    if (!content.isNull())
        writeBytes(path(), content);
    auto *ini = new TNewInifile(path());
    for (const Write &write : writes)
        ini->WriteString(write.at(0), write.at(1), write.at(2));
    SaveAndFree(ini);
    QCOMPARE(readBytes(path()), expected);
}

void TestNewInifiles::readInteger_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("converts");
    QTest::addColumn<int>("expected");

    QTest::newRow("decimal") << "42" << true << 42;
    QTest::newRow("leading blanks") << "  42" << true << 42;
    QTest::newRow("signs") << "-17" << true << -17;
    QTest::newRow("plus") << "+5" << true << 5;
    QTest::newRow("$ hex") << "$1F" << true << 31;
    QTest::newRow("x hex") << "X10" << true << 16;
    QTest::newRow("0x hex") << "0x1f" << true << 31;
    QTest::newRow("negative hex") << " -$10" << true << -16;
    QTest::newRow("largest") << "2147483647" << true << INT_MAX;
    QTest::newRow("smallest") << "-2147483648" << true << INT_MIN;
    QTest::newRow("smallest in hex") << "-0x80000000" << true << INT_MIN;
    QTest::newRow("one above") << "2147483648" << false << 0;
    QTest::newRow("one below") << "-2147483649" << false << 0;
    QTest::newRow("hex above") << "$80000000" << false << 0;
    QTest::newRow("far above") << "99999999999999999999999" << false << 0;
    QTest::newRow("trailing blank") << "42 " << false << 0;
    QTest::newRow("trailing letters") << "42px" << false << 0;
    QTest::newRow("fraction") << "1.5" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("blanks only") << "  " << false << 0;
    QTest::newRow("sign only") << "-" << false << 0;
    QTest::newRow("prefix only") << "0x" << false << 0;
    QTest::newRow("blank after sign") << "- 5" << false << 0;
    QTest::newRow("hex digit without prefix") << "1F" << false << 0;
    QTest::newRow("non-ASCII digit") << QStringLiteral("٣") << false << 0;
}

void TestNewInifiles::readInteger()
{
    QFETCH(QString, text);
    QFETCH(bool, converts);
    QFETCH(int, expected);

    int value = 12345;
    QCOMPARE(TryStrToInt(text, value), converts);
    QCOMPARE(value, converts ? expected : 12345);

    auto *writer = new TNewInifile(path());
    writer->WriteString(QStringLiteral("n"), QStringLiteral("v"), text);
    SaveAndFree(writer);
    const TNewInifile ini(path());
    QCOMPARE(ini.ReadInteger(QStringLiteral("n"), QStringLiteral("v"), -7),
             converts ? expected : -7);
    QCOMPARE(ini.ReadInteger(QStringLiteral("n"), QStringLiteral("missing"), -7), -7);
}

void TestNewInifiles::readFloat_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("converts");
    QTest::addColumn<double>("expected");

    QTest::newRow("point") << "C"
                           << "12.5" << true << 12.5;
    QTest::newRow("comma in a point locale") << "C"
                                             << "12,5" << false << 0.0;
    QTest::newRow("group separator in a point locale") << "C"
                                                       << "1,000" << false << 0.0;
    QTest::newRow("comma") << "de_DE"
                           << "12,5" << true << 12.5;
    QTest::newRow("point in a comma locale") << "de_DE"
                                             << "12.5" << false << 0.0;
    QTest::newRow("group separator in a comma locale") << "de_DE"
                                                       << "1.000" << false << 0.0;
    QTest::newRow("comma with exponent") << "de_DE"
                                         << "-1,5e3" << true << -1500.0;
    QTest::newRow("blanks around") << "C"
                                   << "  1.5  " << true << 1.5;
    QTest::newRow("sign and exponent") << "C"
                                       << "-1.5E-2" << true << -0.015;
    QTest::newRow("plus exponent") << "C"
                                   << "+2e+1" << true << 20.0;
    QTest::newRow("no integer part") << "C"
                                     << ".5" << true << 0.5;
    QTest::newRow("no fraction digits") << "C"
                                        << "5." << true << 5.0;
    QTest::newRow("whole number") << "C"
                                  << "7" << true << 7.0;
    QTest::newRow("empty") << "C"
                           << "" << false << 0.0;
    QTest::newRow("separator only") << "C"
                                    << "." << false << 0.0;
    QTest::newRow("exponent without digits") << "C"
                                             << "1e" << false << 0.0;
    QTest::newRow("blank inside") << "C"
                                  << "1 .5" << false << 0.0;
    QTest::newRow("trailing letter") << "C"
                                     << "1.5x" << false << 0.0;
    QTest::newRow("word") << "C"
                          << "abc" << false << 0.0;
    QTest::newRow("infinity") << "C"
                              << "inf" << false << 0.0;
    QTest::newRow("not a number") << "C"
                                  << "nan" << false << 0.0;
    QTest::newRow("beyond double") << "C"
                                   << "1e999" << false << 0.0;
    QTest::newRow("hex") << "C"
                         << "0x10" << false << 0.0;
}

void TestNewInifiles::readFloat()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(bool, converts);
    QFETCH(double, expected);

    const DefaultLocale inPlace(locale);
    double value = 99.25;
    QCOMPARE(TryStrToFloat(text, value), converts);
    QCOMPARE(value, converts ? expected : 99.25);

    auto *writer = new TNewInifile(path());
    writer->WriteString(QStringLiteral("f"), QStringLiteral("v"), text);
    SaveAndFree(writer);
    const TNewInifile ini(path());
    QCOMPARE(ini.ReadFloat(QStringLiteral("f"), QStringLiteral("v"), -0.5),
             converts ? expected : -0.5);
    // The default comes back exactly, not through a text of 15 digits.
    const double third = 1.0 / 3.0;
    QCOMPARE(ini.ReadFloat(QStringLiteral("f"), QStringLiteral("missing"), third), third);
}

void TestNewInifiles::readBool_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // -1: the default

    QTest::newRow("one") << "C"
                         << "1" << 1;
    QTest::newRow("zero") << "C"
                          << "0" << 0;
    QTest::newRow("zero with a point") << "C"
                                       << "0.0" << 0;
    QTest::newRow("zero with a comma, comma locale") << "de_DE"
                                                     << "0,0" << 0;
    QTest::newRow("zero with a comma, point locale") << "C"
                                                     << "0,0" << -1;
    QTest::newRow("minus one") << "C"
                               << "-1" << 1;
    QTest::newRow("fraction") << "C"
                              << "0.5" << 1;
    QTest::newRow("number with blanks") << "C"
                                        << " 0 " << 0;
    QTest::newRow("TRUE") << "C"
                          << "TRUE" << 1;
    QTest::newRow("True") << "C"
                          << "True" << 1;
    QTest::newRow("false") << "C"
                           << "false" << 0;
    QTest::newRow("FaLsE") << "C"
                           << "FaLsE" << 0;
    QTest::newRow("blank before true") << "C"
                                       << " true" << -1;
    QTest::newRow("other word") << "C"
                                << "yes" << -1;
    QTest::newRow("empty") << "C"
                           << "" << -1;
    // Unicode case folding would take the long s for an s.
    QTest::newRow("long s") << "C" << QStringLiteral("falſe") << -1;
}

void TestNewInifiles::readBool()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(int, expected);

    const DefaultLocale inPlace(locale);
    auto *writer = new TNewInifile(path());
    writer->WriteString(QStringLiteral("b"), QStringLiteral("v"), text);
    SaveAndFree(writer);
    const TNewInifile ini(path());
    for (const bool def : {false, true}) {
        QCOMPARE(ini.ReadBool(QStringLiteral("b"), QStringLiteral("v"), def),
                 expected == -1 ? def : expected == 1);
        QCOMPARE(ini.ReadBool(QStringLiteral("b"), QStringLiteral("missing"), def), def);
    }
}

void TestNewInifiles::typedWritesReadBack()
{
    auto *writer = new TNewInifile(path());
    writer->WriteInteger(QStringLiteral("t"), QStringLiteral("neg"), -42);
    writer->WriteInteger(QStringLiteral("t"), QStringLiteral("zero"), 0);
    writer->WriteInteger(QStringLiteral("t"), QStringLiteral("min"), INT_MIN);
    writer->WriteBool(QStringLiteral("t"), QStringLiteral("yes"), true);
    writer->WriteBool(QStringLiteral("t"), QStringLiteral("no"), false);
    SaveAndFree(writer);
    QCOMPARE(readBytes(path()),
             QByteArray("[t]\r\nno=0\r\nyes=1\r\nmin=-2147483648\r\nzero=0\r\nneg=-42\r\n"));

    const TNewInifile ini(path());
    QCOMPARE(ini.ReadInteger(QStringLiteral("t"), QStringLiteral("neg"), 1), -42);
    QCOMPARE(ini.ReadInteger(QStringLiteral("t"), QStringLiteral("min"), 1), INT_MIN);
    QCOMPARE(ini.ReadBool(QStringLiteral("t"), QStringLiteral("yes"), false), true);
    QCOMPARE(ini.ReadBool(QStringLiteral("t"), QStringLiteral("no"), true), false);
}

void TestNewInifiles::missingFileIsCreatedOnlyBySave()
{
    const QString file = path(QStringLiteral("new.ini"));
    auto *ini = new TNewInifile(file);
    QCOMPARE(ini->FileName(), file);
    QCOMPARE(
            ini->ReadString(QStringLiteral("Main"), QStringLiteral("Version"), QStringLiteral("d")),
            QStringLiteral("d"));
    QVERIFY(!QFile::exists(file));
    SaveAndFree(ini);
    QVERIFY(QFile::exists(file));
    QCOMPARE(QFileInfo(file).size(), 0);

    // Nothing to do, nothing to throw.
    SaveAndFree(static_cast<TNewInifile *>(nullptr));
    std::unique_ptr<TNewInifile> none;
    SaveAndFree(none);
}

void TestNewInifiles::nonAsciiBytesSurviveRoundTrip()
{
    // A byte order mark, Latin-1 (not UTF-8), UTF-8, a truncated UTF-8 sequence, an encoded
    // surrogate and every other byte value apart from the line breaks and the "[" that would end
    // the section.
    QByteArray every;
    for (int byte = 0; byte < 256; ++byte) {
        if (byte != '\r' && byte != '\n' && byte != '[')
            every.append(char(byte));
    }
    const QByteArray original = QByteArray("\xEF\xBB\xBF[s]\r\nlatin=caf\xE9\r\n")
            + "utf=Gr\xC3\xBC\xC3\x9F\x65\r\ncut=\xE2\x82\r\nsurrogate=\xED\xA0\x80\r\n"
            + "every=" + every + "\r\n";
    writeBytes(path(), original);

    auto *ini = new TNewInifile(path());
    QCOMPARE(ini->ReadString(QStringLiteral("s"), QStringLiteral("utf"), QString()),
             QStringLiteral("Grüße"));
    // Values read and written back, under their own keys and under new ones.
    for (const char *key : {"latin", "utf", "cut", "surrogate", "every"}) {
        const QString name = QString::fromLatin1(key);
        const QString value = ini->ReadString(QStringLiteral("s"), name, QString());
        ini->WriteString(QStringLiteral("s"), name, value);
        ini->WriteString(QStringLiteral("copy"), name, value);
    }
    SaveAndFree(ini);

    const QByteArray copies = QByteArray("[copy]\r\nevery=") + every
            + "\r\nsurrogate=\xED\xA0\x80\r\ncut=\xE2\x82\r\nutf=Gr\xC3\xBC\xC3\x9F\x65\r\n"
            + "latin=caf\xE9\r\n";
    QCOMPARE(readBytes(path()), original + copies);
}

void TestNewInifiles::unreadableFileFailsCreate()
{
    QString file = path(QStringLiteral("locked.ini"));
    writeBytes(file, "[Main]\r\n");
    QFile::setPermissions(file, QFileDevice::Permissions());
    if (QFile(file).open(QIODevice::ReadOnly)) {
        // Permissions do not stop root; a write-only kernel setting does.
        file = QStringLiteral("/proc/sys/vm/drop_caches");
        if (!QFile::exists(file) || QFile(file).open(QIODevice::ReadOnly))
            QSKIP("No file here that exists and cannot be read");
    }

    QString message;
    try {
        TNewInifile ini(file);
    } catch (const EIniFileError &error) {
        message = error.message();
        QCOMPARE(QString::fromUtf8(error.what()), message);
    }
    QCOMPARE(message, QStringLiteral("Cannot open file \"%1\". Permission denied").arg(file));
}

void TestNewInifiles::saveErrors_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QString>("reason");

    QTest::newRow("parent is a file") << "plain/Preferences.ini"
                                      << "Not a directory";
    QTest::newRow("parent is missing") << "missing/Preferences.ini"
                                       << "No such file or directory";
    QTest::newRow("target is a folder") << "folder"
                                        << "Filename refers to a directory";
}

void TestNewInifiles::saveErrors()
{
    QFETCH(QString, relative);
    QFETCH(QString, reason);

    writeBytes(path(QStringLiteral("plain")), "keep\r\n");
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("folder")));
    const QString file = path(relative);

    auto *ini = new TNewInifile(file);
    ini->WriteString(QStringLiteral("Main"), QStringLiteral("Version"), QStringLiteral("3.0"));
    QCOMPARE(errorOfSave(ini), QStringLiteral("Cannot create file \"%1\". %2").arg(file, reason));

    // The holder form gives the store up also when the write fails.
    std::unique_ptr<TNewInifile> held = std::make_unique<TNewInifile>(file);
    QVERIFY_THROWS_EXCEPTION(EIniFileError, SaveAndFree(held));
    QVERIFY(!held);

    QCOMPARE(readBytes(path(QStringLiteral("plain"))), QByteArray("keep\r\n"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList({QStringLiteral("folder"), QStringLiteral("plain")}));
}

void TestNewInifiles::failedSaveKeepsOldFileWhole()
{
#ifdef Q_OS_UNIX
    // A file size limit fails the write part-way, as a full disk does, also for root.
    const QString file = path();
    const QByteArray old("[Main]\r\nVersion=2.0\r\n");
    writeBytes(file, old);
    auto *ini = new TNewInifile(file);
    ini->WriteString(QStringLiteral("Main"), QStringLiteral("Long"), QString(8192, u'x'));

    struct rlimit saved;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit small = saved;
    small.rlim_cur = 1024;
    const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
    QString message;
    if (setrlimit(RLIMIT_FSIZE, &small) == 0) {
        message = errorOfSave(ini);
        setrlimit(RLIMIT_FSIZE, &saved);
    } else {
        delete ini;
    }
    signal(SIGXFSZ, previousHandler);

    QCOMPARE(message, QStringLiteral("Cannot create file \"%1\". File too large").arg(file));
    QCOMPARE(readBytes(file), old);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
             QStringList({QStringLiteral("test.ini")}));
#else
    QSKIP("Needs a file size limit");
#endif
}

VANTREL_TEST_MAIN(TestNewInifiles)
#include "tst_newinifiles.moc"
