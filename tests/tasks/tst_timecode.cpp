#include "testmain.h"

#include "tasks/timecode.h"

#include <QLocale>

#include <cmath>

class TestTimeCode : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { m_savedLocale = QLocale(); }
    void cleanup() { QLocale::setDefault(m_savedLocale); }

    void toSeconds_data();
    void toSeconds();
    void toTimeCode_data();
    void toTimeCode();
    void writtenCodesReadBackWithinATenth_data();
    void writtenCodesReadBackWithinATenth();

private:
    QLocale m_savedLocale;
};

static const QLocale pointLocale(QLocale::English, QLocale::UnitedStates);
static const QLocale commaLocale(QLocale::German, QLocale::Germany);

void TestTimeCode::toSeconds_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("seconds");

    const QLocale en = pointLocale;
    QTest::newRow("hh:mm:ss.ff") << en << "00:01:23.45" << 83.45;
    QTest::newRow("single digits") << en << "1:2:3" << 3723.0;
    QTest::newRow("minutes over 59") << en << "0:75:0" << 4500.0;
    QTest::newRow("fraction") << en << "0:0:0.5" << 0.5;
    QTest::newRow("exponent") << en << "0:0:1e1" << 10.0;
    QTest::newRow("fraction and exponent") << en << "0:0:1.5E1" << 15.0;
    QTest::newRow("signs") << en << "+1:-2:3" << 3483.0;
    QTest::newRow("blanks before hours and minutes") << en << "  1: 2:3" << 3723.0;
    QTest::newRow("blanks around seconds") << en << "0:0:  1.5  " << 1.5;
    QTest::newRow("blank before the fraction point") << en << "0:0: .5" << 0.5;
    QTest::newRow("further colons") << en << "0:0:1:2" << -1.0;
    QTest::newRow("seconds begin with point") << en << "0:0:.5" << -1.0;
    QTest::newRow("one colon") << en << "12:34" << -1.0;
    QTest::newRow("no colon") << en << "83.45" << -1.0;
    QTest::newRow("empty") << en << "" << -1.0;
    QTest::newRow("empty hours and minutes") << en << "::1" << -1.0;
    QTest::newRow("empty seconds") << en << "0:0:" << -1.0;
    QTest::newRow("blank after hours") << en << "1 :2:3" << -1.0;
    QTest::newRow("blank after sign") << en << "- 1:0:0" << -1.0;
    QTest::newRow("fractional hours") << en << "1.5:0:0" << -1.0;
    QTest::newRow("hex hours") << en << "0x1:0:0" << -1.0;
    QTest::newRow("tab before seconds") << en << "0:0:\t1" << -1.0;
    QTest::newRow("letters") << en << "0:0:abc" << -1.0;
    QTest::newRow("infinity") << en << "0:0:inf" << -1.0;
    QTest::newRow("not a number") << en << "0:0:nan" << -1.0;
    QTest::newRow("stands for -1") << en << "0:0:-1" << -1.0;
    QTest::newRow("group separator") << en << "0:0:1,000" << -1.0;
    QTest::newRow("comma where point is used") << en << "00:00:12,5" << -1.0;
    QTest::newRow("largest hours") << en << "2147483647:0:0" << 2147483647.0 * 3600;
    QTest::newRow("hours beyond 32 bits") << en << "2147483648:0:0" << -1.0;
    QTest::newRow("minutes beyond 32 bits") << en << "0:-2147483649:0" << -1.0;
    QTest::newRow("hours times 3600 beyond 32 bits") << en << "1000000:0:0" << 3.6e9;

    const QLocale de = commaLocale;
    QTest::newRow("comma locale: comma") << de << "00:00:12,5" << 12.5;
    QTest::newRow("comma locale: point as the program writes it") << de << "00:00:12.5" << 12.5;
    QTest::newRow("comma locale: exponent") << de << "0:0:1,5e1" << 15.0;
    QTest::newRow("comma locale: group separator") << de << "0:0:1.000,5" << -1.0;
    QTest::newRow("comma locale: begins with point") << de << "0:0:.5" << -1.0;
}

void TestTimeCode::toSeconds()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(double, seconds);
    QLocale::setDefault(locale);
    QCOMPARE(TimeCodeToSeconds(text), seconds);
}

void TestTimeCode::toTimeCode_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << 0.0 << "00:00:00";
    QTest::newRow("whole") << 3723.0 << "01:02:03";
    QTest::newRow("rounds up") << 83.45 << "00:01:23.5";
    QTest::newRow("tenths round to zero") << 0.04 << "00:00:00";
    QTest::newRow("tie to even below") << 12.25 << "00:00:12.2";
    QTest::newRow("tie to even above") << 12.75 << "00:00:12.8";
    // 0.15 is stored as a little less than 0.15, although 0.15 * 10 rounds to exactly 1.5.
    QTest::newRow("not a real tie") << 0.15 << "00:00:00.1";
    QTest::newRow("three-digit hours") << 360000.0 << "100:00:00";
    QTest::newRow("all parts") << 3661.5 << "01:01:01.5";
    QTest::newRow("ten tenths carry into minutes") << 59.96 << "00:01:00";
    QTest::newRow("ten tenths carry into hours") << 3599.96 << "01:00:00";
    QTest::newRow("ten tenths carry into the day") << 86399.99 << "24:00:00";
}

void TestTimeCode::toTimeCode()
{
    QFETCH(double, seconds);
    QFETCH(QString, text);
    QCOMPARE(SecondsToTimeCode(seconds), text);
    // The written form does not follow the locale.
    QLocale::setDefault(commaLocale);
    QCOMPARE(SecondsToTimeCode(seconds), text);
}

void TestTimeCode::writtenCodesReadBackWithinATenth_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("point locale") << pointLocale;
    QTest::newRow("comma locale") << commaLocale;
}

// Start, end and clip length are written with SecondsToTimeCode and read again later; the text
// must stand for the value to a tenth of a second, including fractions of .95 and more.
void TestTimeCode::writtenCodesReadBackWithinATenth()
{
    QFETCH(QLocale, locale);
    QLocale::setDefault(locale);
    for (int hundredths = 0; hundredths <= 400000; hundredths += 7) {
        const double seconds = hundredths / 100.0;
        const QString code = SecondsToTimeCode(seconds);
        const double back = TimeCodeToSeconds(code);
        if (!(std::fabs(back - seconds) <= 0.05 + 1e-9))
            QFAIL(qPrintable(QStringLiteral("%1 s written as %2 reads back as %3")
                                     .arg(seconds)
                                     .arg(code)
                                     .arg(back)));
    }
}

VANTREL_TEST_MAIN(TestTimeCode)
#include "tst_timecode.moc"
