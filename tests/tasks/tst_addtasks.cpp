#include "testmain.h"

#include "profiles/valuelisteditor.h"

#include "../tools/fakeencodercontrol.h"
#include "app/application.h"
#include "programfolder.h"
#include "tasks/tasklistmodel.h"
#include "tasks/tasklistview.h"
#include "tasks/taskrecord.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QToolButton>
#include <QUrl>

#include <memory>

class TestAddTasks : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void recordOfANewTask_data();
    void recordOfANewTask();
    void duplicatesAreCaseSensitive();
    void splashPanelHiddenForGood();
    void hasInputExtension_data();
    void hasInputExtension();
    void addFileOrderAndSelection_data();
    void addFileOrderAndSelection();
    void addDirFiltersAndSorts();
    void addFolderServesMessagesBetweenFiles();
    void dropOfFilesAndFolders();
    void dropRefused();
    void commandLine_data();
    void commandLine();
    void unreadableListFile();

private:
    void start(const QStringList &parameters = {});
    QString media(const QString &relative = QString()) const;
    void touch(const QString &relative);
    QStringList captions() const;
    QList<int> selectedRows() const;

    std::unique_ptr<FakeEncoderControl> m_fake;
    std::unique_ptr<QTemporaryDir> m_media;
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<ProgramWindows> m_windows;
};

void TestAddTasks::initTestCase()
{
    m_fake = std::make_unique<FakeEncoderControl>();
    QVERIFY2(m_fake->isValid(), "the fake encoder is built with the tests");
    m_fake->setScript(QStringLiteral("print Input #0, avi, from '{input}':\\n"
                                     "  Duration: 00:00:05.00, start: 0.000000, bitrate: 1 kb/s\\n"
                                     "  Stream #0:0: Video: mpeg4, yuv420p, 320x240, 25 fps\\n\n"));
}

void TestAddTasks::init()
{
    fakePlatform().reset();
    m_fake->clearRuns();
    m_folder = std::make_unique<ProgramFolder>();
    QVERIFY(m_folder->installEncoder(FakeEncoderControl::program()));
    // The encoder's report is all the files need; they may stay empty.
    m_media = std::make_unique<QTemporaryDir>();
    for (const char *name :
         {"a.avi", "b.mpg", "notes.txt", "folder/x.avi", "folder/Y.MPG", "folder/z.txt",
          "folder/.hidden.avi", "folder/sub/w.avi", "folder/b.mpg", "folder/a.wmv"})
        touch(QString::fromLatin1(name));
}

void TestAddTasks::cleanup()
{
    m_windows.reset();
    m_folder.reset();
    m_media.reset();
}

void TestAddTasks::start(const QStringList &parameters)
{
    m_windows = std::make_unique<ProgramWindows>(StartupInfo {m_folder->programFile(), parameters});
}

QString TestAddTasks::media(const QString &relative) const
{
    return QDir::toNativeSeparators(relative.isEmpty() ? m_media->path()
                                                       : m_media->filePath(relative));
}

