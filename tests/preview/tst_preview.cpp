#include "testmain.h"

#include "app/application.h"
#include "preview/previewplayer.h"
#include "programfolder.h"
#include "tasks/tasklistmodel.h"
#include "tasks/tasklistview.h"

#include <QAction>
#include <QLabel>
#include <QProcess>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QVideoWidget>

#include <memory>

namespace {

// Stands in for the media player: records every call and keeps the state a graph would.
class RecordingGraph : public TPreviewGraph
{
public:
    using TPreviewGraph::TPreviewGraph;

    void Activate() override
    {
        log << "Activate";
        active = true;
        state = gsStopped;
    }
    bool IsActive() const override { return active; }
    void Clear() override
    {
        log << "Clear";
        state = gsStopped;
    }
    bool RenderFile(const QString &path) override
    {
        log << "Render " + path;
        return true;
    }
    void Run() override
    {
        log << "Run";
        state = gsPlaying;
    }
    void Pause() override
    {
        log << "Pause";
        state = gsPaused;
    }
    void Stop() override
    {
        log << "Stop";
        if (active)
            state = gsStopped;
    }
    TGraphState State() const override { return state; }
    double PositionSeconds() const override { return position; }
    double DurationSeconds() const override { return duration; }
    void Seek(double seconds) override { log << "Seek " + QString::number(seconds); }

    QStringList log;
    bool active = false;
    TGraphState state = gsUninitialized;
    double position = 0;
    double duration = 0;
};

} // namespace

class TestPreview : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void nothingPlaysAtStart();
    void openTask_data();
    void openTask();
    void activatedOnce();
    void buttons_data();
    void buttons();
    void timeLabelFollowsThePlayingGraph();
    void heldThumbIsLeftAlone();
    void startOfABatchStopsThePreview();
    void realGraphPlaysAClip();

private:
    void addTasks(int count);
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<ProgramWindows> m_windows;
    RecordingGraph *m_graph = nullptr;
};

void TestPreview::init()
{
    fakePlatform().reset();
    m_folder = std::make_unique<ProgramFolder>();
    m_windows = std::make_unique<ProgramWindows>(StartupInfo {m_folder->programFile(), {}});
    delete MainForm->FilterGraph;
    m_graph = new RecordingGraph(MainForm);
    MainForm->FilterGraph = m_graph;
}

void TestPreview::cleanup()
{
    m_windows.reset();
    m_folder.reset();
}

void TestPreview::addTasks(int count)
{
    for (int i = 0; i < count; ++i)
        MainForm->ltvTaskItems->AddRow(QStringLiteral("/videos/clip%1.avi").arg(i));
}

void TestPreview::nothingPlaysAtStart()
{
    // A fresh window, with the real graph in place.
    m_windows.reset();
    m_windows = std::make_unique<ProgramWindows>(StartupInfo {m_folder->programFile(), {}});
    QVERIFY(!MainForm->FilterGraph->IsActive());
    QCOMPARE(MainForm->FilterGraph->State(), gsUninitialized);
    QVERIFY(!MainForm->findChild<QVideoWidget *>());
    QCOMPARE(MainForm->labPreviewTime->text(), QStringLiteral("00:00:00"));
    QCOMPARE(MainForm->VideoWindow1->geometry(), QRect(0, 21, 233, 140));
    QCOMPARE(MainForm->TrackBar->geometry(), QRect(3, 170, 227, 21));
    QCOMPARE(MainForm->sbtnPause->toolTip(), QStringLiteral("Pause / Resume"));
    // Stop and Pause/Resume before anything was opened.
    MainForm->sbtnStop->click();
    MainForm->sbtnPause->click();
    QVERIFY(!MainForm->FilterGraph->IsActive());
    QVERIFY(!MainForm->tmrTrackBar->isActive());
    m_graph = nullptr;
}

