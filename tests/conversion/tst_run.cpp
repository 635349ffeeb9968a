#include "testmain.h"

#include "../tools/fakeencodercontrol.h"
#include "app/application.h"
#include "conversion/encoder.h"
#include "profiles/valuelisteditor.h"
#include "programfolder.h"
#include "settings/settingform.h"
#include "tasks/tasklistmodel.h"
#include "tasks/tasklistview.h"
#include "tasks/taskrecord.h"
#include "tasks/timecode.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>

namespace {

// One list parameter, so that the arguments show which grid text the run took.
const QByteArray TestProfile = "[Main]\r\nType=mp4\r\nPara=1\r\n0=Video Codec\r\n"
                               "[Video Codec]\r\nSort=1\r\nReadOnly=0\r\ncmd=-vcodec\r\nList=1\r\n"
                               "Caption=H264,Copy,\r\nValue=libx264,copy,\r\nIndex=1\r\n";

// An encoder's report: two lines of heading, then one progress line per time, each a piece of
// its own; `tail` comes before the output file is written, `end` after it.
QString reportScript(const QStringList &times, const QString &tail = {}, bool heading = true,
                     const QString &end = {})
{
    QString script;
    if (heading) {
        script += QStringLiteral("print Input #0, avi, from '{input}':\\n\nsleep 40\n"
                                 "print   Stream #0:0: Video: h264\\n\nsleep 40\n");
    }
    for (const QString &time : times) {
        script += QStringLiteral("print frame=   10 fps=0.0 q=29.0 size=       1kB time=%1 "
                                 "bitrate= 1.0kbits/s speed=1x\\r\nsleep 40\n")
                          .arg(time);
    }
    return script + tail + QStringLiteral("touch\n") + end;
}

// Calls `action` once from inside the run, when `ready` has held for `delayMs`: with a delay,
// while the encoder is silent, so only a run that serves the window while it waits sees it.
class DuringRun
{
public:
    DuringRun(std::function<bool()> ready, std::function<void()> action, int delayMs = 0)
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this, ready, action, delayMs] {
            if (m_done || !ready())
                return;
            if (!m_since.isValid())
                m_since.start();
            if (m_since.elapsed() >= delayMs) {
                m_done = true;
                action();
            }
        });
        m_timer.start();
    }
    bool done() const { return m_done; }

private:
    QTimer m_timer;
    QElapsedTimer m_since;
    bool m_done = false;
};

QString status(int row)
{
    return MainForm->ltvTaskItems->SubItem(row, tfStatus);
}

QStringList statuses()
{
    QStringList result;
    for (int row = 0; row < MainForm->ltvTaskItems->Count(); ++row)
        result << status(row);
    return result;
}

struct Box
{
    QString caption;
    QString text;
};

QList<Box> boxes()
{
    QList<Box> result;
    for (const FakePlatform::Message &message : std::as_const(fakePlatform().messages)) {
        if (message.owner != MainForm || message.icon != Platform::MessageIcon::Information
            || message.buttons != Platform::MessageButtons::Ok)
            result << Box {QStringLiteral("(wrong kind)"), message.text};
        else
            result << Box {message.caption, message.text};
    }
    return result;
}

bool controlsLocked()
{
    for (QWidget *control : std::initializer_list<QWidget *> {
                 MainForm->sbtnAddFile, MainForm->sbtnAddDir, MainForm->sbtnUp, MainForm->sbtnDown,
                 MainForm->sbtnDelete, MainForm->sbtnClear, MainForm->sbtnOptions,
                 MainForm->ltvTask}) {
        if (control->isEnabled())
            return false;
    }
    return MainForm->imgStart->isHidden() && !MainForm->imgStop->isHidden();
}

bool controlsUnlocked()
{
    for (QWidget *control : std::initializer_list<QWidget *> {
                 MainForm->sbtnAddFile, MainForm->sbtnAddDir, MainForm->sbtnUp, MainForm->sbtnDown,
                 MainForm->sbtnDelete, MainForm->sbtnClear, MainForm->sbtnOptions,
                 MainForm->ltvTask}) {
        if (!control->isEnabled())
            return false;
    }
    return !MainForm->imgStart->isHidden() && MainForm->imgStop->isHidden();
}