void TestAddTasks::touch(const QString &relative)
{
    const QString path = m_media->filePath(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

QStringList TestAddTasks::captions() const
{
    QStringList result;
    for (int row = 0; row < MainForm->ltvTaskItems->Count(); ++row)
        result << MainForm->ltvTaskItems->Caption(row);
    return result;
}

QList<int> TestAddTasks::selectedRows() const
{
    QList<int> rows;
    for (int row = 0; row < MainForm->ltvTaskItems->Count(); ++row) {
        if (MainForm->ltvTaskItems->Selected(row))
            rows << row;
    }
    return rows;
}

void TestAddTasks::recordOfANewTask_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("newFileName");
    QTest::newRow("plain") << "clip.avi"
                           << "clip";
    QTest::newRow("dots") << "my.clip.avi"
                          << "my.clip";
    QTest::newRow("any type") << "clip.dat"
                              << "clip";
    QTest::newRow("no extension") << "clip"
                                  << "clip";
    QTest::newRow("colon in the name") << "Episode 1: Pilot.avi"
                                       << "Episode 1: Pilot";
}

void TestAddTasks::recordOfANewTask()
{
    QFETCH(QString, name);
    QFETCH(QString, newFileName);
    start();
    MainForm->ProfileExt = QStringLiteral(".mp4");
    const QString path = media(name);
    MainForm->AddTask(path);

    ltvItemData task;
    ReadTask(*MainForm->ltvTaskItems, 0, tfAll, task);
    QCOMPARE(task.InputFile, path);
    QCOMPARE(task.Duration, QStringLiteral("00:00:05.00"));
    QCOMPARE(task.FrameSize, QStringLiteral(" 320x240"));
    QCOMPARE(task.Status, QStringLiteral("OK"));
    QCOMPARE(task.NewFileName, newFileName);
    QCOMPARE(task.OutputExt, QStringLiteral(".mp4"));
    QCOMPARE(task.FileStartTime, QStringLiteral("00:00:00.0"));
    QCOMPARE(task.FileEndTime, QStringLiteral("00:00:05.00"));
    QCOMPARE(task.ClipDuration, QStringLiteral("00:00:05.00"));
    QCOMPARE(task.ClipStartTime, QStringLiteral("00:00:00.0"));
    QCOMPARE(task.ClipEndTime, QStringLiteral("00:00:05.00"));
    QCOMPARE(m_fake->runs(), QList<QStringList>({{"-i", path}}));
}

void TestAddTasks::duplicatesAreCaseSensitive()
{
    start();
    MainForm->AddTask(media(QStringLiteral("a.avi")));
    MainForm->AddTask(media(QStringLiteral("a.avi")));
    QCOMPARE(captions(), QStringList({media(QStringLiteral("a.avi"))}));
    QCOMPARE(m_fake->runs().size(), 1); // a duplicate is not probed
    MainForm->AddTask(media(QStringLiteral("A.AVI")));
    QCOMPARE(captions(),
             QStringList({media(QStringLiteral("a.avi")), media(QStringLiteral("A.AVI"))}));
}

void TestAddTasks::splashPanelHiddenForGood()
{
    start();
    QVERIFY(!MainForm->panbg->isHidden());
    MainForm->AddTask(media(QStringLiteral("a.avi")));
    QVERIFY(MainForm->panbg->isHidden());
    MainForm->ltvTaskItems->Clear();
    MainForm->AddTask(media(QStringLiteral("a.avi")));
    QVERIFY(MainForm->panbg->isHidden());
}

void TestAddTasks::hasInputExtension_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("accepted");
    const QString sep = QDir::separator();
    QTest::newRow("lower") << "a.avi" << true;
    QTest::newRow("upper") << "A.MPEG" << true;
    QTest::newRow("last dot counts") << "a.avi.txt" << false;
    QTest::newRow("dot in the folder only") << "v.avi" + sep + "clip" << false;
    QTest::newRow("no dot") << "avi" << false;
    QTest::newRow("ends in a dot") << "a.avi." << false;
    QTest::newRow("hidden file") << sep + ".avi" << true;
    QTest::newRow("not listed") << "a.mkv" << false;
}

void TestAddTasks::hasInputExtension()
{
    QFETCH(QString, path);
    QFETCH(bool, accepted);
    start();
    QCOMPARE(TMainForm::HasInputExtension(path, MainForm->InputExtensions), accepted);
}

void TestAddTasks::addFileOrderAndSelection_data()
{
    QTest::addColumn<QStringList>("before"); // added first, without the dialog
    QTest::addColumn<QStringList>("chosen"); // the dialog's answer; empty for Cancel
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<bool>("selected");
    QTest::newRow("three files: the first comes last")
            << QStringList() << QStringList({"a.avi", "b.mpg", "x.avi"})
            << QStringList({"b.mpg", "x.avi", "a.avi"}) << false;
    QTest::newRow("one file into an empty list")
            << QStringList() << QStringList({"a.avi"}) << QStringList({"a.avi"}) << true;
    QTest::newRow("cancelled with one task")
            << QStringList({"b.mpg"}) << QStringList() << QStringList({"b.mpg"}) << true;
    QTest::newRow("a second task") << QStringList({"b.mpg"}) << QStringList({"a.avi"})
                                   << QStringList({"b.mpg", "a.avi"}) << false;
}

void TestAddTasks::addFileOrderAndSelection()
{
    QFETCH(QStringList, before);
    QFETCH(QStringList, chosen);
    QFETCH(QStringList, expected);
    QFETCH(bool, selected);
    const auto paths = [this](const QStringList &names) {
        QStringList result;
        for (const QString &name : names)
            result << media(name);
        return result;
    };
    start();
    for (const QString &path : paths(before))
        MainForm->AddTask(path);
    fakePlatform().openFileAnswers.enqueue(paths(chosen));
    MainForm->sbtnAddFile->click();

    QCOMPARE(fakePlatform().openFileFilters, QStringList({MainForm->OpenDialogFilter}));
    QCOMPARE(captions(), paths(expected));
    QCOMPARE(selectedRows(), selected ? QList<int>({0}) : QList<int>());
    if (selected)
        QCOMPARE(MainForm->ltvTask->currentIndex().row(), 0);
    // The selected task is shown in the output grid, as a click on it would show it.
    const QString shown = MainForm->vleOutput->Values(QStringLiteral("New Filename"));
    QCOMPARE(shown.isEmpty(), !selected);
    if (selected)
        QCOMPARE(shown,
                 QFileInfo(paths(expected).constFirst()).completeBaseName() + MainForm->ProfileExt);
}

