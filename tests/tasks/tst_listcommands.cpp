#include "testmain.h"

#include "app/application.h"
#include "profiles/valuelisteditor.h"
#include "programfolder.h"
#include "tasks/tasklistmodel.h"
#include "tasks/tasklistview.h"
#include "tasks/taskrecord.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QToolButton>

#include <memory>

// Remove, Clear, Move Up and Move Down, the ways they are reached and the context menu.
class TestListCommands : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void removeAndClear_data();
    void removeAndClear();
    void moves_data();
    void moves();
    void menuEnabling_data();
    void menuEnabling();
    void rightClickOpensTheMenu();

private:
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<ProgramWindows> m_windows;
};

namespace {

const QStringList Names = {"a", "b", "c", "d", "e"};

// Every field differs from task to task, so a move that drops one shows.
ltvItemData task(const QString &name)
{
    const int n = Names.indexOf(name) + 1;
    ltvItemData record;
    record.InputFile = QDir::toNativeSeparators(QStringLiteral("/videos/") + name + ".avi");
    record.Duration = QStringLiteral("00:0%1:00").arg(n);
    record.FrameSize = QStringLiteral(" %1x240").arg(n * 100);
    record.Status = n % 2 ? QStringLiteral("Complete") : QStringLiteral("OK");
    record.NewFileName = name;
    record.OutputExt = QStringLiteral(".mp") + QString::number(n);
    record.FileStartTime = QStringLiteral("00:00:00.0");
    record.FileEndTime = record.Duration;
    record.ClipDuration = QStringLiteral("00:00:5%1").arg(n);
    record.ClipStartTime = QStringLiteral("00:00:0%1").arg(n);
    record.ClipEndTime = QStringLiteral("00:00:%1").arg(n + 50);
    return record;
}

// Caption, the ten sub-items and the hint.
QStringList rowTexts(int row)
{
    QStringList texts {MainForm->ltvTaskItems->Caption(row)};
    for (int subItem = 0; subItem < TTaskListModel::SubItemCount; ++subItem)
        texts << MainForm->ltvTaskItems->SubItem(row, subItem);
    return texts << MainForm->ltvTaskItems->Hint(row);
}

QStringList taskTexts(const QString &name)
{
    const ltvItemData record = task(name);
    return {record.InputFile,    record.Duration,      record.FrameSize,     record.Status,
            record.NewFileName,  record.OutputExt,     record.FileStartTime, record.FileEndTime,
            record.ClipDuration, record.ClipStartTime, record.ClipEndTime,   "hint " + name};
}

void addFiveTasks()
{
    for (const QString &name : Names) {
        const int row = MainForm->ltvTaskItems->AddRow(QString());
        WriteTask(*MainForm->ltvTaskItems, row, tfAll, task(name));
        MainForm->ltvTaskItems->SetHint(row, "hint " + name);
    }
}

QList<int> selectedRows()
{
    QList<int> rows;
    for (int row = 0; row < MainForm->ltvTaskItems->Count(); ++row) {
        // The view's marks must agree with the store's.
        if (MainForm->ltvTaskItems->Selected(row)
            != MainForm->ltvTask->selectionModel()->isRowSelected(row, {})) {
            return {-1};
        }
        if (MainForm->ltvTaskItems->Selected(row))
            rows << row;
    }
    return rows;
}

} // namespace

void TestListCommands::init()
{
    fakePlatform().reset();
    m_folder = std::make_unique<ProgramFolder>();
    m_windows = std::make_unique<ProgramWindows>(StartupInfo {m_folder->programFile(), {}});
    MainForm->ProfileExt = QStringLiteral(".mp4");
}

void TestListCommands::cleanup()
{
    m_windows.reset();
    m_folder.reset();
}

void TestListCommands::removeAndClear_data()
{
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QString>("via");
    QTest::addColumn<QStringList>("remaining");

    const QList<int> twoAndFour = {1, 3};
    QTest::newRow("remove rows 2 and 4 by the button")
            << twoAndFour << "sbtnDelete" << QStringList {"a", "c", "e"};
    QTest::newRow("remove rows 2 and 4 by the menu")
            << twoAndFour << "mniRemove" << QStringList {"a", "c", "e"};
    QTest::newRow("remove rows 2 and 4 by Delete")
            << twoAndFour << "Delete" << QStringList {"a", "c", "e"};
    QTest::newRow("remove nothing selected") << QList<int>() << "sbtnDelete" << Names;
    QTest::newRow("remove all by Shift+Delete")
            << QList<int> {0, 1, 2, 3, 4} << "Shift+Delete" << QStringList();
    QTest::newRow("clear by the button") << twoAndFour << "sbtnClear" << QStringList();
    QTest::newRow("clear by the menu") << QList<int>() << "mniClear" << QStringList();
    QTest::newRow("clear by Backspace") << twoAndFour << "Backspace" << QStringList();
    QTest::newRow("clear by Ctrl+Alt+Backspace")
            << QList<int>() << "Ctrl+Alt+Backspace" << QStringList();
}