bool idlePanelShown()
{
    return !MainForm->panBottomCenter->isHidden() && MainForm->panBottomLeft->isHidden();
}

} // namespace

class TestRun : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void fullRun();
    void stopDuringTheSecondOfThree();
    void stopBetweenTwoTasks();
    void startRefused_data();
    void startRefused();
    void startIgnoredWhileRunning();
    void bars_data();
    void bars();
    void outputNames_data();
    void outputNames();
    void failedTasks_data();
    void failedTasks();
    void encoderFailsToStart();
    void endActions_data();
    void endActions();
    void closeDuringRun();
    void clockFollowsRealTimeWhileTheEncoderIsSilent();
    void clockTick_data();
    void clockTick();
    void progressPanelLayout();

private:
    void start();
    QString input(const QString &name) const { return m_media.filePath(name); }
    // A task straight into the list, as adding it with a probe would leave it.
    void addTask(const QString &path, const QString &length = QStringLiteral("00:00:10"));
    void addTasks(const QStringList &names);
    // Starts the run and returns when it has ended, failing the test if it hangs.
    void run();
    QString outputOfRun(int run) const;

    QTemporaryDir m_media;
    std::unique_ptr<FakeEncoderControl> m_fake;
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<ProgramWindows> m_windows;
    QString m_output;
};

