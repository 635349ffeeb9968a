#include "testmain.h"

#include "tasks/tasklistmodel.h"
#include "tasks/taskrecord.h"

class TestTaskRecord : public QObject
{
    Q_OBJECT
private slots:
    void readAllComputesSeconds();
    void readOneFieldLeavesTheOthers_data();
    void readOneFieldLeavesTheOthers();
    void writeStoresTextsOnly();
    void writeOneSubItem();
    void selectionMarks();
};

namespace {

ltvItemData sampleRecord()
{
    ltvItemData record;
    record.InputFile = QStringLiteral("/v/a.avi");
    record.Duration = QStringLiteral("00:01:23.45");
    record.FrameSize = QStringLiteral(" 640x480");
    record.Status = QStringLiteral("OK");
    record.NewFileName = QStringLiteral("a");
    record.OutputExt = QStringLiteral(".mp4");
    record.FileStartTime = QStringLiteral("00:00:00.0");
    record.FileEndTime = QStringLiteral("00:01:23.45");
    record.ClipDuration = QStringLiteral("00:01:23.45");
    record.ClipStartTime = QStringLiteral("00:00:00.0");
    record.ClipEndTime = QStringLiteral("");
    return record;
}

} // namespace

void TestTaskRecord::readAllComputesSeconds()
{
    TTaskListModel list;
    list.AddRow(QString());
    WriteTask(list, 0, tfAll, sampleRecord());
    QCOMPARE(list.Caption(0), QStringLiteral("/v/a.avi"));
    QCOMPARE(list.SubItem(0, 1), QStringLiteral(" 640x480"));

    ltvItemData record;
    ReadTask(list, 0, tfAll, record);
    QCOMPARE(record.OutputExt, QStringLiteral(".mp4"));
    QCOMPARE(record.DurationSec, 83.45);
    QCOMPARE(record.FileStartSec, 0.0);
    QCOMPARE(record.ClipDurationSec, 83.45);
    QCOMPARE(record.ClipEndSec, -1.0); // an empty text is no time code
}

void TestTaskRecord::readOneFieldLeavesTheOthers_data()
{
    QTest::addColumn<int>("selector");
    QTest::addColumn<bool>("durationRead");
    QTest::newRow("frame size") << int(tfFrameSize) << false;
    QTest::newRow("caption") << int(tfInputFile) << false;
    QTest::newRow("unknown") << 10 << false;
    QTest::newRow("duration") << int(tfDuration) << true;
}

void TestTaskRecord::readOneFieldLeavesTheOthers()
{
    QFETCH(int, selector);
    QFETCH(bool, durationRead);
    TTaskListModel list;
    list.AddRow(QString());
    WriteTask(list, 0, tfAll, sampleRecord());

    ltvItemData record;
    record.DurationSec = record.FileStartSec = record.FileEndSec = 7;
    record.ClipDurationSec = record.ClipStartSec = record.ClipEndSec = 7;
    ReadTask(list, 0, selector, record);
    QCOMPARE(record.DurationSec, durationRead ? 83.45 : 7.0);
    QCOMPARE(record.Duration.isEmpty(), !durationRead);
    QCOMPARE(record.FileStartSec, 7.0);
    QCOMPARE(record.ClipEndSec, 7.0);
    QCOMPARE(record.FrameSize.isEmpty(), selector != tfFrameSize);
    QCOMPARE(record.InputFile.isEmpty(), selector != tfInputFile);
}

void TestTaskRecord::writeStoresTextsOnly()
{
    TTaskListModel list;
    list.AddRow(QString());
    ltvItemData record = sampleRecord();
    record.DurationSec = 999; // disagrees with its text; only the text is stored
    WriteTask(list, 0, tfAll, record);
    ltvItemData back;
    ReadTask(list, 0, tfAll, back);
    QCOMPARE(back.DurationSec, 83.45);
}

void TestTaskRecord::writeOneSubItem()
{
    TTaskListModel list;
    list.AddRow(QStringLiteral("/v/a.avi"));
    ltvItemData record = sampleRecord();
    record.InputFile = QStringLiteral("/other.avi");
    WriteTask(list, 0, tfStatus, record);
    QCOMPARE(list.SubItem(0, 2), QStringLiteral("OK"));
    QCOMPARE(list.Caption(0), QStringLiteral("/v/a.avi"));
    QCOMPARE(list.SubItem(0, 0), QString());
    WriteTask(list, 0, 12, record);
    WriteTask(list, 0, tfInputFile, record);
    QCOMPARE(list.Caption(0), QStringLiteral("/other.avi"));
    QCOMPARE(list.SubItem(0, 3), QString());
}

void TestTaskRecord::selectionMarks()
{
    TTaskListModel list;
    for (int i = 0; i < 4; ++i)
        list.AddRow(QString::number(i));
    QCOMPARE(list.FirstSelected(), -1);
    list.SetSelected(3, true);
    list.SetSelected(1, true);
    QCOMPARE(list.FirstSelected(), 1);
    QCOMPARE(list.SelectedCount(), 2);
    list.DeleteRow(1);
    QCOMPARE(list.FirstSelected(), 2);
    QCOMPARE(list.Caption(2), QStringLiteral("3"));
}

VANTREL_TEST_MAIN(TestTaskRecord)
#include "tst_taskrecord.moc"
