#include "testmain.h"

#include "../tools/fakeencodercontrol.h"
#include "app/application.h"
#include "conversion/encoder.h"
#include "programfolder.h"
#include "tasks/tasklistmodel.h"
#include "tasks/timecode.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>

#include <memory>

class TestProbe : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void cutsTheWholeReport_data();
    void cutsTheWholeReport();
    void pathIsPassedAsOneArgument_data();
    void pathIsPassedAsOneArgument();
    void encoderMissing();
    void lateEncoderIsEnded_data();
    void lateEncoderIsEnded();
    void realEncoder_data();
    void realEncoder();

private:
    void makeClip(const QString &name, const QStringList &arguments);

    std::unique_ptr<FakeEncoderControl> m_fake;
    QTemporaryDir m_clips;
    QString m_clipError;
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<ProgramWindows> m_windows;
};

namespace {

// A report as the encoder prints it for `ffmpeg -i`, with the fake's {input} for the path.
const QString Report = QStringLiteral(
        "Input #0, avi, from '{input}':\\n"
        "  Duration: 00:01:23.45, start: 0.000000, bitrate: 1340 kb/s\\n"
        "  Stream #0:0: Video: mpeg4 (Simple Profile) (FMP4 / 0x34504D46), yuv420p, "
        "640x480 [SAR 1:1 DAR 4:3], 1205 kb/s, 25 fps, 25 tbr, 25 tbn\\n");
const QString Ending = QStringLiteral("At least one output file must be specified\\n");

QString print(const QString &text)
{
    return QStringLiteral("print ") + text + QLatin1Char('\n');
}

} // namespace

void TestProbe::makeClip(const QString &name, const QStringList &arguments)
{
    QProcess ffmpeg;
    ffmpeg.start(systemFfmpeg(),
                 QStringList({"-v", "error", "-y"}) + arguments
                         + QStringList(m_clips.filePath(name)));
    if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitCode() != 0)
        m_clipError += name + QStringLiteral(": ") + QString::fromLocal8Bit(ffmpeg.readAll());
}

void TestProbe::initTestCase()
{
    m_fake = std::make_unique<FakeEncoderControl>();
    QVERIFY2(m_fake->isValid(), "the fake encoder is built with the tests");
    if (systemFfmpeg().isEmpty()) {
        m_clipError = QStringLiteral("no ffmpeg");
        return;
    }
    const QStringList video = {"-f", "lavfi", "-i", "testsrc=duration=2:size=320x240:rate=25"};
    makeClip(QStringLiteral("clip.avi"), video + QStringList({"-c:v", "mpeg4"}));
    makeClip(QStringLiteral("clip \"ä ö\" é.avi"), video + QStringList({"-c:v", "mpeg4"}));
    // Colour tags make the encoder print "yuv420p(tv, bt709, progressive)".
    makeClip(QStringLiteral("colour.mp4"),
             {"-f", "lavfi", "-i", "testsrc=duration=1:size=320x240:rate=25", "-c:v", "libx264",
              "-pix_fmt", "yuv420p", "-color_primaries", "bt709", "-color_trc", "bt709",
              "-colorspace", "bt709", "-color_range", "tv"});
    makeClip(QStringLiteral("sound.mp4"),
             {"-f", "lavfi", "-i", "sine=duration=1:sample_rate=44100", "-c:a", "aac"});
}

void TestProbe::init()
{
    fakePlatform().reset();
    m_fake->setScript(QString());
    m_fake->clearRuns();
    m_folder = std::make_unique<ProgramFolder>();
    QVERIFY(m_folder->installEncoder(FakeEncoderControl::program()));
    m_windows = std::make_unique<ProgramWindows>(StartupInfo {m_folder->programFile(), {}});
}

void TestProbe::cleanup()
{
    m_windows.reset();
    m_folder.reset();
}

