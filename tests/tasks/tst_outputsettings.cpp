#include "testmain.h"

#include "app/application.h"
#include "profiles/valuelisteditor.h"
#include "programfolder.h"
#include "tasks/tasklistmodel.h"
#include "tasks/tasklistview.h"
#include "tasks/taskrecord.h"

#include <QDir>
#include <QLineEdit>

#include <memory>

// The output settings grid: filled by clicks in the task list, committed to the first selected
// task under the start and end tests, and the tip when it shows no task.
class TestOutputSettings : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void commitRules_data();
    void commitRules();
    void clickFillsAndEmptiesTheGrid();
    void tipWhenTheGridShowsNoTask();
    void leavingTheEditorCommits();
    void currentCellColours();

private:
    void showWindow();
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<ProgramWindows> m_windows;
};

namespace {

// A ten-minute file whose clip was narrowed to 00:01:00 - 00:09:00.
ltvItemData task(const QString &name)
{
    ltvItemData record;
    record.InputFile = QDir::toNativeSeparators(QStringLiteral("/videos/") + name + ".avi");
    record.Duration = QStringLiteral("00:10:00");
    record.FrameSize = QStringLiteral(" 320x240");
    record.Status = QStringLiteral("Complete");
    record.NewFileName = name;
    record.OutputExt = QStringLiteral(".avi");
    record.FileStartTime = QStringLiteral("00:00:00.0");
    record.FileEndTime = QStringLiteral("00:10:00");
    record.ClipDuration = QStringLiteral("00:08:00");
    record.ClipStartTime = QStringLiteral("00:01:00");
    record.ClipEndTime = QStringLiteral("00:09:00");
    return record;
}

void addTask(const ltvItemData &record)
{
    const int row = MainForm->ltvTaskItems->AddRow(record.InputFile);
    WriteTask(*MainForm->ltvTaskItems, row, tfAll, record);
}

// Caption, then the ten sub-items.
QStringList rowTexts(int row)
{
    QStringList texts {MainForm->ltvTaskItems->Caption(row)};
    for (int subItem = 0; subItem < TTaskListModel::SubItemCount; ++subItem)
        texts << MainForm->ltvTaskItems->SubItem(row, subItem);
    return texts;
}

QPoint cellCenter(QAbstractItemView *view, int row, int column)
{
    return view->visualRect(view->model()->index(row, column)).center();
}

// A closed editor lingers hidden until it is deleted later.
QLineEdit *openEditor(TValueListEditor *grid)
{
    for (QLineEdit *editor : grid->findChildren<QLineEdit *>()) {
        if (editor->isVisible())
            return editor;
    }
    return nullptr;
}

void clickRow(int row, Qt::KeyboardModifiers modifiers = {})
{
    QTest::mouseClick(MainForm->ltvTask->viewport(), Qt::LeftButton, modifiers,
                      cellCenter(MainForm->ltvTask, row, 0));
}

} // namespace

void TestOutputSettings::init()
{
    fakePlatform().reset();
    m_folder = std::make_unique<ProgramFolder>();
    m_windows = std::make_unique<ProgramWindows>(StartupInfo {m_folder->programFile(), {}});
    MainForm->ProfileExt = QStringLiteral(".mp4");
}

void TestOutputSettings::cleanup()
{
    m_windows.reset();
    m_folder.reset();
}

void TestOutputSettings::showWindow()
{
    MainForm->panbg->hide(); // as the first added task does
    MainForm->show();
    MainForm->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(MainForm));
}

