#include "testmain.h"

#include "app/application.h"
#include "programfolder.h"
#include "settings/settingform.h"
#include "tasks/tasklistmodel.h"
#include "tasks/taskrecord.h"
#include "tasks/timecode.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>

// A batch converted by the real encoder with the shipped default profile.
class TestRealRun : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void batchWithTheDefaultProfile();

private:
    QTemporaryDir m_media;
    QStringList m_clips;
};

void TestRealRun::initTestCase()
{
    const QString ffmpeg = systemFfmpeg();
    if (ffmpeg.isEmpty())
        QSKIP("needs ffmpeg");
    QVERIFY(m_media.isValid());
    // A blank in a name must survive the command line.
    for (const QString &name :
         {QStringLiteral("clip one.avi"), QStringLiteral("two.avi"), QStringLiteral("three.avi")}) {
        const QString path = QDir::toNativeSeparators(m_media.filePath(name));
        QProcess make;
        make.setProcessChannelMode(QProcess::MergedChannels);
        make.start(ffmpeg,
                   {"-v", "error", "-f", "lavfi", "-i", "testsrc=duration=2:size=160x120:rate=25",
                    "-f", "lavfi", "-i", "sine=frequency=440:duration=2", "-c:v", "mpeg4", "-c:a",
                    "mp2", "-shortest", path});
        QVERIFY(make.waitForFinished(30000));
        QVERIFY2(make.exitCode() == 0, make.readAll().constData());
        m_clips << path;
    }
}

void TestRealRun::batchWithTheDefaultProfile()
{
    fakePlatform().reset();
    ProgramFolder folder;
    QVERIFY(folder.installRealEncoder());
    folder.installShippedProfiles();
    QTemporaryDir output;
    QVERIFY(output.isValid());
    ProgramWindows windows(StartupInfo {folder.programFile(), {}});
    MainForm->show();
    const int profile = MainForm->cmbProfile->findText(QStringLiteral("01 MP4 - H264 AAC"));
    QVERIFY(profile >= 0);
    MainForm->cmbProfile->setCurrentIndex(profile);
    MainForm->cmbProfileChange();
    QCOMPARE(MainForm->ProfileExt, QStringLiteral(".mp4"));
    MainForm->edtOutputdir->setText(QDir::toNativeSeparators(output.path()));
    SettingForm->chkOpenDir->setChecked(false);
    SettingForm->chkExit->setChecked(false);
    SettingForm->chkTurnoff->setChecked(false);

    for (const QString &clip : std::as_const(m_clips))
        MainForm->AddTask(clip);
    QCOMPARE(MainForm->ltvTaskItems->Count(), 3);
    // The second task only from 0.5 s to 1.5 s.
    ltvItemData task;
    ReadTask(*MainForm->ltvTaskItems, 1, tfAll, task);
    QVERIFY(qAbs(task.DurationSec - 2.0) < 0.1);
    task.ClipStartTime = QStringLiteral("00:00:00.5");
    task.ClipEndTime = QStringLiteral("00:00:01.5");
    task.ClipDuration = QStringLiteral("00:00:01");
    WriteTask(*MainForm->ltvTaskItems, 1, tfAll, task);

    MainForm->tbtnStartClick();

    QStringList statuses;
    for (int row = 0; row < 3; ++row)
        statuses << MainForm->ltvTaskItems->SubItem(row, tfStatus);
    QCOMPARE(statuses, QStringList({"Complete", "Complete", "Complete"}));
    QCOMPARE(fakePlatform().messages.size(), 1);
    QCOMPARE(fakePlatform().messages.at(0).text,
             QStringLiteral("The coversion is completed successfully."));

    // Each output is a video of its clip's length, as the encoder's own probe reads it.
    const QStringList names = {"clip one.mp4", "two.mp4", "three.mp4"};
    const double lengths[] = {2.0, 1.0, 2.0};
    for (int i = 0; i < 3; ++i) {
        const QString path = QDir::toNativeSeparators(output.filePath(names.at(i)));
        QVERIFY2(QFileInfo(path).size() > 0, qPrintable(path));
        MainForm->ProbeMedia(path);
        QVERIFY2(MainForm->ProbeFrameSize.trimmed().startsWith(QLatin1String("160x120")),
                 qPrintable(MainForm->ProbeFrameSize));
        const double length = TimeCodeToSeconds(MainForm->ProbeLength);
        QVERIFY2(qAbs(length - lengths[i]) < 0.15,
                 qPrintable(names.at(i) + QStringLiteral(": ") + MainForm->ProbeLength));
    }
}

VANTREL_TEST_MAIN(TestRealRun)
#include "tst_realrun.moc"
