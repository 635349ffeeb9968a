#include "testmain.h"

#include "conversion/outputname.h"
#include "tasks/taskrecord.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// Paths are written with "/" in the table and use the platform's separator here.
QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

class TestOutputName : public QObject
{
    Q_OBJECT
private slots:
    void outputPath_data();
    void outputPath();
    void realFilesAreConsulted();
};

void TestOutputName::outputPath_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("outputExt");
    QTest::addColumn<bool>("rename");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("expected");

    // The third task of the list, NewFileName "clip", profile extension ".mp4".
    const QString in = QStringLiteral("/v/clip.avi");
    QTest::newRow("free name") << "/o/" << in << ".avi" << true << QStringList() << "/o/clip.mp4";
    QTest::newRow("folder gets its separator")
            << "/o" << in << ".avi" << false << QStringList() << "/o/clip.mp4";
    QTest::newRow("overwrite keeps an existing name")
            << "/o/" << in << ".avi" << false << QStringList {"/o/clip.mp4"} << "/o/clip.mp4";
    QTest::newRow("rename takes the place and the task's own extension")
            << "/o/" << in << ".avi" << true << QStringList {"/o/clip.mp4"} << "/o/clip_3.avi";
    QTest::newRow("rename with the indexed name taken")
            << "/o/" << in << ".avi" << true << QStringList {"/o/clip.mp4", "/o/clip_3.avi"}
            << "/o/clip_3_2.avi";
    QTest::newRow("rename counts on")
            << "/o/" << in << ".avi" << true
            << QStringList {"/o/clip.mp4", "/o/clip_3.avi", "/o/clip_3_2.avi"} << "/o/clip_3_3.avi";
    QTest::newRow("output equal to the input, overwrite chosen")
            << "/v/"
            << "/v/clip.mp4"
            << ".mp4" << false << QStringList {"/v/clip.mp4"} << "/v/clip_3.mp4";
    QTest::newRow("overwrite replaces an existing indexed name")
            << "/v/"
            << "/v/clip.mp4"
            << ".mp4" << false << QStringList {"/v/clip.mp4", "/v/clip_3.mp4"} << "/v/clip_3.mp4";
    QTest::newRow("output equal to the input, rename chosen")
            << "/v/"
            << "/v/clip.mp4"
            << ".mp4" << true << QStringList {"/v/clip.mp4"} << "/v/clip_3.mp4";
    QTest::newRow("input compared with letter case")
            << "/v/"
            << "/v/Clip.mp4"
            << ".mp4" << false << QStringList {"/v/Clip.mp4"} << "/v/clip.mp4";
    QTest::newRow("empty task extension takes the profile's")
            << "/o/" << in << "" << true << QStringList {"/o/clip.mp4"} << "/o/clip_3.mp4";
}

void TestOutputName::outputPath()
{
    QFETCH(QString, folder);
    QFETCH(QString, input);
    QFETCH(QString, outputExt);
    QFETCH(bool, rename);
    QFETCH(QStringList, existing);
    QFETCH(QString, expected);

    ltvItemData task;
    task.InputFile = native(input);
    task.NewFileName = QStringLiteral("clip");
    task.OutputExt = outputExt;
    QStringList nativeExisting;
    for (const QString &path : existing)
        nativeExisting << native(path);
    const auto exists = [&](const QString &path) { return nativeExisting.contains(path); };

    QCOMPARE(OutputPathFor(native(folder), task, QStringLiteral(".mp4"), 2, rename, exists),
             native(expected));
}

void TestOutputName::realFilesAreConsulted()
{
    QTemporaryDir dir;
    const QString folder = native(dir.path());
    for (const char *name : {"clip.mp4", "clip_1.mp4"}) {
        QFile file(dir.filePath(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    ltvItemData task;
    task.InputFile = native(QStringLiteral("/v/clip.avi"));
    task.NewFileName = QStringLiteral("clip");
    task.OutputExt = QStringLiteral(".mp4");
    const QString sep = QDir::separator();
    QCOMPARE(OutputPathFor(folder, task, QStringLiteral(".mp4"), 0, true),
             folder + sep + QStringLiteral("clip_1_2.mp4"));
    QCOMPARE(OutputPathFor(folder, task, QStringLiteral(".mp4"), 0, false),
             folder + sep + QStringLiteral("clip.mp4"));

    // The input reached through another spelling of its folder is never the output.
    task.InputFile = folder + sep + QStringLiteral("clip.mp4");
    const QString sameFolder = folder + sep + QStringLiteral("..") + sep + QDir(folder).dirName();
    QCOMPARE(OutputPathFor(sameFolder, task, QStringLiteral(".mp4"), 0, false),
             sameFolder + sep + QStringLiteral("clip_1.mp4"));
    QVERIFY(QFile::link(folder + sep + QStringLiteral("clip.mp4"),
                        folder + sep + QStringLiteral("link.mp4")));
    task.NewFileName = QStringLiteral("link");
    QCOMPARE(OutputPathFor(folder, task, QStringLiteral(".mp4"), 1, false),
             folder + sep + QStringLiteral("link_2.mp4"));
}

VANTREL_TEST_MAIN(TestOutputName)
#include "tst_outputname.moc"