void TestOutputSettings::commitRules_data()
{
    // The stored times: file start, file end, clip length, clip start, clip end.
    QTest::addColumn<QStringList>("times");
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    // NewFileName, OutputExt, clip length, clip start, clip end as stored afterwards.
    QTest::addColumn<QStringList>("stored");

    const QStringList narrowed = {"00:00:00.0", "00:10:00", "00:08:00", "00:01:00", "00:09:00"};
    const QStringList unprobed = {"00:00:00.0", "", "", "00:00:00.0", ""};
    const QString sep = QDir::separator();
    const QList<int> first = {0};

    QTest::newRow("clip within the file")
            << narrowed << first << "holiday.mp4"
            << "0:2:0"
            << "0:5:30.25"
            << QStringList {"holiday", ".mp4", "00:03:30.2", "00:02:00", "00:05:30.2"};
    QTest::newRow("time code reformatted")
            << narrowed << first << "a.mp4"
            << "0:1:5.5"
            << "0:9:0" << QStringList {"a", ".mp4", "00:07:54.5", "00:01:05.5", "00:09:00"};
    QTest::newRow("letters for the start")
            << narrowed << first << "a.mp4"
            << "abc"
            << "0:5:0" << QStringList {"a", ".mp4", "00:04:00", "00:01:00", "00:05:00"};
    QTest::newRow("letters for the end")
            << narrowed << first << "a.mp4"
            << "0:2:0"
            << "end" << QStringList {"a", ".mp4", "00:07:00", "00:02:00", "00:09:00"};
    QTest::newRow("negative start")
            << narrowed << first << "a.mp4"
            << "0:0:-5"
            << "0:5:0" << QStringList {"a", ".mp4", "00:04:00", "00:01:00", "00:05:00"};
    QTest::newRow("start equal to the end")
            << narrowed << first << "a.mp4"
            << "0:5:0"
            << "0:5:0" << QStringList {"a", ".mp4", "00:04:00", "00:01:00", "00:05:00"};
    // The start falls back first; the end is then before that start and falls back too.
    QTest::newRow("start after an end before the stored start")
            << narrowed << first << "a.mp4"
            << "0:0:40"
            << "0:0:30" << QStringList {"a", ".mp4", "00:08:00", "00:01:00", "00:09:00"};
    QTest::newRow("start at the probed end")
            << narrowed << first << "a.mp4"
            << "0:10:0"
            << "0:12:0" << QStringList {"a", ".mp4", "00:11:00", "00:01:00", "00:12:00"};
    QTest::newRow("end 0") << narrowed << first << "a.mp4"
                           << "0:0:0"
                           << "00:00:00"
                           << QStringList {"a", ".mp4", "00:08:00", "00:01:00", "00:09:00"};
    QTest::newRow("end at the probed start")
            << QStringList {"00:02:00", "00:10:00", "00:08:00", "00:01:00", "00:09:00"} << first
            << "a.mp4"
            << "0:0:10"
            << "0:2:0" << QStringList {"a", ".mp4", "00:08:50", "00:00:10", "00:09:00"};
    QTest::newRow("end beyond the probed end")
            << narrowed << first << "a.mp4"
            << "0:1:0"
            << "0:15:0" << QStringList {"a", ".mp4", "00:14:00", "00:01:00", "00:15:00"};
    QTest::newRow("name with several dots")
            << narrowed << first << "holiday.part1.mp4"
            << "00:01:00"
            << "00:09:00"
            << QStringList {"holiday.part1", ".mp4", "00:08:00", "00:01:00", "00:09:00"};
    QTest::newRow("name without a dot")
            << narrowed << first << "holiday"
            << "00:01:00"
            << "00:09:00" << QStringList {"holiday", "", "00:08:00", "00:01:00", "00:09:00"};
    QTest::newRow("name emptied") << narrowed << first << ""
                                  << "00:01:00"
                                  << "00:09:00"
                                  << QStringList {"", "", "00:08:00", "00:01:00", "00:09:00"};
    QTest::newRow("dot in a folder name")
            << narrowed << first << "my.clips" + sep + "holiday"
            << "00:01:00"
            << "00:09:00" << QStringList {"my", "", "00:08:00", "00:01:00", "00:09:00"};
    QTest::newRow("dot before a drive colon")
            << narrowed << first << "x.y:holiday"
            << "00:01:00"
            << "00:09:00" << QStringList {"x", "", "00:08:00", "00:01:00", "00:09:00"};
    // No length was probed: the end that was never set stays empty instead of becoming a
    // code for -1 seconds.
    QTest::newRow("unprobed file keeps its empty end")
            << unprobed << first << "x.mp4"
            << "0:0:5"
            << "" << QStringList {"x", ".mp4", "", "00:00:00", ""};
    QTest::newRow("unprobed file takes a typed end")
            << unprobed << first << "x.mp4"
            << "0:0:5"
            << "0:0:30" << QStringList {"x", ".mp4", "00:00:30", "00:00:00", "00:00:30"};
    QTest::newRow("several rows selected")
            << narrowed << QList<int> {1, 2} << "holiday.mkv"
            << "0:2:0"
            << "0:3:0" << QStringList {"holiday", ".mkv", "00:01:00", "00:02:00", "00:03:00"};
    QTest::newRow("no task selected") << narrowed << QList<int>() << "holiday.mkv"
                                      << "0:2:0"
                                      << "0:3:0" << QStringList();
}