void TestProbe::cutsTheWholeReport_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("frameSize");

    const QString path = QStringLiteral("/v/Clip One.avi");
    QTest::newRow("report in one piece") << print(Report + Ending) << path << "00:01:23.45"
                                         << " 640x480 [SAR 1:1 DAR 4:3]";
    // Each piece read alone would give other values; the last one gives empty texts.
    const int video = Report.indexOf(QStringLiteral("Video"));
    QTest::newRow("report split across reads")
            << print(Report.left(video)) + QStringLiteral("sleep 150\n") + print(Report.mid(video))
                    + QStringLiteral("sleep 150\n") + print(Ending)
            << path << "00:01:23.45"
            << " 640x480 [SAR 1:1 DAR 4:3]";
    QString metadata;
    for (int i = 0; i < 300; ++i)
        metadata += QStringLiteral("    title           : Chapter %1, part one\\n").arg(i);
    const int stream = Report.indexOf(QStringLiteral("  Stream"));
    QTest::newRow("long metadata")
            << print(Report.left(stream) + metadata + Report.mid(stream) + Ending) << path
            << "00:01:23.45"
            << " 640x480 [SAR 1:1 DAR 4:3]";
    QTest::newRow("non-ASCII name")
            << print(Report) << QStringLiteral("/v/Ännchen – été.avi") << "00:01:23.45"
            << " 640x480 [SAR 1:1 DAR 4:3]";
    // Without "Video" the fields after the length's comma are counted.
    QTest::newRow("sound only") << print(
            QStringLiteral("Input #0, wav, from '{input}':\\n"
                           "  Duration: 00:00:03.00, start: 0.000000, bitrate: 1411 kb/s\\n"
                           "  Stream #0:0: Audio: pcm_s16le ([1][0][0][0] / 0x0001), "
                           "44100 Hz, 2 channels, s16, 1411 kb/s\\n"))
                                << path << "00:00:03.00"
                                << " 44100 Hz";
    // What the encoder says about a file it cannot read: no comma after the path at all.
    QTest::newRow("no Duration") << print(
            QStringLiteral("{input}: Invalid data found when processing input\\n"))
                                 << path << ""
                                 << "";
    QTest::newRow("Duration: without a blank") << print(
            QString(Report).replace(QStringLiteral("Duration: "), QStringLiteral("Duration:")))
                                               << path << "0:01:23.45"
                                               << " 640x480 [SAR 1:1 DAR 4:3]";
    QTest::newRow("length not a time code")
            << print(QString(Report).replace(QStringLiteral("00:01:23.45"), QStringLiteral("N/A")))
            << path << "N/A"
            << " 640x480 [SAR 1:1 DAR 4:3]";
    // Not found, the path's length is skipped instead: here that still leaves "Duration".
    QTest::newRow("path in other letter case") << print(
            QString(Report).replace(QStringLiteral("{input}"), QStringLiteral("/V/CLIP ONE.AVI")))
                                               << path << "00:01:23.45"
                                               << " 640x480 [SAR 1:1 DAR 4:3]";
    QTest::newRow("path in other letter case, longer than the report's head")
            << print(QStringLiteral("from 'A.AVI': Duration: 00:00:05.00, a, b Video: c, d, "
                                    "320x240, e"))
            << QStringLiteral("a.avi") + QString(80, QLatin1Char('x')) << ""
            << "";
}

void TestProbe::cutsTheWholeReport()
{
    QFETCH(QString, script);
    QFETCH(QString, path);
    QFETCH(QString, length);
    QFETCH(QString, frameSize);
    m_fake->setScript(script);
    MainForm->ProbeMedia(path);
    QCOMPARE(MainForm->ProbeLength, length);
    QCOMPARE(MainForm->ProbeFrameSize, frameSize);
    QCOMPARE(MainForm->ProbeStart, QStringLiteral("00:00:00.0"));
    QCOMPARE(MainForm->ProbeEnd, length);
    QCOMPARE(m_fake->runs(), QList<QStringList>({{"-i", path}}));
    QVERIFY(MainForm->Encoder->Finished());
}

void TestProbe::pathIsPassedAsOneArgument_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("blanks") << QStringLiteral("/v/a b/c d.avi");
    QTest::newRow("quote") << QStringLiteral("/v/say \"cheese\" -y.avi");
    QTest::newRow("backslashes before a quote") << QStringLiteral("/v/a\\\\\" -f x\\.avi");
    QTest::newRow("trailing backslash") << QStringLiteral("/v/odd\\");
    QTest::newRow("relative") << QStringLiteral("clip.avi");
}