void TestListCommands::removeAndClear()
{
    QFETCH(QList<int>, selected);
    QFETCH(QString, via);
    QFETCH(QStringList, remaining);

    MainForm->panbg->hide(); // as the first added task does
    addFiveTasks();
    MainForm->ltvTaskItems->SetSelected(0, true);
    MainForm->ltvTaskClick();
    for (int row = 0; row < 5; ++row)
        MainForm->ltvTaskItems->SetSelected(row, selected.contains(row));
    QCOMPARE(MainForm->vleOutput->Values(QStringLiteral("New Filename")), QStringLiteral("a.mp4"));

    if (auto *button = MainForm->findChild<QToolButton *>(via)) {
        button->click();
    } else if (auto *item = MainForm->ppmTask->findChild<QAction *>(via)) {
        item->trigger();
    } else {
        const QKeySequence keys = QKeySequence::fromString(via);
        QVERIFY(!keys.isEmpty());
        QTest::keyClick(MainForm->ltvTask, keys[0].key(), keys[0].keyboardModifiers());
    }

    QStringList names;
    for (int row = 0; row < MainForm->ltvTaskItems->Count(); ++row)
        names << MainForm->ltvTaskItems->SubItem(row, tfNewFileName);
    QCOMPARE(names, remaining);
    QCOMPARE(MainForm->vleOutput->Strings(),
             QStringList({"New Filename=", "Start Time=", "End Time="}));
    // The splash panel covers the list only before the first task.
    QVERIFY(MainForm->panbg->isHidden());
}

void TestListCommands::moves_data()
{
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<QList<int>>("selectedAfter");

    QTest::newRow("up: first row") << QList<int> {0} << true << Names << QList<int> {0};
    QTest::newRow("down: last row") << QList<int> {4} << false << Names << QList<int> {4};
    QTest::newRow("up: nothing selected") << QList<int>() << true << Names << QList<int>();
    QTest::newRow("up: rows 2 and 4") << QList<int> {1, 3} << true
                                      << QStringList {"b", "a", "d", "c", "e"} << QList<int> {0, 2};
    QTest::newRow("down: rows 2 and 4")
            << QList<int> {1, 3} << false << QStringList {"a", "c", "b", "e", "d"}
            << QList<int> {2, 4};
    QTest::newRow("up: block of two") << QList<int> {2, 3} << true
                                      << QStringList {"a", "c", "d", "b", "e"} << QList<int> {1, 2};
    // A block already at the edge stays in its order with all its marks.
    QTest::newRow("up: block at the top")
            << QList<int> {0, 1, 3} << true << QStringList {"a", "b", "d", "c", "e"}
            << QList<int> {0, 1, 2};
    QTest::newRow("down: block at the bottom")
            << QList<int> {3, 4} << false << Names << QList<int> {3, 4};
}

void TestListCommands::moves()
{
    QFETCH(QList<int>, selected);
    QFETCH(bool, up);
    QFETCH(QStringList, order);
    QFETCH(QList<int>, selectedAfter);

    addFiveTasks();
    for (int row : selected)
        MainForm->ltvTaskItems->SetSelected(row, true);
    MainForm->ltvTaskClick();
    const QStringList grid = MainForm->vleOutput->Strings();

    (up ? MainForm->sbtnUp : MainForm->sbtnDown)->click();

    for (int row = 0; row < 5; ++row)
        QCOMPARE(rowTexts(row), taskTexts(order.at(row)));
    QCOMPARE(selectedRows(), selectedAfter);
    // The grid still shows what it showed, which is still the task with the first mark.
    QCOMPARE(MainForm->vleOutput->Strings(), grid);
}

void TestListCommands::menuEnabling_data()
{
    QTest::addColumn<int>("tasks");
    QTest::addColumn<QList<int>>("selected");
    // Open, Add Files..., Add Directorys..., Remove, Clear.
    QTest::addColumn<QList<bool>>("enabled");

    QTest::newRow("empty list") << 0 << QList<int>()
                                << QList<bool> {false, true, true, false, false};
    QTest::newRow("tasks, none selected")
            << 5 << QList<int>() << QList<bool> {false, true, true, false, true};
    QTest::newRow("one selected") << 5 << QList<int> {3}
                                  << QList<bool> {true, true, true, true, true};
}

void TestListCommands::menuEnabling()
{
    QFETCH(int, tasks);
    QFETCH(QList<int>, selected);
    QFETCH(QList<bool>, enabled);

    if (tasks)
        addFiveTasks();
    for (int row : selected)
        MainForm->ltvTaskItems->SetSelected(row, true);
    const QList<QAction *> items = {MainForm->mniOpen, MainForm->mniAddFiles, MainForm->mniAddDirs,
                                    MainForm->mniRemove, MainForm->mniClear};
    // Start from the opposite, so every item must be set.
    for (int i = 0; i < items.size(); ++i)
        items.at(i)->setEnabled(!enabled.at(i));
    MainForm->ppmTaskPopup();
    QList<bool> actual;
    for (QAction *item : items)
        actual << item->isEnabled();
    QCOMPARE(actual, enabled);
}

void TestListCommands::rightClickOpensTheMenu()
{
    MainForm->show();
    QVERIFY(QTest::qWaitForWindowExposed(MainForm));
    QStringList items;
    for (QAction *item : MainForm->ppmTask->actions())
        items << (item->isSeparator() ? QStringLiteral("-") : item->text());
    QCOMPARE(items,
             QStringList(
                     {"Open", "-", "Add Files...", "Add Directorys...", "-", "Remove", "Clear"}));

    MainForm->mniClear->setEnabled(true);
    QWidget *viewport = MainForm->ltvTask->viewport();
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(30, 30),
                            viewport->mapToGlobal(QPoint(30, 30)));
    QApplication::sendEvent(viewport, &click);
    QVERIFY(MainForm->ppmTask->isVisible());
    QVERIFY(!MainForm->mniClear->isEnabled()); // enabled on opening, for the list as it is
    MainForm->ppmTask->hide();
}

VANTREL_TEST_MAIN(TestListCommands)
#include "tst_listcommands.moc"