void TestPreview::openTask_data()
{
    QTest::addColumn<int>("tasks");
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QString>("via");
    QTest::addColumn<int>("played"); // -1: nothing
    QTest::addColumn<QList<int>>("selectedAfter");

    QTest::newRow("play, none selected: the first")
            << 3 << QList<int>() << "sbtnPlay" << 0 << QList<int> {0};
    QTest::newRow("play, several selected: the lowest")
            << 4 << QList<int> {3, 1, 2} << "sbtnPlay" << 1 << QList<int> {1, 2, 3};
    QTest::newRow("play, empty list") << 0 << QList<int>() << "sbtnPlay" << -1 << QList<int>();
    QTest::newRow("double click, none selected")
            << 3 << QList<int>() << "doubleClick" << -1 << QList<int>();
    QTest::newRow("double click, two selected")
            << 3 << QList<int> {2, 1} << "doubleClick" << 1 << QList<int> {1, 2};
    QTest::newRow("menu Open") << 3 << QList<int> {2} << "mniOpen" << 2 << QList<int> {2};
    QTest::newRow("menu Open, none selected")
            << 3 << QList<int>() << "mniOpen" << -1 << QList<int>();
}

void TestPreview::openTask()
{
    QFETCH(int, tasks);
    QFETCH(QList<int>, selected);
    QFETCH(QString, via);
    QFETCH(int, played);
    QFETCH(QList<int>, selectedAfter);

    addTasks(tasks);
    for (int row : selected)
        MainForm->ltvTaskItems->SetSelected(row, true);

    if (via == "sbtnPlay")
        MainForm->sbtnPlay->click();
    else if (via == "mniOpen")
        MainForm->mniOpen->trigger();
    else
        emit MainForm->ltvTask->doubleClicked(MainForm->ltvTaskItems->index(0, 0));

    const QStringList expected = played < 0
            ? QStringList()
            : QStringList {"Activate", "Clear", "Render " + MainForm->ltvTaskItems->Caption(played),
                           "Run"};
    QCOMPARE(m_graph->log, expected);
    QCOMPARE(MainForm->tmrTrackBar->isActive(), played >= 0);
    QList<int> marks;
    for (int row = 0; row < MainForm->ltvTaskItems->Count(); ++row) {
        if (MainForm->ltvTaskItems->Selected(row))
            marks << row;
    }
    QCOMPARE(marks, selectedAfter);
}

void TestPreview::activatedOnce()
{
    addTasks(2);
    MainForm->sbtnPlay->click();
    MainForm->ltvTaskItems->SetSelected(0, false);
    MainForm->ltvTaskItems->SetSelected(1, true);
    MainForm->sbtnPlay->click();
    QCOMPARE(m_graph->log,
             QStringList({"Activate", "Clear", "Render /videos/clip0.avi", "Run", "Clear",
                          "Render /videos/clip1.avi", "Run"}));
}

void TestPreview::buttons_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("log"); // what the graph saw after the first Play
    QTest::addColumn<bool>("ticking");

    QTest::newRow("pause") << QStringList {"sbtnPause"} << QStringList {"Pause"} << false;
    QTest::newRow("pause, resume")
            << QStringList {"sbtnPause", "sbtnPause"} << QStringList {"Pause", "Run"} << true;
    QTest::newRow("stop") << QStringList {"sbtnStop"} << QStringList {"Stop"} << false;
    QTest::newRow("stop, pause/resume does nothing")
            << QStringList {"sbtnStop", "sbtnPause"} << QStringList {"Stop"} << false;
    QTest::newRow("pause, stop, pause/resume does nothing")
            << QStringList {"sbtnPause", "sbtnStop", "sbtnPause"} << QStringList {"Pause", "Stop"}
            << false;
    QTest::newRow("stop, play renders anew")
            << QStringList {"sbtnStop", "sbtnPlay"}
            << QStringList {"Stop", "Clear", "Render /videos/clip0.avi", "Run"} << true;
    QTest::newRow("pause, play renders anew")
            << QStringList {"sbtnPause", "sbtnPlay"}
            << QStringList {"Pause", "Clear", "Render /videos/clip0.avi", "Run"} << true;
}

void TestPreview::buttons()
{
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, log);
    QFETCH(bool, ticking);

    addTasks(1);
    MainForm->sbtnPlay->click();
    m_graph->log.clear();
    for (const QString &name : clicks)
        MainForm->findChild<QToolButton *>(name)->click();
    QCOMPARE(m_graph->log, log);
    QCOMPARE(MainForm->tmrTrackBar->isActive(), ticking);
}