void TestOutputSettings::commitRules()
{
    QFETCH(QStringList, times);
    QFETCH(QList<int>, selected);
    QFETCH(QString, name);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QStringList, stored);

    for (const char *base : {"a", "b", "c"}) {
        ltvItemData record = task(QString::fromLatin1(base));
        record.FileStartTime = times.at(0);
        record.FileEndTime = record.Duration = times.at(1);
        record.ClipDuration = times.at(2);
        record.ClipStartTime = times.at(3);
        record.ClipEndTime = times.at(4);
        addTask(record);
    }
    for (int row : selected)
        MainForm->ltvTaskItems->SetSelected(row, true);
    QList<QStringList> expected;
    for (int row = 0; row < 3; ++row)
        expected << rowTexts(row);
    if (!selected.isEmpty()) {
        // Sub-items 3, 4, 7, 8, 9 of the first selected task, after the caption.
        const int fields[] = {4, 5, 8, 9, 10};
        for (int i = 0; i < 5; ++i)
            expected[selected.first()][fields[i]] = stored.at(i);
    }

    MainForm->SetGridValue(0, QStringLiteral("New FileName"), name);
    MainForm->SetGridValue(0, QStringLiteral("Start Time"), start);
    MainForm->SetGridValue(0, QStringLiteral("End Time"), end);
    emit MainForm->vleOutput->validate(TValueListEditor::ValueColumn, 1,
                                       QStringLiteral("Start Time"), start);

    for (int row = 0; row < 3; ++row)
        QCOMPARE(rowTexts(row), expected.at(row));
    // The grid keeps what was typed, rejected or not.
    QCOMPARE(MainForm->vleOutput->Strings(),
             QStringList({"New Filename=" + name, "Start Time=" + start, "End Time=" + end}));
}

void TestOutputSettings::clickFillsAndEmptiesTheGrid()
{
    showWindow();
    ltvItemData first = task(QStringLiteral("a"));
    first.ClipStartTime = QStringLiteral("00:00:00.0");
    first.ClipEndTime = QStringLiteral("00:01:23.45");
    addTask(first);
    addTask(task(QStringLiteral("b")));
    TValueListEditor *grid = MainForm->vleOutput;
    const QStringList empty = {"New Filename=", "Start Time=", "End Time="};
    const QStringList showsA
            = {"New Filename=a.mp4", "Start Time=00:00:00.0", "End Time=00:01:23.45"};
    const QStringList showsB = {"New Filename=b.mp4", "Start Time=00:01:00", "End Time=00:09:00"};

    // The profile's extension, not the task's; the times as stored.
    clickRow(1);
    QCOMPARE(grid->Strings(), showsB);
    // Selecting without a click leaves the grid alone.
    MainForm->ltvTaskItems->SetSelected(1, false);
    MainForm->ltvTaskItems->SetSelected(0, true);
    QCOMPARE(grid->Strings(), showsB);
    // Deselecting the only selected row by a click empties it.
    clickRow(0, Qt::ControlModifier);
    QCOMPARE(MainForm->ltvTaskItems->SelectedCount(), 0);
    QCOMPARE(grid->Strings(), empty);

    // So does a click on the empty area below the rows, which clears the selection.
    clickRow(0);
    QCOMPARE(grid->Strings(), showsA);
    QTest::mouseClick(MainForm->ltvTask->viewport(), Qt::LeftButton, {},
                      QPoint(20, MainForm->ltvTask->viewport()->height() - 5));
    QCOMPARE(MainForm->ltvTaskItems->SelectedCount(), 0);
    QTRY_COMPARE(grid->Strings(), empty);

    // Several selected: the first one is shown.
    clickRow(1);
    clickRow(0, Qt::ControlModifier);
    QCOMPARE(MainForm->ltvTaskItems->SelectedCount(), 2);
    QCOMPARE(grid->Strings(), showsA);

    // A committed extension is the task's own; the grid still shows the profile's.
    MainForm->SetGridValue(0, QStringLiteral("New Filename"), QStringLiteral("a.mkv"));
    emit grid->validate(TValueListEditor::ValueColumn, 0, QStringLiteral("New Filename"),
                        QStringLiteral("a.mkv"));
    QCOMPARE(MainForm->ltvTaskItems->SubItem(0, tfOutputExt), QStringLiteral(".mkv"));
    // The commit also stored the times in the program's own form.
    clickRow(0);
    QCOMPARE(grid->Strings(),
             QStringList({"New Filename=a.mp4", "Start Time=00:00:00", "End Time=00:01:23.5"}));
}