void TestAddTasks::addDirFiltersAndSorts()
{
    start();
    fakePlatform().folderAnswers.enqueue(QString()); // Cancel
    MainForm->sbtnAddDir->click();
    QVERIFY(captions().isEmpty());

    fakePlatform().folderAnswers.enqueue(media(QStringLiteral("folder")));
    MainForm->sbtnAddDir->click();
    const QString folder = media(QStringLiteral("folder")) + QDir::separator();
    // Only files lying directly in the folder, not hidden, of the accepted types in any case,
    // by name without regard to case.
    QCOMPARE(captions(),
             QStringList({folder + "a.wmv", folder + "b.mpg", folder + "x.avi", folder + "Y.MPG"}));
    QVERIFY(selectedRows().isEmpty());
    QCOMPARE(MainForm->vleOutput->Values(QStringLiteral("New Filename")), QString());
    QCOMPARE(fakePlatform().folderRequests.size(), 2);
    QCOMPARE(fakePlatform().folderRequests.at(1).title,
             QStringLiteral("Add a directory to the Task List"));
    QCOMPARE(fakePlatform().folderRequests.at(1).root, QString());
    QCOMPARE(fakePlatform().folderRequests.at(1).start, QString());
}

void TestAddTasks::addFolderServesMessagesBetweenFiles()
{
    start();
    QList<int> seen;
    // A command given while a folder is being added runs between two files.
    QMetaObject::invokeMethod(
            MainForm, [&] { seen << MainForm->ltvTaskItems->Count(); }, Qt::QueuedConnection);
    MainForm->AddFolder(media(QStringLiteral("folder")));
    QCOMPARE(seen, QList<int>({0}));
    QCOMPARE(captions().size(), 4);
}

void TestAddTasks::dropOfFilesAndFolders()
{
    start();
    // A dropped path is taken whole, however long.
    QString deep = QStringLiteral("deep");
    for (int i = 0; i < 3; ++i)
        deep += QLatin1Char('/') + QString(100, QLatin1Char('d'));
    touch(deep + QStringLiteral("/clip.avi"));
    const QString longPath = media(deep + QStringLiteral("/clip.avi"));
    QVERIFY(longPath.size() > 300);

    const QStringList dropped
            = {media(QStringLiteral("folder")),    media(QStringLiteral("a.avi")),
               media(QStringLiteral("notes.txt")), media(QStringLiteral("folder/.hidden.avi")),
               media(QStringLiteral("ghost.avi")), longPath};
    QList<QUrl> urls;
    for (const QString &path : dropped)
        urls << QUrl::fromLocalFile(path);
    QMimeData data;
    data.setUrls(urls);

    // Offered as a move, the drop is taken as a copy: the file manager must keep the files.
    const Qt::DropActions offered = Qt::MoveAction | Qt::CopyAction;
    QDragEnterEvent enter(QPoint(100, 100), offered, &data, Qt::LeftButton, Qt::ShiftModifier);
    enter.setDropAction(Qt::MoveAction);
    QCoreApplication::sendEvent(MainForm, &enter);
    QVERIFY(enter.isAccepted());
    QCOMPARE(enter.dropAction(), Qt::CopyAction);
    QDropEvent drop(QPointF(100, 100), offered, &data, Qt::LeftButton, Qt::ShiftModifier);
    drop.setDropAction(Qt::MoveAction);
    QCoreApplication::sendEvent(MainForm, &drop);
    QVERIFY(drop.isAccepted());
    QCOMPARE(drop.dropAction(), Qt::CopyAction);
    QVERIFY(captions().isEmpty()); // taken in once the drop has been answered
    QCoreApplication::processEvents();

    const QString folder = media(QStringLiteral("folder")) + QDir::separator();
    // A hidden file dropped itself is added; a dropped file is not checked for existence.
    QCOMPARE(captions(),
             QStringList({folder + "a.wmv", folder + "b.mpg", folder + "x.avi", folder + "Y.MPG",
                          media(QStringLiteral("a.avi")), folder + ".hidden.avi",
                          media(QStringLiteral("ghost.avi")), longPath}));
    QVERIFY(selectedRows().isEmpty());
}