void TestRun::initTestCase()
{
    QVERIFY(m_media.isValid());
    for (const char *name : {"one.avi", "two.avi", "three.avi", "bad.avi", "good.avi"}) {
        QFile file(input(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
}

void TestRun::init()
{
    fakePlatform().reset();
    m_fake = std::make_unique<FakeEncoderControl>();
    QVERIFY2(m_fake->isValid(), "the fake encoder is built with the tests");
    m_folder = std::make_unique<ProgramFolder>();
    QVERIFY(m_folder->installEncoder(FakeEncoderControl::program()));
    m_folder->writeFile(QStringLiteral("Profiles/Test.apf"), TestProfile);
    QVERIFY(QDir().mkpath(m_folder->filePath(QStringLiteral("out"))));
    m_output = m_folder->filePath(QStringLiteral("out")) + QDir::separator();
}

void TestRun::cleanup()
{
    m_windows.reset();
    m_folder.reset();
    m_fake.reset();
}

void TestRun::start()
{
    m_windows = std::make_unique<ProgramWindows>(StartupInfo {m_folder->programFile(), {}});
    MainForm->show();
    MainForm->cmbProfile->setCurrentIndex(MainForm->cmbProfile->findText(QStringLiteral("Test")));
    MainForm->cmbProfileChange();
    QCOMPARE(MainForm->ProfileExt, QStringLiteral(".mp4"));
    MainForm->edtOutputdir->setText(m_output);
    // Choices the tests rely on unless they set them.
    SettingForm->chkOpenDir->setChecked(false);
    SettingForm->chkExit->setChecked(false);
    SettingForm->chkTurnoff->setChecked(false);
    SettingForm->rdbOverWrite->setChecked(true);
}

void TestRun::addTask(const QString &path, const QString &length)
{
    ltvItemData task;
    task.InputFile = path;
    task.Duration = length;
    task.FrameSize = QStringLiteral("160x120");
    task.Status = QStringLiteral("OK");
    task.NewFileName = QFileInfo(path).completeBaseName();
    task.OutputExt = MainForm->ProfileExt;
    task.FileStartTime = QStringLiteral("00:00:00.0");
    task.FileEndTime = length;
    task.ClipDuration = length;
    task.ClipStartTime = QStringLiteral("00:00:00.0");
    task.ClipEndTime = length;
    const int row = MainForm->ltvTaskItems->AddRow(path);
    WriteTask(*MainForm->ltvTaskItems, row, tfAll, task);
}

void TestRun::addTasks(const QStringList &names)
{
    for (const QString &name : names)
        addTask(input(name));
}

void TestRun::run()
{
    // Should the run not end, its encoder is ended for it, and the test fails below.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { MainForm->TerminateEncoder(); });
    watchdog.start(20000);
    QElapsedTimer timer;
    timer.start();
    MainForm->tbtnStartClick();
    QVERIFY2(timer.elapsed() < 15000, "the run ended in time");
}

QString TestRun::outputOfRun(int run) const
{
    const QList<QStringList> runs = m_fake->runs();
    return run < runs.size() && !runs.at(run).isEmpty() ? runs.at(run).last() : QString();
}

void TestRun::fullRun()
{
    start();
    addTasks({QStringLiteral("one.avi"), QStringLiteral("two.avi"), QStringLiteral("three.avi")});
    MainForm->vleVideo->SetValues(QStringLiteral("Video Codec"), QStringLiteral("h264"));
    m_fake->setScript(reportScript({QStringLiteral("00:00:05.00"), QStringLiteral("00:00:10.00"),
                                    QStringLiteral("00:00:10.00")}));
    bool lockedAtTheEnd = false;
    QString convertingAtTheEnd;
    fakePlatform().onMessage = [&](const FakePlatform::Message &) {
        lockedAtTheEnd = controlsLocked() && !MainForm->panBottomLeft->isHidden()
                && MainForm->panBottomCenter->isHidden();
        convertingAtTheEnd = MainForm->labConvertingFile->text();
    };
    run();

    QCOMPARE(statuses(), QStringList({"Complete", "Complete", "Complete"}));
    QCOMPARE(boxes().size(), 1);
    QCOMPARE(boxes().at(0).caption, QStringLiteral("Complete"));
    QCOMPARE(boxes().at(0).text, QStringLiteral("The coversion is completed successfully."));
    QVERIFY(fakePlatform().shellOpens.isEmpty());
    QVERIFY(fakePlatform().plainMessages.isEmpty());
    QVERIFY2(lockedAtTheEnd, "the controls stay locked and the progress panel shown to the end");
    QCOMPARE(convertingAtTheEnd, QStringLiteral("three.avi"));

    // Each task's own command line, the grid's choice looked up among the profile's captions.
    const QList<QStringList> runs = m_fake->runs();
    QCOMPARE(runs.size(), 3);
    QCOMPARE(runs.at(1),
             QStringList({"-y", "-i", input(QStringLiteral("two.avi")), "-vcodec", "libx264",
                          m_output + QStringLiteral("two.mp4")}));

    QCOMPARE(MainForm->pgbCurrent->value(), 100);
    QCOMPARE(MainForm->labCurProgress->text(), QStringLiteral("100%"));
    QCOMPARE(MainForm->pgbTotal->value(), 100);
    QCOMPARE(MainForm->labTotalProgress->text(), QStringLiteral("100%"));
    QCOMPARE(MainForm->RunState, 0);
    QVERIFY(!MainForm->timerTime->isActive());
    QVERIFY(idlePanelShown());
    QVERIFY(controlsUnlocked());
    QVERIFY(MainForm->ltvTaskItems->Hint(0).isEmpty());
}

void TestRun::stopDuringTheSecondOfThree()
{
    start();
    addTasks({QStringLiteral("one.avi"), QStringLiteral("two.avi"), QStringLiteral("three.avi")});
    // The second encoder stays silent for longer than the whole test may take.
    m_fake->setScript(reportScript({QStringLiteral("00:00:05.00"), QStringLiteral("00:00:05.00")},
                                   QStringLiteral("ifinput two sleep 8000\n")));
    bool imagesSwapped = false;
    DuringRun stop(
            [] {
                return status(1) == QLatin1String("Converting")
                        && MainForm->pgbCurrent->value() == 50;
            },
            [&] {
                MainForm->imgStopClick();
                imagesSwapped = !MainForm->imgStart->isHidden() && MainForm->imgStop->isHidden();
            },
            300);
    QElapsedTimer timer;
    timer.start();
    run();

    QVERIFY(stop.done());
    QVERIFY(imagesSwapped);
    QVERIFY2(timer.elapsed() < 5000, "the stop ended the silent encoder at once");
    QCOMPARE(statuses(), QStringList({"Complete", "Stop", "OK"}));
    QCOMPARE(m_fake->runs().size(), 2);
    QCOMPARE(boxes().size(), 1);
    QCOMPARE(boxes().at(0).caption, QStringLiteral("Cancel"));
    QCOMPARE(boxes().at(0).text, QStringLiteral("The Coversion is canceled."));
    QVERIFY(fakePlatform().shellOpens.isEmpty());
    QCOMPARE(fakePlatform().powerOffCount, 0);
    QCOMPARE(MainForm->RunState, 0);
    QVERIFY(MainForm->Encoder->Finished());
    QVERIFY(idlePanelShown());
    QVERIFY(controlsUnlocked());
    QVERIFY(!MainForm->timerTime->isActive());
}

void TestRun::stopBetweenTwoTasks()
{
    start();
    addTasks({QStringLiteral("one.avi"), QStringLiteral("two.avi"), QStringLiteral("three.avi")});
    m_fake->setScript(reportScript({QStringLiteral("00:00:10.00")}));
    // Posted when the first task is done, so it is handled before the second one begins.
    QObject::connect(MainForm->ltvTaskItems, &QAbstractItemModel::dataChanged, MainForm, [] {
        if (status(0) == QLatin1String("Complete") && status(1) == QLatin1String("OK"))
            QTimer::singleShot(0, MainForm, [] { MainForm->imgStopClick(); });
    });
    run();

    // The stopped task's encoder never started.
    QCOMPARE(m_fake->runs().size(), 1);
    QCOMPARE(statuses(), QStringList({"Complete", "Stop", "OK"}));
    QCOMPARE(boxes().size(), 1);
    QCOMPARE(boxes().at(0).text, QStringLiteral("The Coversion is canceled."));
    QCOMPARE(MainForm->RunState, 0);
    QVERIFY(idlePanelShown());
    QVERIFY(controlsUnlocked());
}

void TestRun::startRefused_data()
{
    QTest::addColumn<bool>("folderExists");
    QTest::addColumn<bool>("withTask");
    QTest::addColumn<bool>("byImage");
    QTest::addColumn<bool>("message");

    QTest::newRow("missing folder") << false << true << false << true;
    QTest::newRow("missing folder, by the image") << false << true << true << true;
    QTest::newRow("missing folder, empty list") << false << false << false << true;
    QTest::newRow("empty list") << true << false << false << false;
    QTest::newRow("empty list, by the image") << true << false << true << false;
    QTest::newRow("missing folder, empty list, by the image") << false << false << true << false;
}

void TestRun::startRefused()
{
    QFETCH(bool, folderExists);
    QFETCH(bool, withTask);
    QFETCH(bool, byImage);
    QFETCH(bool, message);
    start();
    MainForm->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(MainForm));
    if (!folderExists)
        MainForm->edtOutputdir->setText(m_output + QStringLiteral("missing"));
    if (withTask)
        addTasks({QStringLiteral("one.avi")});
    if (byImage)
        MainForm->imgStartClick();
    else
        MainForm->tbtnStartClick();

    QVERIFY(m_fake->runs().isEmpty());
    QCOMPARE(statuses(), QStringList(withTask ? QStringList({"OK"}) : QStringList()));
    QCOMPARE(MainForm->RunState, 0);
    QVERIFY(idlePanelShown());
    QVERIFY(controlsUnlocked());
    QCOMPARE(boxes().size(), message ? 1 : 0);
    if (message) {
        QCOMPARE(boxes().at(0).caption, QStringLiteral("Output path does not exist"));
        QCOMPARE(boxes().at(0).text,
                 QStringLiteral("The output path does not exist. Please specify another one."));
        QCOMPARE(QApplication::focusWidget(), MainForm->edtOutputdir);
    }
}

void TestRun::startIgnoredWhileRunning()
{
    start();
    addTasks({QStringLiteral("one.avi"), QStringLiteral("two.avi")});
    m_fake->setScript(reportScript({QStringLiteral("00:00:10.00"), QStringLiteral("00:00:10.00")}));
    DuringRun again([] { return status(0) == QLatin1String("Converting"); },
                    [] {
                        MainForm->tbtnStartClick();
                        MainForm->imgStartClick();
                    });
    run();

    QVERIFY(again.done());
    QCOMPARE(m_fake->runs().size(), 2);
    QCOMPARE(statuses(), QStringList({"Complete", "Complete"}));
    QCOMPARE(boxes().size(), 1);
    QCOMPARE(boxes().at(0).text, QStringLiteral("The coversion is completed successfully."));
    QVERIFY(controlsUnlocked());
}

void TestRun::bars_data()
{
    QTest::addColumn<QStringList>("lengths");
    QTest::addColumn<QStringList>("times");
    QTest::addColumn<bool>("heading");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("total");

    const QString ten = QStringLiteral("00:00:10");
    const QString zero = QStringLiteral("00:00:00");
    QTest::newRow("past the clip length")
            << QStringList {ten} << QStringList {"00:00:04.00", "00:00:15.00", "00:00:15.00"}
            << true << 100 << 100;
    QTest::newRow("back in time ignored")
            << QStringList {ten} << QStringList {"00:00:06.00", "00:00:06.00", "00:00:03.00"}
            << true << 60 << 60;
    QTest::newRow("decimal seconds")
            << QStringList {ten} << QStringList {"2.5", "2.5"} << true << 25 << 25;
    QTest::newRow("first two pieces skipped")
            << QStringList {ten}
            << QStringList {"00:00:09.00", "00:00:09.00", "00:00:02.00", "00:00:02.00"} << false
            << 20 << 20;
    QTest::newRow("half to even") << QStringList {QStringLiteral("00:00:04")}
                                  << QStringList {"00:00:00.50", "00:00:00.50"} << true << 12 << 12;
    QTest::newRow("clip length 0")
            << QStringList {zero} << QStringList {"00:00:05.00", "00:00:05.00"} << true << 0 << 0;
    QTest::newRow("second clip length 0: the total still moves")
            << QStringList {ten, zero} << QStringList {"00:00:05.00", "00:00:05.00"} << true << 0
            << 100;
    QTest::newRow("all clip lengths 0")
            << QStringList {zero, zero} << QStringList {"00:00:05.00", "00:00:05.00"} << true << 0
            << 0;
    // A length the probe could not read counts as none, not as -1 seconds.
    QTest::newRow("unknown length")
            << QStringList {QString(), ten} << QStringList {"00:00:05.00", "00:00:05.00"} << true
            << 50 << 50;
}

void TestRun::bars()
{
    QFETCH(QStringList, lengths);
    QFETCH(QStringList, times);
    QFETCH(bool, heading);
    QFETCH(int, current);
    QFETCH(int, total);
    start();
    const QStringList names = {QStringLiteral("one.avi"), QStringLiteral("two.avi")};
    for (int i = 0; i < lengths.size(); ++i)
        addTask(input(names.at(i)), lengths.at(i));
    m_fake->setScript(reportScript(times, QString(), heading));
    run();

    QCOMPARE(MainForm->pgbCurrent->value(), current);
    QCOMPARE(MainForm->labCurProgress->text(), QString::number(current) + QLatin1Char('%'));
    QCOMPARE(MainForm->pgbTotal->value(), total);
    QCOMPARE(MainForm->labTotalProgress->text(), QString::number(total) + QLatin1Char('%'));
    QCOMPARE(statuses(), QStringList(lengths.size(), QStringLiteral("Complete")));
}

void TestRun::outputNames_data()
{
    QTest::addColumn<bool>("rename");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<bool>("folderWithSeparator");
    QTest::addColumn<bool>("thirdInputInOutput");
    QTest::addColumn<QString>("output");

    QTest::newRow("new file") << true << QStringList() << true << false << "three.mp4";
    QTest::newRow("overwrite") << false << QStringList {"three.mp4"} << true << false
                               << "three.mp4";
    QTest::newRow("rename: indexed by place in the list")
            << true << QStringList {"three.mp4"} << true << false << "three_3.mp4";
    QTest::newRow("rename: indexed name taken too")
            << true << QStringList {"three.mp4", "three_3.mp4"} << true << false << "three_3_2.mp4";
    QTest::newRow("folder without separator")
            << false << QStringList() << false << false << "three.mp4";
    QTest::newRow("output is the input, overwrite chosen")
            << false << QStringList() << true << true << "three_3.mp4";
}

void TestRun::outputNames()
{
    QFETCH(bool, rename);
    QFETCH(QStringList, existing);
    QFETCH(bool, folderWithSeparator);
    QFETCH(bool, thirdInputInOutput);
    QFETCH(QString, output);
    start();
    for (const QString &name : existing)
        m_folder->writeFile(QStringLiteral("out/") + name, "old");
    if (thirdInputInOutput)
        m_folder->writeFile(QStringLiteral("out/three.mp4"), "input");
    addTasks({QStringLiteral("one.avi"), QStringLiteral("two.avi")});
    addTask(thirdInputInOutput ? m_output + QStringLiteral("three.mp4")
                               : input(QStringLiteral("three.avi")));
    SettingForm->rdbRename->setChecked(rename);
    SettingForm->rdbOverWrite->setChecked(!rename);
    if (!folderWithSeparator)
        MainForm->edtOutputdir->setText(m_output.chopped(1));
    m_fake->setScript(reportScript({QStringLiteral("00:00:10.00"), QStringLiteral("00:00:10.00")}));
    run();

    QCOMPARE(outputOfRun(2), m_output + output);
    QCOMPARE(outputOfRun(0), m_output + QStringLiteral("one.mp4"));
    QCOMPARE(statuses(), QStringList({"Complete", "Complete", "Complete"}));
    for (const QString &name : existing) {
        if (name != output)
            QCOMPARE(m_folder->readFile(QStringLiteral("out/") + name), QByteArray("old"));
    }
    if (thirdInputInOutput)
        QCOMPARE(m_folder->readFile(QStringLiteral("out/three.mp4")), QByteArray("input"));
}

void TestRun::failedTasks_data()
{
    QTest::addColumn<QString>("tail");
    QTest::addColumn<QString>("end");

    QTest::newRow("exit code") << QString() << QStringLiteral("ifinput bad exit 1\n");
    QTest::newRow("crash") << QString() << QStringLiteral("ifinput bad crash\n");
    QTest::newRow("no output file") << QStringLiteral("ifinput bad exit 0\n") << QString();
}

void TestRun::failedTasks()
{
    QFETCH(QString, tail);
    QFETCH(QString, end);
    start();
    addTasks({QStringLiteral("bad.avi"), QStringLiteral("good.avi")});
    QString lines;
    for (int line = 1; line <= 12; ++line)
        lines += QStringLiteral("ifinput bad stderr reason %1\\n\n").arg(line);
    m_fake->setScript(reportScript({QStringLiteral("00:00:10.00"), QStringLiteral("00:00:10.00")},
                                   lines + tail, true, end));
    run();

    QCOMPARE(statuses(), QStringList({"Failed", "Complete"}));
    QStringList reasons;
    for (int line = 3; line <= 12; ++line)
        reasons << QStringLiteral("reason %1").arg(line);
    QCOMPARE(MainForm->ltvTaskItems->Hint(0), reasons.join(QLatin1Char('\n')));
    QCOMPARE(MainForm->ltvTaskItems->data(MainForm->ltvTaskItems->index(0, 0), Qt::ToolTipRole)
                     .toString(),
             reasons.join(QLatin1Char('\n')));
    QVERIFY(MainForm->ltvTaskItems->Hint(1).isEmpty());
    // The failed task's length still counts as done.
    QCOMPARE(MainForm->pgbTotal->value(), 100);
    QCOMPARE(boxes().size(), 1);
    QCOMPARE(boxes().at(0).caption, QStringLiteral("Complete"));
    QCOMPARE(boxes().at(0).text,
             QStringLiteral("The conversion is finished, but 1 of 2 tasks failed."));
    QVERIFY(idlePanelShown());
}

void TestRun::encoderFailsToStart()
{
    start();
    addTasks({QStringLiteral("one.avi"), QStringLiteral("two.avi")});
    QVERIFY(QFile::remove(m_folder->filePath(QStringLiteral("vezizi.dll"))));
    run();

    QCOMPARE(fakePlatform().plainMessages, QStringList({"Error on CreateProcess()"}));
    QVERIFY(fakePlatform().messages.isEmpty());
    QCOMPARE(statuses(), QStringList({"Failed", "OK"}));
    QCOMPARE(MainForm->RunState, 0);
    QVERIFY(!MainForm->timerTime->isActive());
    QVERIFY(idlePanelShown());
    QVERIFY(controlsUnlocked());
    QVERIFY(fakePlatform().shellOpens.isEmpty());
    QCOMPARE(fakePlatform().powerOffCount, 0);
    QVERIFY(MainForm->isVisible());
}

void TestRun::endActions_data()
{
    QTest::addColumn<bool>("turnOff");
    QTest::addColumn<bool>("exit");
    QTest::addColumn<bool>("openDir");

    for (int choice = 0; choice < 8; ++choice) {
        const bool turnOff = choice & 4;
        const bool exit = choice & 2;
        const bool openDir = choice & 1;
        QStringList name;
        if (turnOff)
            name << QStringLiteral("turn off");
        if (exit)
            name << QStringLiteral("exit");
        if (openDir)
            name << QStringLiteral("open folder");
        QTest::newRow(name.isEmpty() ? "none" : qPrintable(name.join(QLatin1String(", "))))
                << turnOff << exit << openDir;
    }
}

void TestRun::endActions()
{
    QFETCH(bool, turnOff);
    QFETCH(bool, exit);
    QFETCH(bool, openDir);
    start();
    addTasks({QStringLiteral("one.avi")});
    SettingForm->chkTurnoff->setChecked(turnOff);
    SettingForm->chkExit->setChecked(exit);
    SettingForm->chkOpenDir->setChecked(openDir);
    m_fake->setScript(reportScript({QStringLiteral("00:00:10.00")}));
    int opensBeforeMessage = -1;
    fakePlatform().onMessage = [&](const FakePlatform::Message &) {
        opensBeforeMessage = int(fakePlatform().shellOpens.size());
    };
    run();

    const bool closes = turnOff || exit;
    QCOMPARE(fakePlatform().powerOffCount, turnOff ? 1 : 0);
    QCOMPARE(MainForm->isVisible(), !closes);
    QCOMPARE(boxes().size(), closes ? 0 : 1);
    if (!closes) {
        QCOMPARE(boxes().at(0).caption, QStringLiteral("Complete"));
        QCOMPARE(opensBeforeMessage, 0);
    }
    QCOMPARE(fakePlatform().shellOpens,
             openDir && !closes ? QStringList({m_output}) : QStringList());
    // Closing leaves the run's state as it was; the program ends anyway.
    QCOMPARE(MainForm->RunState, closes ? 1 : 0);
    QCOMPARE(idlePanelShown(), !closes);
    QVERIFY(!MainForm->timerTime->isActive());
    QVERIFY(controlsUnlocked());
    QCOMPARE(statuses(), QStringList({"Complete"}));
}

void TestRun::closeDuringRun()
{
    start();
    addTasks({QStringLiteral("one.avi"), QStringLiteral("two.avi"), QStringLiteral("three.avi")});
    SettingForm->chkExit->setChecked(true);
    m_fake->setScript(reportScript({QStringLiteral("00:00:05.00"), QStringLiteral("00:00:05.00")},
                                   QStringLiteral("ifinput two sleep 8000\n")));
    DuringRun close(
            [] {
                return status(1) == QLatin1String("Converting")
                        && MainForm->pgbCurrent->value() == 50;
            },
            [] { MainForm->close(); }, 300);
    QElapsedTimer timer;
    timer.start();
    run();

    QVERIFY(close.done());
    QVERIFY2(timer.elapsed() < 5000, "the close ended the silent encoder at once");
    QVERIFY(!MainForm->isVisible());
    QCOMPARE(statuses(), QStringList({"Complete", "Stop", "OK"}));
    QCOMPARE(m_fake->runs().size(), 2);
    QVERIFY(MainForm->Encoder->Finished());
    QVERIFY(fakePlatform().messages.isEmpty());
    QCOMPARE(fakePlatform().powerOffCount, 0);
    QCOMPARE(MainForm->RunState, 0);
    QVERIFY(!MainForm->timerTime->isActive());
    // The close went on as usual and saved the preferences, the choices of the moment included.
    QVERIFY(m_folder->readFile(QStringLiteral("Preferences.ini")).contains("Auto Exit=1"));
}

void TestRun::clockFollowsRealTimeWhileTheEncoderIsSilent()
{
    start();
    addTasks({QStringLiteral("one.avi")});
    m_fake->setScript(QStringLiteral("print Input #0\\n\nsleep 2400\n")
                      + reportScript({QStringLiteral("00:00:10.00")}));
    int elapsedBeforeOutput = -1;
    DuringRun watch([] { return MainForm->pgbCurrent->value() > 0; },
                    [&] { elapsedBeforeOutput = MainForm->ElapsedSeconds; });
    run();

    QVERIFY2(elapsedBeforeOutput >= 2, "the clock ticked while the encoder was silent");
    QCOMPARE(MainForm->labElapsed->text(), SecondsToTimeCode(MainForm->ElapsedSeconds));
}

void TestRun::clockTick_data()
{
    QTest::addColumn<int>("elapsedBefore");
    QTest::addColumn<int>("totalBar");
    QTest::addColumn<int>("remainingBefore");
    QTest::addColumn<QString>("elapsed");
    QTest::addColumn<QString>("remaining");

    QTest::newRow("first tick") << 0 << 0 << 0 << "00:00:01"
                                << "00:00:00";
    QTest::newRow("50 % after 40 ticks") << 39 << 50 << 0 << "00:00:40"
                                         << "00:00:40";
    QTest::newRow("25 % after 30 ticks") << 29 << 25 << 0 << "00:00:30"
                                         << "00:01:30";
    QTest::newRow("all done") << 99 << 100 << 7 << "00:01:40"
                              << "00:00:00";
    QTest::newRow("nothing done keeps the estimate") << 74 << 0 << 12 << "00:01:15"
                                                     << "00:00:12";
    QTest::newRow("hours") << 3599 << 10 << 0 << "01:00:00"
                           << "09:00:00";
}

void TestRun::clockTick()
{
    QFETCH(int, elapsedBefore);
    QFETCH(int, totalBar);
    QFETCH(int, remainingBefore);
    start();
    MainForm->ElapsedSeconds = elapsedBefore;
    MainForm->RemainingSeconds = remainingBefore;
    MainForm->pgbTotal->setValue(totalBar);
    MainForm->timerTimeTimer();
    QTEST(MainForm->labElapsed->text(), "elapsed");
    QTEST(MainForm->labRemaining->text(), "remaining");
}

void TestRun::progressPanelLayout()
{
    start();
    QWidget *panel = MainForm->panBottomLeft;
    QStringList captions;
    for (const QLabel *label : panel->findChildren<QLabel *>()) {
        if (label->objectName().isEmpty())
            captions << label->text();
    }
    captions.sort();
    QCOMPARE(
            captions,
            QStringList({"Converting:", "Current:", "Time Elapsed:", "Time Remaining:", "Total:"}));
    QCOMPARE(MainForm->labConvertingFile->geometry().topLeft(), QPoint(75, 12));
    QCOMPARE(MainForm->labConvertingFile->width(), 249);
    QCOMPARE(MainForm->labConvertingFile->text(), QStringLiteral("No File"));
    QCOMPARE(MainForm->labElapsed->pos(), QPoint(407, 12));
    QCOMPARE(MainForm->labRemaining->pos(), QPoint(567, 12));
    QCOMPARE(MainForm->pgbCurrent->geometry(), QRect(58, 42, 210, 17));
    QCOMPARE(MainForm->pgbTotal->geometry(), QRect(348, 42, 210, 17));
    QCOMPARE(MainForm->labCurProgress->pos().x(), 273);
    QCOMPARE(MainForm->labTotalProgress->pos().x(), 565);
    QCOMPARE(MainForm->timerTime->interval(), 1000);
    QVERIFY(!MainForm->timerTime->isActive());
    QVERIFY(idlePanelShown());
}

VANTREL_TEST_MAIN(TestRun)
#include "tst_run.moc"
