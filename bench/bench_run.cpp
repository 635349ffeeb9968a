// What the conversion run costs on top of the encoder: a batch converted through the run
// against the same command lines run straight, one after the other, and the window thread's
// processor time during the run as a share of the encoders'.
//
// Usage: bench_run [number of clips, default 8] [seconds per clip, default 3] [rounds, default 3]
#include "app/application.h"
#include "conversion/argumentbuilder.h"
#include "conversion/commandline.h"
#include "conversion/outputname.h"
#include "platform/platform.h"
#include "settings/settingform.h"
#include "tasks/tasklistmodel.h"
#include "tasks/taskrecord.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <time.h>
#endif

namespace {

// The run's end message is answered with OK; anything else is counted as unexpected.
class Answers : public Platform::Services
{
public:
    QStringList messages;
    int unexpected = 0;
    int messageBox(QWidget *, const QString &text, const QString &, Platform::MessageIcon,
                   Platform::MessageButtons) override
    {
        messages << text;
        return Platform::IdOk;
    }
    void showMessage(const QString &text) override
    {
        messages << text;
        ++unexpected;
    }
    bool shellOpen(QWidget *, const QString &) override { return ++unexpected, false; }
    bool browseForFolder(QWidget *, const QString &, const QString &, QString &) override
    {
        return ++unexpected, false;
    }
    QStringList getOpenFileNames(QWidget *, const QString &) override
    {
        return ++unexpected, QStringList();
    }
    QString getSaveFileName(QWidget *, const QString &, const QString &) override
    {
        return ++unexpected, QString();
    }
    void powerOff() override { ++unexpected; }
    void showBalloonTip(QWidget *, int, const QString &, const QString &) override { ++unexpected; }
};

// Processor seconds of this thread, and of the waited-for child processes.
double threadCpu()
{
#ifdef Q_OS_UNIX
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
#else
    return 0;
#endif
}

double childrenCpu()
{
#ifdef Q_OS_UNIX
    rusage usage {};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
#else
    return 0;
#endif
}

bool runStraight(const QString &program, const QString &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, SplitCommandLine(arguments), QIODevice::ReadOnly);
    if (!process.waitForFinished(-1))
        return false;
    process.readAll();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Answers answers;
    Platform::setServices(&answers);
    QApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 8;
    const int seconds = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 3;
    const int rounds = argc > 3 ? QString::fromLocal8Bit(argv[3]).toInt() : 3;

    const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    if (ffmpeg.isEmpty() || count < 1 || seconds < 1 || rounds < 1) {
        std::fprintf(stderr, "needs ffmpeg on the PATH and positive numbers\n");
        return 1;
    }

    QTemporaryDir programDir;
    QTemporaryDir mediaDir;
    QTemporaryDir outputDir;
    const QString encoder
            = QDir::toNativeSeparators(programDir.filePath(QStringLiteral("vezizi.dll")));
    QFile::link(ffmpeg, encoder);
    QDir(programDir.path()).mkdir(QStringLiteral("Profiles"));
    const QString profile = QStringLiteral("01 MP4 - H264 AAC.apf");
    QFile::copy(QStringLiteral(VANTREL_SOURCE_DIR "/data/Profiles/") + profile,
                programDir.filePath(QStringLiteral("Profiles/") + profile));

    const QString clip = mediaDir.filePath(QStringLiteral("clip.avi"));
    const QString duration = QString::number(seconds);
    if (!runStraight(ffmpeg,
                     QStringLiteral(" -v error -f lavfi -i testsrc=duration=%1:size=320x240:rate=25"
                                    " -f lavfi -i sine=frequency=440:duration=%1 -c:v mpeg4"
                                    " -c:a mp2 -shortest \"%2\"")
                             .arg(duration, clip))) {
        std::fprintf(stderr, "could not make the clip\n");
        return 1;
    }

    ProgramWindows windows(
            StartupInfo {programDir.filePath(QStringLiteral("vantrel")), QStringList()});
    MainForm->show();
    MainForm->cmbProfile->setCurrentIndex(0);
    MainForm->cmbProfileChange();
    MainForm->edtOutputdir->setText(QDir::toNativeSeparators(outputDir.path()));
    SettingForm->chkOpenDir->setChecked(false);
    SettingForm->chkExit->setChecked(false);
    SettingForm->chkTurnoff->setChecked(false);
    SettingForm->rdbOverWrite->setChecked(true);
    for (int i = 0; i < count; ++i) {
        const QString file = QDir::toNativeSeparators(
                mediaDir.filePath(QStringLiteral("clip%1.avi").arg(i, 2, 10, QLatin1Char('0'))));
        QFile::copy(clip, file);
        MainForm->AddTask(file);
    }

    // The command lines the run gives the encoder, built as it builds them.
    const QString profileArguments = MainForm->ProfileArguments();
    QStringList commandLines;
    for (int i = 0; i < count; ++i) {
        ltvItemData task;
        ReadTask(*MainForm->ltvTaskItems, i, tfAll, task);
        const QString output
                = OutputPathFor(QDir::toNativeSeparators(outputDir.path()) + QDir::separator(),
                                task, MainForm->ProfileExt, i, false);
        commandLines << BuildTaskCommandLine(task, profileArguments, output);
    }
    std::printf("%d clips of %d s, 320x240 MPEG-4 with MP2 sound, to \"%s\", %d rounds\n", count,
                seconds, qPrintable(profile), rounds);
    std::printf("first command line:%s\n", qPrintable(commandLines.first()));

    // The encoder loads its libraries once before anything is timed.
    runStraight(encoder, commandLines.first());

    double runWall = 0;
    double straightWall = 0;
    double guiCpu = 0;
    double encoderCpu = 0;
    int failures = 0;
    // Each way goes first in turn, so a drift of the machine's load weighs on both alike.
    for (int round = 0; round < rounds; ++round) {
        for (int step = 0; step < 2; ++step) {
            QElapsedTimer timer;
            if ((round + step) % 2 == 0) {
                const double gui = threadCpu();
                const double children = childrenCpu();
                timer.start();
                MainForm->tbtnStartClick();
                runWall += double(timer.nsecsElapsed()) / 1e9;
                guiCpu += threadCpu() - gui;
                encoderCpu += childrenCpu() - children;
                for (int i = 0; i < count; ++i) {
                    if (MainForm->ltvTaskItems->SubItem(i, tfStatus) != QLatin1String("Complete"))
                        ++failures;
                }
            } else {
                timer.start();
                for (const QString &arguments : std::as_const(commandLines)) {
                    if (!runStraight(encoder, arguments))
                        ++failures;
                }
                straightWall += double(timer.nsecsElapsed()) / 1e9;
            }
        }
    }

    std::printf("through the run: %8.3f s per batch\n", runWall / rounds);
    std::printf("straight:        %8.3f s per batch\n", straightWall / rounds);
    std::printf("run / straight:  %8.4f (target <= 1.03)\n", runWall / straightWall);
    std::printf("window thread CPU %.3f s, encoders' CPU %.3f s per batch: %.2f %%\n",
                guiCpu / rounds, encoderCpu / rounds, 100.0 * guiCpu / encoderCpu);
    if (failures)
        std::printf("warning: %d conversions did not complete\n", failures);
    if (answers.unexpected)
        std::printf("warning: %d unexpected dialogs or messages: %s\n", answers.unexpected,
                    qPrintable(answers.messages.join(QLatin1String(" | "))));
    return failures || answers.unexpected ? 1 : 0;
}
