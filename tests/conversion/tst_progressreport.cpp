#include "testmain.h"

#include "conversion/progressreport.h"
#include "conversion/runclock.h"

#include <QLocale>

class TestProgressReport : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { m_savedLocale = QLocale(); }
    void cleanup() { QLocale::setDefault(m_savedLocale); }

    void readProgressTime_data();
    void readProgressTime();
    void evaluateChunk_data();
    void evaluateChunk();
    void lastLines_data();
    void lastLines();
    void remainingSeconds_data();
    void remainingSeconds();

private:
    QLocale m_savedLocale;
};

void TestProgressReport::readProgressTime_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("chunk");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<double>("seconds");

    const QLocale en(QLocale::English, QLocale::UnitedStates);
    const QLocale de(QLocale::German, QLocale::Germany);
    const QString line = QStringLiteral("frame=   50 fps=0.0 q=29.0 size=     256kB "
                                        "time=00:01:02.50 bitrate=1048.6kbits/s speed=4.1x\r");
    QTest::newRow("encoder's line") << en << line << true << 62.5;
    QTest::newRow("encoder's line, comma locale") << de << line << true << 62.5;
    QTest::newRow("hours") << en << "time=01:02:03.5 " << true << 3723.5;
    QTest::newRow("decimal seconds") << en << "x time=83.45 y" << true << 83.45;
    QTest::newRow("decimal point, comma locale") << de << "time=83.45 " << true << 83.45;
    QTest::newRow("locale's own separator") << de << "time=83,45 " << true << 83.45;
    QTest::newRow("any character after time") << en << "time:12.5 " << true << 12.5;
    QTest::newRow("first time counts") << en << "time=1.0 time=5.0 " << true << 1.0;
    QTest::newRow("negative number") << en << "time=-5 " << true << -5.0;
    QTest::newRow("no blank after") << en << "time=83.45" << false << 0.0;
    QTest::newRow("no time") << en << "frame=  12 fps=0.0" << false << 0.0;
    QTest::newRow("metadata key") << en << "creation_time   : 2023-01-01" << false << 0.0;
    QTest::newRow("not available") << en << "time=N/A bitrate=N/A" << false << 0.0;
    QTest::newRow("before the start") << en << "time=-00:00:00.05 " << false << 0.0;
    QTest::newRow("group separator") << en << "time=1,000.5 " << false << 0.0;
    QTest::newRow("infinity") << en << "time=inf " << false << 0.0;
    QTest::newRow("bad time code") << en << "time=00:xx:01 " << false << 0.0;
    QTest::newRow("empty") << en << "" << false << 0.0;
}

void TestProgressReport::readProgressTime()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, chunk);
    QFETCH(bool, readable);
    QFETCH(double, seconds);
    QLocale::setDefault(locale);
    double value = -123;
    QCOMPARE(ReadProgressTime(chunk, value), readable);
    if (readable)
        QCOMPARE(value, seconds);
    else
        QCOMPARE(value, -123.0);
}

