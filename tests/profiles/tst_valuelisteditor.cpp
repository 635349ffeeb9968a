#include "testmain.h"

#include "profiles/valuelisteditor.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>

class TestValueListEditor : public QObject
{
    Q_OBJECT
private slots:
    void rowsAndLookup();
    void emptyGridShowsOneBlankRow();
    void typingCommitsAndValidates();
    void pickListRowsOpenTheirList();
    void readOnlyPlainRowsOpenNoEditor();
    void editorModeOffOpensNothing();
};

void TestValueListEditor::rowsAndLookup()
{
    TValueListEditor grid;
    QSignalSpy changes(&grid, &TValueListEditor::stringsChange);
    grid.AppendRow(QStringLiteral("New Filename"), QString());
    grid.AppendRow(QStringLiteral("Start Time"), QStringLiteral("0"));
    grid.SetValues(QStringLiteral("NEW FILENAME"), QStringLiteral("a.mp4"));
    grid.SetValues(QStringLiteral("Extra"), QStringLiteral("x"));
    QCOMPARE(grid.Strings(), QStringList({"New Filename=a.mp4", "Start Time=0", "Extra=x"}));
    QCOMPARE(grid.Values(QStringLiteral("start time")), QStringLiteral("0"));
    QCOMPARE(grid.Values(QStringLiteral("missing")), QString());
    QCOMPARE(changes.count(), 4);
    grid.DeleteRow(0);
    QCOMPARE(grid.Key(0), QStringLiteral("Start Time"));
}

void TestValueListEditor::emptyGridShowsOneBlankRow()
{
    TValueListEditor grid;
    QCOMPARE(grid.Count(), 0);
    QCOMPARE(grid.RowCount(), 1);
    grid.AppendRow(QStringLiteral("a"), QString());
    grid.AppendRow(QStringLiteral("b"), QString());
    QCOMPARE(grid.RowCount(), 2);
    grid.Clear();
    QCOMPARE(grid.Count(), 0);
    QCOMPARE(grid.RowCount(), 1);
    QCOMPARE(grid.model()->rowCount(), 1);
}

void TestValueListEditor::typingCommitsAndValidates()
{
    TValueListEditor grid;
    grid.resize(216, 54);
    grid.AppendRow(QStringLiteral("New Filename"), QStringLiteral("a.mp4"));
    grid.AppendRow(QStringLiteral("Start Time"), QString());
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QSignalSpy validated(&grid, &TValueListEditor::validate);

    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                      grid.visualRect(grid.model()->index(1, 1)).center());
    auto *editor = grid.findChild<QLineEdit *>();
    QVERIFY(editor);
    editor->setText(QStringLiteral("0:1:5.5"));
    // Leaving the value for another cell commits it.
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                      grid.visualRect(grid.model()->index(0, 1)).center());
    QCOMPARE(validated.count(), 1);
    QCOMPARE(validated.at(0).at(1).toInt(), 1);
    QCOMPARE(validated.at(0).at(3).toString(), QStringLiteral("0:1:5.5"));
    QCOMPARE(grid.Value(1), QStringLiteral("0:1:5.5"));
}

void TestValueListEditor::pickListRowsOpenTheirList()
{
    TValueListEditor grid;
    grid.resize(216, 54);
    grid.AppendRow(QStringLiteral("Video Size"), QStringLiteral("Original Size"));
    grid.SetRowEditStyle(0, TValueListEditor::esPickList);
    grid.SetRowPickList(0, {QStringLiteral("Original Size"), QStringLiteral("640x480")});
    grid.SetRowReadOnly(0, true);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QSignalSpy validated(&grid, &TValueListEditor::validate);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                      grid.visualRect(grid.model()->index(0, 1)).center());
    auto *combo = grid.findChild<QComboBox *>();
    QVERIFY(combo);
    QVERIFY(!combo->isEditable()); // no typing into a list row
    QCOMPARE(combo->currentText(), QStringLiteral("Original Size"));
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    QCOMPARE(grid.Value(0), QStringLiteral("640x480"));
    QCOMPARE(validated.count(), 1);
}

void TestValueListEditor::readOnlyPlainRowsOpenNoEditor()
{
    TValueListEditor grid;
    grid.resize(216, 54);
    grid.AppendRow(QStringLiteral("Video Codec"), QStringLiteral("libx264"));
    grid.SetRowReadOnly(0, true);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {},
                       grid.visualRect(grid.model()->index(0, 1)).center());
    QVERIFY(!grid.findChild<QLineEdit *>());
}

void TestValueListEditor::editorModeOffOpensNothing()
{
    TValueListEditor grid;
    grid.resize(216, 54);
    grid.AppendRow(QStringLiteral("New Filename"), QString());
    connect(&grid, &TValueListEditor::mouseDown, &grid, [&grid] { grid.SetEditorMode(false); });
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                      grid.visualRect(grid.model()->index(0, 1)).center());
    QVERIFY(!grid.findChild<QLineEdit *>());
}

VANTREL_TEST_MAIN(TestValueListEditor)
#include "tst_valuelisteditor.moc"
