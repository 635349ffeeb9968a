#include "testmain.h"

#include "profiles/newinifiles.h"

#include "conversion/argumentbuilder.h"
#include "conversion/commandline.h"
#include "tasks/taskrecord.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// One parameter section: its name and its key lines.
using Section = QPair<QByteArray, QByteArray>;

// A profile with the sections' names numbered in the given order.
QByteArray profile(const QList<Section> &sections)
{
    QByteArray main = "[Main]\nType=mp4\nPara=" + QByteArray::number(sections.size()) + '\n';
    QByteArray body;
    for (int i = 0; i < sections.size(); ++i) {
        main += QByteArray::number(i) + '=' + sections.at(i).first + '\n';
        body += '[' + sections.at(i).first + "]\n" + sections.at(i).second;
    }
    return main + body;
}

// What the grids show: "<grid>/<name>=<text>" entries, names matched in any letter case as the
// grids match them; a name a grid does not hold shows nothing.
GridText gridsShowing(const QStringList &entries)
{
    return [entries](int grid, const QString &name) {
        const QString wanted = QString::number(grid) + QLatin1Char('/') + name;
        for (const QString &entry : entries) {
            const int equals = entry.indexOf(QLatin1Char('='));
            if (entry.left(equals).compare(wanted, Qt::CaseInsensitive) == 0)
                return entry.mid(equals + 1);
        }
        return QString();
    };
}

const QByteArray BitRate = "Sort=1\ncmd=-b:v\nList=1\nCaption=Auto,500 kbps,1000 kbps,\n"
                           "Value=,500k,1000k,\nIndex=0\n";
const QByteArray VideoSize = "Sort=1\ncmd=-s\nList=1\nCaption=Original Size,640x480,Custom Size,\n"
                             "Value=,640x480,,\nIndex=0\n";
const QByteArray DisableAudio = "Sort=2\ncmd=-an\nList=1\nCaption=No,Yes,\nValue=,\\,\nIndex=0\n";
const QByteArray Crf = "Sort=3\nReadOnly=0\ncmd=-crf\nList=0\nCaption=23\nValue=23\n";

ltvItemData task(double fileStart, double duration, const QString &clipStartTime, double clipStart,
                 double clipDuration)
{
    ltvItemData record;
    record.InputFile = QStringLiteral("/v/in put.avi");
    record.FileStartSec = fileStart;
    record.DurationSec = duration;
    record.ClipStartTime = clipStartTime;
    record.ClipStartSec = clipStart;
    record.ClipDurationSec = clipDuration;
    return record;
}

} // namespace

Q_DECLARE_METATYPE(ltvItemData)

class TestArgumentBuilder : public QObject
{
    Q_OBJECT
private slots:
    void profileArguments_data();
    void profileArguments();
    void unwritableProfileStillGivesItsArguments();
    void missingProfileAddsNothing();
    void taskCommandLine_data();
    void taskCommandLine();
    void pathsStayWholeArguments();
};

void TestArgumentBuilder::profileArguments_data()
{
    QTest::addColumn<QByteArray>("profileText");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("expected");

    QTest::newRow("caption in other letter case gives its value")
            << profile({{"Bit Rate", BitRate}}) << QStringList {"1/Bit Rate=1000 KBPS"}
            << " -b:v 1000k";
    QTest::newRow("text not among the captions passes unchanged")
            << profile({{"Video Size", VideoSize}}) << QStringList {"1/Video Size=800x600"}
            << " -s 800x600";
    QTest::newRow("caption with an empty value adds nothing")
            << profile({{"Video Size", VideoSize}}) << QStringList {"1/Video Size=Original Size"}
            << "";
    QTest::newRow("first matching caption wins")
            << profile({{"Mode", "Sort=1\ncmd=-m\nCaption=Fast,fast,\nValue=1,2,\n"}})
            << QStringList {"1/Mode=fast"} << " -m 1";
    QTest::newRow("missing List key is a list")
            << profile({{"Mode", "Sort=1\ncmd=-m\nCaption=A,B,\nValue=1,2,\n"}})
            << QStringList {"1/Mode=B"} << " -m 2";
    QTest::newRow("backslash value gives the switch alone")
            << profile({{"Disable Audio", DisableAudio}, {"Bit Rate", BitRate}})
            << QStringList {"2/Disable Audio=Yes", "1/Bit Rate=500 kbps"} << " -an  -b:v 500k";
    QTest::newRow("backslash from a read-only plain parameter")
            << profile({{"Disable Video", "Sort=1\nReadOnly=1\ncmd=-vn\nList=0\nValue=\\\n"}})
            << QStringList {"1/Disable Video=Yes"} << " -vn ";
    QTest::newRow("value without a switch adds nothing")
            << profile({{"Bit Rate", "Sort=1\ncmd=\nList=1\nCaption=A,\nValue=500k,\n"}})
            << QStringList {"1/Bit Rate=A"} << "";
    QTest::newRow("switch with an empty grid cell adds nothing")
            << profile({{"Crf", Crf}}) << QStringList {"3/Crf="} << "";
    QTest::newRow("editable plain parameter gives the grid text")
            << profile({{"Crf", Crf}}) << QStringList {"3/Crf=28"} << " -crf 28";
    QTest::newRow("read-only plain parameter gives the profile value")
            << profile({{"Video Codec",
                         "Sort=1\nReadOnly=1\ncmd=-c:v\nList=0\nCaption=H.264\nValue=libx264\n"}})
            << QStringList {"1/Video Codec=something else"} << " -c:v libx264";
    QTest::newRow("read-only list parameter still looks its caption up")
            << profile({{"Bit Rate",
                         "Sort=1\nReadOnly=1\ncmd=-b:v\nList=1\nCaption=Auto,500 kbps,\n"
                         "Value=,500k,\n"}})
            << QStringList {"1/Bit Rate=500 kbps"} << " -b:v 500k";
    QTest::newRow("caption without a value of its own adds nothing")
            << profile({{"Mode", "Sort=1\ncmd=-m\nCaption=A,B,C,\nValue=1,2,\n"}})
            << QStringList {"1/Mode=C"} << "";
    QTest::newRow("numbered order across the grids")
            << profile({{"Disable Audio", DisableAudio}, {"Crf", Crf}, {"Bit Rate", BitRate}})
            << QStringList {"1/Bit Rate=500 kbps", "2/Disable Audio=Yes", "3/Crf=20"}
            << " -an  -crf 20 -b:v 500k";
    // A broken "Sort" is read from the grid the parameter is shown in: the previous
    // parameter's, or the video grid for the first one.
    QTest::newRow("bad Sort follows the previous parameter's grid")
            << profile({{"Crf", Crf}, {"Qp", "Sort=7\ncmd=-qp\nList=0\n"}})
            << QStringList {"1/Qp=video", "2/Qp=audio", "3/Qp=advanced", "3/Crf=20"}
            << " -crf 20 -qp advanced";
    QTest::newRow("bad Sort of the first parameter is the video grid")
            << profile({{"Qp", "cmd=-qp\nList=0\n"}})
            << QStringList {"1/Qp=video", "2/Qp=audio", "3/Qp=advanced"} << " -qp video";
    QTest::newRow("no Para") << QByteArray("[Main]\n0=Crf\n[Crf]\n" + Crf)
                             << QStringList {"3/Crf=20"} << "";
}