void TestProgressReport::evaluateChunk_data()
{
    QTest::addColumn<QString>("chunk");
    QTest::addColumn<double>("clip");
    QTest::addColumn<double>("done");
    QTest::addColumn<double>("total");
    QTest::addColumn<double>("positionBefore");
    QTest::addColumn<int>("currentBefore");
    QTest::addColumn<int>("totalBefore");
    QTest::addColumn<double>("position");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("totalBar");

    QTest::newRow("moves on") << "time=00:00:05.00 " << 10.0 << 0.0 << 20.0 << 0.0 << 0 << 0 << 5.0
                              << 50 << 25;
    QTest::newRow("done counts in the total")
            << "time=5.0 " << 10.0 << 10.0 << 20.0 << 0.0 << 0 << 50 << 5.0 << 50 << 75;
    QTest::newRow("back in time ignored")
            << "time=3.0 " << 10.0 << 0.0 << 20.0 << 5.0 << 50 << 25 << 5.0 << 50 << 25;
    QTest::newRow("same time") << "time=5.0 " << 10.0 << 0.0 << 20.0 << 5.0 << 50 << 25 << 5.0 << 50
                               << 25;
    QTest::newRow("unreadable, bars still recomputed")
            << "frame=1" << 10.0 << 0.0 << 20.0 << 5.0 << 0 << 0 << 5.0 << 50 << 25;
    QTest::newRow("past the clip length")
            << "time=15 " << 10.0 << 0.0 << 20.0 << 0.0 << 0 << 0 << 15.0 << 100 << 75;
    QTest::newRow("past the total")
            << "time=15 " << 10.0 << 10.0 << 20.0 << 0.0 << 0 << 0 << 15.0 << 100 << 100;
    QTest::newRow("clip length 0: own bar kept")
            << "time=4 " << 0.0 << 0.0 << 8.0 << 0.0 << 7 << 0 << 4.0 << 7 << 50;
    QTest::newRow("total 0: total bar kept")
            << "time=4 " << 0.0 << 0.0 << 0.0 << 0.0 << 0 << 3 << 4.0 << 0 << 3;
    QTest::newRow("half goes to even, down")
            << "time=0.5 " << 4.0 << 0.0 << 4.0 << 0.0 << 0 << 0 << 0.5 << 12 << 12;
    QTest::newRow("half goes to even, up")
            << "time=1.5 " << 4.0 << 0.0 << 4.0 << 0.0 << 0 << 0 << 1.5 << 38 << 38;
    QTest::newRow("negative time below position")
            << "time=-5 " << 10.0 << 0.0 << 10.0 << 0.0 << 0 << 0 << 0.0 << 0 << 0;
    QTest::newRow("huge time held at the end")
            << "time=1e300 " << 10.0 << 0.0 << 10.0 << 0.0 << 0 << 0 << 1e300 << 100 << 100;
}

void TestProgressReport::evaluateChunk()
{
    QFETCH(QString, chunk);
    QFETCH(double, clip);
    QFETCH(double, done);
    QFETCH(double, total);
    QFETCH(double, positionBefore);
    QFETCH(int, currentBefore);
    QFETCH(int, totalBefore);
    TaskProgress progress;
    progress.position = positionBefore;
    progress.current = currentBefore;
    progress.total = totalBefore;
    EvaluateChunk(chunk, clip, done, total, progress);
    QTEST(progress.position, "position");
    QTEST(progress.current, "current");
    QTEST(progress.total, "totalBar");
}

void TestProgressReport::lastLines_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("lines");

    QTest::newRow("last of several") << "a\nb\r\nc\n" << 2 << "b\nc";
    QTest::newRow("progress lines end in CR") << "x\nframe=1\rframe=2\rError: disk full\n"
                                              << 3 << "frame=1\nframe=2\nError: disk full";
    QTest::newRow("blank lines skipped") << "a\n   \n\nb" << 5 << "a\nb";
    QTest::newRow("fewer than asked") << "only" << 10 << "only";
    QTest::newRow("empty") << "" << 10 << "";
}

void TestProgressReport::lastLines()
{
    QFETCH(QString, output);
    QFETCH(int, count);
    QTEST(LastLines(output, count), "lines");
}

void TestProgressReport::remainingSeconds_data()
{
    QTest::addColumn<int>("elapsed");
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("previous");
    QTest::addColumn<int>("remaining");

    QTest::newRow("first tick, nothing done") << 1 << 0 << 0 << 0;
    QTest::newRow("nothing done keeps the estimate") << 75 << 0 << 17 << 17;
    QTest::newRow("25 % after 30 s") << 30 << 25 << 0 << 90;
    QTest::newRow("50 % after 40 s") << 40 << 50 << 3 << 40;
    QTest::newRow("all done") << 50 << 100 << 9 << 0;
    QTest::newRow("1.5 goes to 2") << 1 << 40 << 0 << 2;
    QTest::newRow("4.5 goes to 4") << 3 << 40 << 0 << 4;
    QTest::newRow("7.5 goes to 8") << 5 << 40 << 0 << 8;
    QTest::newRow("0.25 goes to 0") << 1 << 80 << 5 << 0;
    QTest::newRow("0.75 goes to 1") << 3 << 80 << 0 << 1;
    QTest::newRow("a day at 1 %") << 86400 << 1 << 0 << 8553600;
}

void TestProgressReport::remainingSeconds()
{
    QFETCH(int, elapsed);
    QFETCH(int, percent);
    QFETCH(int, previous);
    QTEST(EstimateRemainingSeconds(elapsed, percent, previous), "remaining");
}

VANTREL_TEST_MAIN(TestProgressReport)
#include "tst_progressreport.moc"