void TestPreview::timeLabelFollowsThePlayingGraph()
{
    addTasks(1);
    MainForm->sbtnPlay->click();
    QCOMPARE(MainForm->tmrTrackBar->interval(), 1000);
    m_graph->duration = 7200.9;
    m_graph->position = 3665.7;
    MainForm->TrackBarTick();
    QCOMPARE(MainForm->TrackBar->maximum(), 7200);
    QCOMPARE(MainForm->TrackBar->value(), 3665);
    QCOMPARE(MainForm->labPreviewTime->text(), QStringLiteral("01:01:05"));

    // Paused, the label keeps its last text.
    MainForm->sbtnPause->click();
    m_graph->position = 3700;
    MainForm->TrackBarTick();
    QCOMPARE(MainForm->labPreviewTime->text(), QStringLiteral("01:01:05"));

    // Resumed, the timer itself brings the next text.
    MainForm->sbtnPause->click();
    QTRY_COMPARE_WITH_TIMEOUT(MainForm->labPreviewTime->text(), QStringLiteral("01:01:40"), 3000);
}

void TestPreview::heldThumbIsLeftAlone()
{
    addTasks(1);
    MainForm->sbtnPlay->click();
    m_graph->duration = 100;
    m_graph->position = 10;
    MainForm->TrackBarTick();
    m_graph->log.clear();

    MainForm->TrackBar->setSliderDown(true);
    MainForm->TrackBar->setSliderPosition(42);
    m_graph->position = 11;
    MainForm->TrackBarTick();
    QCOMPARE(MainForm->TrackBar->value(), 42);
    QCOMPARE(MainForm->labPreviewTime->text(), QStringLiteral("00:00:10"));
    QVERIFY(m_graph->log.isEmpty());

    // Let go, the graph goes where the thumb is.
    MainForm->TrackBar->setSliderDown(false);
    QCOMPARE(m_graph->log, QStringList {"Seek 42"});
}

void TestPreview::startOfABatchStopsThePreview()
{
    addTasks(1);
    MainForm->sbtnPlay->click();
    MainForm->LockControls();
    QCOMPARE(m_graph->log.last(), QStringLiteral("Stop"));
    QCOMPARE(m_graph->State(), gsStopped);
    QVERIFY(!MainForm->tmrTrackBar->isActive());
    // The preview stays usable during the run.
    QVERIFY(MainForm->sbtnPlay->isEnabled());
    MainForm->UnlockControls();
}

// The media player itself, on a generated clip: activated on demand, it plays, pauses and
// stops without the window having to know anything of it.
void TestPreview::realGraphPlaysAClip()
{
    QTemporaryDir dir;
    const QString clip = dir.filePath(QStringLiteral("clip.mp4"));
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {"-v", "error", "-y", "-f", "lavfi", "-i",
                  "testsrc=size=160x120:rate=10:duration=2", "-c:v", "mpeg4", clip});
    if (!ffmpeg.waitForFinished(20000) || ffmpeg.exitCode() != 0)
        QSKIP("ffmpeg could not make the clip");

    QWidget host;
    auto *graph = new TMediaPreviewGraph(&host);
    QCOMPARE(graph->State(), gsUninitialized);
    graph->Activate();
    QVERIFY(graph->IsActive());
    QVERIFY(host.findChild<QVideoWidget *>());
    QCOMPARE(graph->State(), gsStopped);
    QVERIFY(graph->RenderFile(clip));
    graph->Run();
    QTRY_COMPARE_WITH_TIMEOUT(graph->State(), gsPlaying, 5000);
    // Whether the multimedia backend can decode here is the machine's, not the program's.
    if (!QTest::qWaitFor([graph] { return graph->DurationSeconds() > 1.5; }, 10000))
        QSKIP("the multimedia backend could not load the clip here");
    graph->Pause();
    QTRY_COMPARE_WITH_TIMEOUT(graph->State(), gsPaused, 5000);
    graph->Stop();
    QCOMPARE(graph->State(), gsStopped);
    graph->Clear();
    QVERIFY(!graph->RenderFile(dir.filePath(QStringLiteral("missing.mp4"))));
}

VANTREL_TEST_MAIN(TestPreview)
#include "tst_preview.moc"