void TestOutputSettings::tipWhenTheGridShowsNoTask()
{
    showWindow();
    TValueListEditor *grid = MainForm->vleOutput;
    const QPoint startValue = cellCenter(grid, 1, TValueListEditor::ValueColumn);
    QTest::mouseMove(grid->viewport(), startValue);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, startValue);
    QCOMPARE(fakePlatform().tips.size(), 1);
    const FakePlatform::Tip tip = fakePlatform().tips.constFirst();
    QCOMPARE(tip.icon, int(Platform::TipInfo));
    QCOMPARE(tip.title, QStringLiteral("Tip:"));
    QCOMPARE(tip.text, QStringLiteral("Please select a file in Task List."));
    // On the window under the pointer.
    QCOMPARE(tip.window.data(), grid->viewport());
    QVERIFY(!grid->findChild<QLineEdit *>());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, startValue);
    QVERIFY(!grid->findChild<QLineEdit *>());
    const qsizetype tips = fakePlatform().tips.size();

    // With a task shown the editor opens and no tip comes.
    addTask(task(QStringLiteral("a")));
    clickRow(0);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, startValue);
    QCOMPARE(fakePlatform().tips.size(), tips);
    QVERIFY(openEditor(grid));

    // An emptied name counts as no task, although one is selected.
    MainForm->ltvTask->setFocus(); // closes the editor unchanged
    MainForm->SetGridValue(0, QStringLiteral("New Filename"), QString());
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, startValue);
    QCOMPARE(fakePlatform().tips.size(), tips + 1);
    QVERIFY(!openEditor(grid));
}

// A run first moves the focus to the task list; an edit still open in the grid must reach the
// task before the run reads it.
void TestOutputSettings::leavingTheEditorCommits()
{
    showWindow();
    addTask(task(QStringLiteral("a")));
    clickRow(0);
    TValueListEditor *grid = MainForm->vleOutput;
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      cellCenter(grid, 1, TValueListEditor::ValueColumn));
    QLineEdit *editor = openEditor(grid);
    QVERIFY(editor);
    QVERIFY(editor->hasFocus());
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("0:0:30"));
    MainForm->ltvTask->setFocus();
    QVERIFY(!openEditor(grid));
    QCOMPARE(MainForm->ltvTaskItems->SubItem(0, tfClipStartTime), QStringLiteral("00:00:30"));
    QCOMPARE(MainForm->ltvTaskItems->SubItem(0, tfClipDuration), QStringLiteral("00:08:30"));
    QCOMPARE(grid->Values(QStringLiteral("Start Time")), QStringLiteral("0:0:30"));
}

void TestOutputSettings::currentCellColours()
{
    showWindow();
    TValueListEditor *grid = MainForm->vleOutput;
    const QColor window = grid->palette().color(QPalette::Base);
    const QColor highlight(0x31, 0x6a, 0xc5);
    grid->SetCurrentCell(TValueListEditor::ValueColumn, 1);
    auto colours = [grid](int col, int row) {
        TValueListEditor::CellColors cell {Qt::white, Qt::red};
        grid->DrawCell()(col, row, grid->visualRect(grid->model()->index(row, col)), cell);
        return std::make_pair(cell.font, cell.brush);
    };
    MainForm->ltvTask->setFocus();
    QCOMPARE(colours(TValueListEditor::ValueColumn, 1), std::make_pair(QColor(Qt::black), window));
    QCOMPARE(colours(TValueListEditor::KeyColumn, 1), std::make_pair(QColor(Qt::black), window));
    // Other rows keep the grid's own colours.
    QCOMPARE(colours(TValueListEditor::KeyColumn, 0),
             std::make_pair(QColor(Qt::white), QColor(Qt::red)));
    grid->setFocus();
    QVERIFY(grid->HasFocusWithin());
    QCOMPARE(colours(TValueListEditor::KeyColumn, 1), std::make_pair(QColor(Qt::white), highlight));
    QCOMPARE(colours(TValueListEditor::ValueColumn, 1), std::make_pair(QColor(Qt::black), window));
}

VANTREL_TEST_MAIN(TestOutputSettings)
#include "tst_outputsettings.moc"
