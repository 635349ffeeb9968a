// What adding a folder costs per file, against what the encoder's probe costs by itself and
// what ffprobe costs on the same files. Adding should cost little more than the probe it runs.
//
// Usage: bench_addfolder [number of files, default 500]
#include "app/application.h"
#include "platform/platform.h"
#include "tasks/tasklistmodel.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// Adding a folder opens no dialog; should anything try, it is refused and counted.
class NoDialogs : public Platform::Services
{
public:
    int attempts = 0;
    int messageBox(QWidget *, const QString &, const QString &, Platform::MessageIcon,
                   Platform::MessageButtons) override
    {
        ++attempts;
        return Platform::IdNo;
    }
    void showMessage(const QString &) override { ++attempts; }
    bool shellOpen(QWidget *, const QString &) override { return ++attempts, false; }
    bool browseForFolder(QWidget *, const QString &, const QString &, QString &) override
    {
        return ++attempts, false;
    }
    QStringList getOpenFileNames(QWidget *, const QString &) override
    {
        return ++attempts, QStringList();
    }
    QString getSaveFileName(QWidget *, const QString &, const QString &) override
    {
        return ++attempts, QString();
    }
    void powerOff() override { ++attempts; }
    void showBalloonTip(QWidget *, int, const QString &, const QString &) override { ++attempts; }
};

bool run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForFinished(-1))
        return false;
    process.readAll();
    return true;
}

// Milliseconds per file of running `program` with `before` and the file as arguments.
double perFile(const QString &program, const QStringList &before, const QStringList &files)
{
    QElapsedTimer timer;
    timer.start();
    for (const QString &file : files)
        run(program, before + QStringList(file));
    return double(timer.nsecsElapsed()) / 1e6 / files.size();
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    NoDialogs noDialogs;
    Platform::setServices(&noDialogs);
    QApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 500;

    const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    const QString ffprobe = QStandardPaths::findExecutable(QStringLiteral("ffprobe"));
    if (ffmpeg.isEmpty() || ffprobe.isEmpty() || count < 1) {
        std::fprintf(stderr, "needs ffmpeg and ffprobe on the PATH and a positive file count\n");
        return 1;
    }

    QTemporaryDir programDir;
    QTemporaryDir mediaDir;
    const QString encoder = programDir.filePath(QStringLiteral("vezizi.dll"));
    QDir(programDir.path()).mkdir(QStringLiteral("Profiles"));
    QFile::link(ffmpeg, encoder);

    const QString clip = mediaDir.filePath(QStringLiteral("clip.avi"));
    if (!run(ffmpeg,
             {"-v", "error", "-f", "lavfi", "-i", "testsrc=duration=1:size=160x120:rate=25", "-c:v",
              "mpeg4", clip})) {
        std::fprintf(stderr, "could not make the clip\n");
        return 1;
    }
    // The machine's load drifts over a long run; measuring the three ways in short turns, a
    // folder of five files at a time and each way first in turn, keeps the drift out of the
    // ratios.
    const int groups = qMax(1, count / 5);
    QList<QStringList> groupFiles(groups);
    QStringList groupFolders;
    for (int g = 0; g < groups; ++g) {
        groupFolders << mediaDir.filePath(QStringLiteral("group%1").arg(g));
        QDir().mkdir(groupFolders.constLast());
    }
    for (int i = 0; i < count; ++i) {
        const int g = i % groups;
        const QString file = QDir::toNativeSeparators(
                groupFolders.at(g) + QStringLiteral("/clip%1.avi").arg(i, 4, 10, QLatin1Char('0')));
        QFile::copy(clip, file);
        groupFiles[g] << file;
    }
    std::printf("%d copies of a 1-second 160x120 AVI, measured in %d turns of three\n", count,
                groups);

    ProgramWindows windows(
            StartupInfo {programDir.filePath(QStringLiteral("vantrel")), QStringList()});
    // Both programs load their libraries once before anything is timed.
    perFile(encoder, {"-i"}, groupFiles.at(0).mid(0, 5));
    perFile(ffprobe, {}, groupFiles.at(0).mid(0, 5));

    double addTaskTotal = 0;
    double straightTotal = 0;
    double probeTotal = 0;
    for (int g = 0; g < groups; ++g) {
        const int n = groupFiles.at(g).size();
        for (int step = 0; step < 3; ++step) {
            switch ((g + step) % 3) {
            case 0: {
                QElapsedTimer timer;
                timer.start();
                MainForm->AddFolder(groupFolders.at(g));
                addTaskTotal += double(timer.nsecsElapsed()) / 1e6;
                break;
            }
            case 1:
                straightTotal += perFile(encoder, {"-i"}, groupFiles.at(g)) * n;
                break;
            default:
                probeTotal += perFile(ffprobe, {}, groupFiles.at(g)) * n;
            }
        }
    }
    const double addTask = addTaskTotal / count;
    const double straight = straightTotal / count;
    const double probe = probeTotal / count;
    const int added = MainForm->ltvTaskItems->Count();
    const QString length = added ? MainForm->ltvTaskItems->SubItem(0, 0) : QString();
    const QString size = added ? MainForm->ltvTaskItems->SubItem(0, 1) : QString();

    std::printf("tasks added: %d, first: length \"%s\", size \"%s\"\n", added, qPrintable(length),
                qPrintable(size));
    std::printf("AddTask through AddFolder: %8.2f ms per file\n", addTask);
    std::printf("encoder probe run straight: %7.2f ms per file\n", straight);
    std::printf("ffprobe:                   %8.2f ms per file\n", probe);
    std::printf("AddTask / straight probe: %.3f (target <= 1.10)\n", addTask / straight);
    std::printf("straight probe / ffprobe: %.3f\n", straight / probe);
    if (noDialogs.attempts)
        std::printf("warning: %d dialogs were asked for and refused\n", noDialogs.attempts);
    return added == count ? 0 : 1;
}