void TestProbe::pathIsPassedAsOneArgument()
{
    QFETCH(QString, path);
    m_fake->setScript(print(Report));
    MainForm->ProbeMedia(path);
    QCOMPARE(m_fake->runs(), QList<QStringList>({{"-i", path}}));
    QCOMPARE(MainForm->ProbeLength, QStringLiteral("00:01:23.45"));
}

void TestProbe::encoderMissing()
{
    m_fake->setScript(print(Report));
    MainForm->ProbeMedia(QStringLiteral("/v/a.avi"));
    QCOMPARE(MainForm->ProbeLength, QStringLiteral("00:01:23.45"));

    // The next file must not get the values of the one before.
    QVERIFY(QFile::remove(m_folder->filePath(QStringLiteral("vezizi.dll"))));
    MainForm->ProbeMedia(QStringLiteral("/v/b.avi"));
    QCOMPARE(MainForm->ProbeLength, QString());
    QCOMPARE(MainForm->ProbeFrameSize, QString());
    QCOMPARE(MainForm->ProbeStart, QStringLiteral("00:00:00.0"));
    QCOMPARE(MainForm->ProbeEnd, QString());
    QVERIFY(fakePlatform().plainMessages.isEmpty());
}

void TestProbe::lateEncoderIsEnded_data()
{
    QTest::addColumn<QString>("script");
    QTest::newRow("silent") << print(Report) + QStringLiteral("hang\n");
    // Output that never pauses must not keep the probe alive either.
    QString chatty = print(Report);
    for (int i = 0; i < 1000; ++i)
        chatty += QStringLiteral("print frame\\n\nsleep 10\n");
    QTest::newRow("chatty") << chatty;
}

void TestProbe::lateEncoderIsEnded()
{
    QFETCH(QString, script);
    m_fake->setScript(script);
    MainForm->ProbeTimeoutMs = 300;
    QElapsedTimer timer;
    timer.start();
    MainForm->ProbeMedia(QStringLiteral("/v/a.avi"));
    QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(MainForm->Encoder->Finished());
    QCOMPARE(MainForm->ProbeLength, QStringLiteral("00:01:23.45"));
    QCOMPARE(MainForm->ProbeFrameSize, QStringLiteral(" 640x480 [SAR 1:1 DAR 4:3]"));
}

void TestProbe::realEncoder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QString>("frameSize"); // a pattern
    QTest::newRow("AVI") << "clip.avi" << 2.0 << R"(^ 320x240( \[.*\])?$)";
    QTest::newRow("blanks, quote, non-ASCII letters")
            << "clip \"ä ö\" é.avi" << 2.0 << R"(^ 320x240( \[.*\])?$)";
    QTest::newRow("colour tags") << "colour.mp4" << 1.0 << R"(^ 320x240( \[.*\])?$)";
    QTest::newRow("sound only") << "sound.mp4" << 1.0 << "^ 44100 Hz$";
}

void TestProbe::realEncoder()
{
    QFETCH(QString, name);
    QFETCH(double, seconds);
    QFETCH(QString, frameSize);
    if (!m_clipError.isEmpty())
        QSKIP(qPrintable(m_clipError));
    QVERIFY(m_folder->installRealEncoder());
    const QString path = QDir::toNativeSeparators(m_clips.filePath(name));
    MainForm->AddTask(path);
    QCOMPARE(MainForm->ltvTaskItems->Count(), 1);
    const QString length = MainForm->ltvTaskItems->SubItem(0, 0);
    QVERIFY2(QRegularExpression(QStringLiteral(R"(^\d\d:\d\d:\d\d\.\d\d$)"))
                     .match(length)
                     .hasMatch(),
             qPrintable(length));
    QVERIFY2(qAbs(TimeCodeToSeconds(length) - seconds) < 0.1, qPrintable(length));
    const QString size = MainForm->ltvTaskItems->SubItem(0, 1);
    QVERIFY2(QRegularExpression(frameSize).match(size).hasMatch(), qPrintable(size));
}

VANTREL_TEST_MAIN(TestProbe)
#include "tst_probe.moc"