void TestArgumentBuilder::profileArguments()
{
    QFETCH(QByteArray, profileText);
    QFETCH(QStringList, shown);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("test.apf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(profileText);
    file.close();

    // The builder appends to what the caller holds.
    const QString before = QStringLiteral(" -before");
    QString arguments = before;
    BuildProfileArguments(path, gridsShowing(shown), arguments);
    QCOMPARE(arguments, before + expected);
}

void TestArgumentBuilder::unwritableProfileStillGivesItsArguments()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("locked.apf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Main]\r\nPara=1\r\n0=Crf\r\n[Crf]\r\nSort=1\r\nList=0\r\ncmd=-crf\r\n");
    file.close();
    // Tests run as root, whom permissions do not stop: an immutable file refuses even root.
    if (QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path}) != 0)
        QSKIP("chattr +i is not available here");
    QString arguments;
    bool threw = false;
    try {
        BuildProfileArguments(path, gridsShowing({"1/Crf=20"}), arguments);
    } catch (const EIniFileError &) {
        threw = true;
    }
    QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), path});
    QVERIFY(!threw);
    QCOMPARE(arguments, QStringLiteral(" -crf 20"));
}

void TestArgumentBuilder::missingProfileAddsNothing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gone.apf"));
    QString arguments;
    BuildProfileArguments(path, gridsShowing({"1/Crf=20"}), arguments);
    QCOMPARE(arguments, QString());
    QVERIFY(!QFile::exists(path));
}

void TestArgumentBuilder::taskCommandLine_data()
{
    QTest::addColumn<ltvItemData>("record");
    QTest::addColumn<QString>("expected");

    const QString input = QStringLiteral(R"( -y -i "/v/in put.avi" -c:v libx264)");
    const QString output = QStringLiteral(R"( "/o/out.mp4")");
    QTest::newRow("whole file") << task(0, 20, "00:00:00", 0, 20) << input + output;
    QTest::newRow("whole file from a later start")
            << task(1.5, 20, "00:00:01.5", 1.5, 20) << input + output;
    QTest::newRow("later start keeps the stored text")
            << task(0, 20, "0:0:05.50", 5.5, 20) << input + " -ss 0:0:05.50" + output;
    QTest::newRow("shorter clip, half down to even")
            << task(0, 20, "00:00:00", 0, 12.5) << input + " -t 12" + output;
    QTest::newRow("shorter clip, half up to even")
            << task(0, 20, "00:00:00", 0, 13.5) << input + " -t 14" + output;
    QTest::newRow("shorter clip, below the half")
            << task(0, 20, "00:00:00", 0, 13.49) << input + " -t 13" + output;
    QTest::newRow("start and length")
            << task(0, 20, "00:00:02", 2, 0.4) << input + " -ss 00:00:02 -t 0" + output;
}

void TestArgumentBuilder::taskCommandLine()
{
    QFETCH(ltvItemData, record);
    QFETCH(QString, expected);
    QCOMPARE(BuildTaskCommandLine(record, QStringLiteral(" -c:v libx264"),
                                  QStringLiteral("/o/out.mp4")),
             expected);
}

void TestArgumentBuilder::pathsStayWholeArguments()
{
    ltvItemData record = task(0, 20, "00:00:03", 3, 10);
    record.InputFile = QStringLiteral(R"(/v/say "hi" now.avi)");
    const QString output = QStringLiteral(R"(/o/a b\ "c".mp4)");
    const QStringList arguments
            = SplitCommandLine(BuildTaskCommandLine(record, QStringLiteral(" -an "), output));
    QCOMPARE(arguments,
             QStringList(
                     {"-y", "-i", record.InputFile, "-an", "-ss", "00:00:03", "-t", "10", output}));
}

VANTREL_TEST_MAIN(TestArgumentBuilder)
#include "tst_argumentbuilder.moc"