void TestAddTasks::dropRefused()
{
    start();
    QMimeData text;
    text.setText(media(QStringLiteral("a.avi")));
    QDragEnterEvent textEnter(QPoint(100, 100), Qt::CopyAction, &text, Qt::LeftButton,
                              Qt::NoModifier);
    QCoreApplication::sendEvent(MainForm, &textEnter);
    QVERIFY(!textEnter.isAccepted());

    QMimeData moveOnly;
    moveOnly.setUrls({QUrl::fromLocalFile(media(QStringLiteral("a.avi")))});
    QDropEvent move(QPointF(100, 100), Qt::MoveAction, &moveOnly, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(MainForm, &move);
    QVERIFY(!move.isAccepted());

    MainForm->ltvTask->setEnabled(false); // as while a run lasts
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(media(QStringLiteral("a.avi")))});
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(MainForm, &enter);
    QVERIFY(!enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(MainForm, &drop);
    QVERIFY(!drop.isAccepted());
    QCoreApplication::processEvents();
    QVERIFY(captions().isEmpty());
    QVERIFY(m_fake->runs().isEmpty());
}

void TestAddTasks::commandLine_data()
{
    // "%m" stands for the media folder.
    QTest::addColumn<QStringList>("parameters");
    QTest::addColumn<QByteArray>("listFile"); // written to %m/list.TMP when not null
    QTest::addColumn<QStringList>("expected");
    const QString sep = QDir::separator();
    const QStringList folderFiles
            = {"%m" + sep + "folder" + sep + "a.wmv", "%m" + sep + "folder" + sep + "b.mpg",
               "%m" + sep + "folder" + sep + "x.avi", "%m" + sep + "folder" + sep + "Y.MPG"};
    QTest::newRow("none") << QStringList() << QByteArray() << QStringList();
    QTest::newRow("files and folders")
            << QStringList({"%m" + sep + "a.avi", "%m" + sep + "notes.txt",
                            "%m" + sep + "missing.avi", "%m" + sep + "folder",
                            "%m" + sep + "a.avi"})
            << QByteArray() << QStringList({"%m" + sep + "a.avi"}) + folderFiles;
    QTest::newRow("list file") << QStringList({"%m" + sep + "list.TMP", "%m" + sep + "b.mpg"})
                               << QString("%m" + sep + "a.avi\r\n\r\n%m" + sep + "folder\n\n%m"
                                          + sep + "b.mpg")
                                          .toUtf8()
                               << QStringList({"%m" + sep + "a.avi"}) + folderFiles
                    + QStringList({"%m" + sep + "b.mpg"});
    QTest::newRow("list file not first")
            << QStringList({"%m" + sep + "b.mpg", "%m" + sep + "list.TMP"})
            << QByteArray("whatever\n") << QStringList({"%m" + sep + "b.mpg"});
}

void TestAddTasks::commandLine()
{
    QFETCH(QStringList, parameters);
    QFETCH(QByteArray, listFile);
    QFETCH(QStringList, expected);
    const QString root = media();
    if (!listFile.isNull()) {
        QFile list(m_media->filePath(QStringLiteral("list.TMP")));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write(QString::fromUtf8(listFile).replace(QStringLiteral("%m"), root).toUtf8());
    }
    parameters.replaceInStrings(QStringLiteral("%m"), root);
    expected.replaceInStrings(QStringLiteral("%m"), root);
    start(parameters);

    QCOMPARE(captions(), expected);
    // Probed during creation, before any profile applies.
    for (int row = 0; row < MainForm->ltvTaskItems->Count(); ++row) {
        QCOMPARE(MainForm->ltvTaskItems->SubItem(row, tfDuration), QStringLiteral("00:00:05.00"));
        QCOMPARE(MainForm->ltvTaskItems->SubItem(row, tfOutputExt), QString());
    }
    QCOMPARE(m_fake->runs().size(), expected.size());
    QVERIFY(fakePlatform().plainMessages.isEmpty());
}

void TestAddTasks::unreadableListFile()
{
    start({media(QStringLiteral("missing.tmp")), media(QStringLiteral("a.avi"))});
    QVERIFY(captions().isEmpty());
    QCOMPARE(fakePlatform().plainMessages.size(), 1);
    QVERIFY(fakePlatform().plainMessages.at(0).contains(media(QStringLiteral("missing.tmp"))));
    // The rest of the creation took place.
    QVERIFY(MainForm->acceptDrops());
}

VANTREL_TEST_MAIN(TestAddTasks)
#include "tst_addtasks.moc"
