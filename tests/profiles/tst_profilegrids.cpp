#include "testmain.h"

#include "app/application.h"
#include "profiles/profileloader.h"
#include "profiles/sizeform.h"
#include "profiles/valuelisteditor.h"
#include "programfolder.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QWindow>

#include <memory>

namespace {

const QByteArray VideoProfile
        = "[Main]\n"
          "Type=mkv\n"
          "Para=5\n"
          "0=Video Codec\n"
          "1=Video Size\n"
          "2=Aspect\n"
          "3=Audio Codec\n"
          "4=Deinterlace\n"
          "[Video Codec]\nSort=1\nCaption=H.264,H.265,\nValue=libx264,libx265,\n"
          "[Video Size]\nSort=1\nCaption=Original Size,Custom Size,640x480,\n"
          "Value=,,640x480,\n"
          "[Aspect]\nSort=1\nList=0\nReadOnly=1\nCaption=4:3\nValue=4:3\n"
          "[Audio Codec]\nSort=2\nCaption=AAC,\nValue=aac,\n"
          "[Deinterlace]\nSort=3\nList=0\nReadOnly=1\nCaption=No\nValue=\n";

// Paint events of the grids' viewports, by grid name, in the order they arrive.
class PaintRecorder : public QObject
{
public:
    QStringList painted;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted << watched->parent()->objectName();
        return false;
    }
};

} // namespace

class TestProfileGrids : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void choosingAProfile();
    void outOfRangeIndexIsReported();
    void loadOpensCollapsedSections();
    void eachGridDrawsByTheRule();
    void mouseDownRepaintsTheFourGrids();
    void customSizeOpensTheDialog_data();
    void customSizeOpensTheDialog();
    void pickingCustomSizeFromTheList();
    void okChecksTheNumbers_data();
    void okChecksTheNumbers();
    void closingWithoutASize_data();
    void closingWithoutASize();
    void textsKeptForTheNextShowing();
    void dialogOpensDuringTheLoad();

private:
    void start(const QByteArray &profile = VideoProfile);
    void pickCustomSize();

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<ProgramWindows> m_windows;
};

void TestProfileGrids::init()
{
    fakePlatform().reset();
    m_folder = std::make_unique<ProgramFolder>();
}

void TestProfileGrids::cleanup()
{
    m_windows.reset();
    m_folder.reset();
}

// Starts the program with one profile "Video" and loads it as the user's pick would.
void TestProfileGrids::start(const QByteArray &profile)
{
    m_folder->writeFile(QStringLiteral("Profiles/Video.apf"), profile);
    m_windows = std::make_unique<ProgramWindows>(StartupInfo {m_folder->programFile(), {}});
    MainForm->cmbProfile->setCurrentIndex(0);
    MainForm->cmbProfileChange();
}

// What choosing "Custom Size" from the row's list does to the grid.
void TestProfileGrids::pickCustomSize()
{
    int row = -1;
    QVERIFY(MainForm->vleVideo->FindRow(QStringLiteral("Video Size"), row));
    MainForm->vleVideo->SetCurrentCell(TValueListEditor::ValueColumn, row);
    MainForm->vleVideo->SetValue(row, QStringLiteral("Custom Size"));
}

void TestProfileGrids::choosingAProfile()
{
    m_folder->writeFile(QStringLiteral("Profiles/Video.apf"), VideoProfile);
    m_folder->writeFile(QStringLiteral("Profiles/other.APF"),
                        "[Main]\nType=avi\nPara=1\n0=Channels\n[Channels]\nSort=2\nList=0\n"
                        "Caption=2\n");
    m_windows = std::make_unique<ProgramWindows>(StartupInfo {m_folder->programFile(), {}});
    QComboBox *list = MainForm->cmbProfile;
    QCOMPARE(list->itemText(0), QStringLiteral("other"));
    QCOMPARE(list->itemText(1), QStringLiteral("Video"));
    const QStringList designRows = MainForm->vleVideo->Strings();

    // Moving the position from code loads nothing by itself.
    list->setCurrentIndex(1);
    QCOMPARE(MainForm->vleVideo->Strings(), designRows);
    QCOMPARE(MainForm->ProfileExt, QString());

    emit list->activated(1);
    QCOMPARE(MainForm->ProfileExt, QStringLiteral(".mkv"));
    QCOMPARE(MainForm->vleVideo->Strings(),
             QStringList({"Video Codec=H.264", "Video Size=Original Size", "Aspect=4:3"}));
    QCOMPARE(MainForm->vleAudio->Strings(), QStringList({"Audio Codec=AAC"}));
    QCOMPARE(MainForm->vleAdvanced->Strings(), QStringList({"Deinterlace=No"}));

    // A file listed with its extension in capitals opens as itself.
    list->setCurrentIndex(0);
    MainForm->cmbProfileChange();
    QCOMPARE(MainForm->ProfileExt, QStringLiteral(".avi"));
    QCOMPARE(MainForm->vleAudio->Strings(), QStringList({"Channels=2"}));
    QCOMPARE(MainForm->vleVideo->Strings(), QStringList());
    QCOMPARE(MainForm->vleVideo->height(), 18);

    // A profile deleted since start-up is skipped silently.
    QVERIFY(QFile::remove(m_folder->filePath(QStringLiteral("Profiles/Video.apf"))));
    list->setCurrentIndex(1);
    emit list->activated(1);
    QCOMPARE(MainForm->ProfileExt, QStringLiteral(".avi"));
    QCOMPARE(MainForm->vleAudio->Strings(), QStringList({"Channels=2"}));
    QVERIFY(fakePlatform().plainMessages.isEmpty());
}

void TestProfileGrids::outOfRangeIndexIsReported()
{
    const QByteArray bad
            = QByteArray(VideoProfile).replace("Caption=AAC,\n", "Caption=AAC,\nIndex=5\n");
    start(bad);
    QCOMPARE(fakePlatform().plainMessages, QStringList({"List index out of bounds (5)"}));
    QCOMPARE(MainForm->ProfileExt, QStringLiteral(".mkv"));
    QCOMPARE(MainForm->vleVideo->Strings(),
             QStringList({"Video Codec=H.264", "Video Size=Original Size", "Aspect=4:3"}));
    QCOMPARE(MainForm->vleAudio->Strings(), QStringList({"Audio Codec="}));
    QCOMPARE(MainForm->vleAdvanced->Strings(), QStringList());
    QCOMPARE(MainForm->vleVideo->height(), 6 * 18); // the design-time rows' height
    QCOMPARE(m_folder->readFile(QStringLiteral("Profiles/Video.apf")), bad);
}

void TestProfileGrids::loadOpensCollapsedSections()
{
    start();
    QCOMPARE(m_folder->readFile(QStringLiteral("Profiles/Video.apf")),
             QByteArray(VideoProfile).replace("\n", "\r\n"));
    MainForm->btnVideo->setText(QStringLiteral("+"));
    MainForm->vleVideo->setFixedHeight(1);
    MainForm->cmbProfileChange();
    QCOMPARE(MainForm->vleVideo->height(), 3 * 18);
    QCOMPARE(MainForm->vleAudio->height(), 18);
    QCOMPARE(MainForm->vleAdvanced->height(), 18);
    QCOMPARE(MainForm->btnVideo->text(), QStringLiteral("+"));
}

void TestProfileGrids::eachGridDrawsByTheRule()
{
    start();
    // Video row 0 and audio row 0 are pick lists, advanced row 0 read-only text: a handler
    // painting by another grid's rows would show it here.
    for (TValueListEditor *grid : {MainForm->vleVideo, MainForm->vleAudio, MainForm->vleAdvanced}) {
        QVERIFY(grid->DrawCell());
        for (int row = 0; row < grid->Count(); ++row) {
            for (int col : {0, 1}) {
                TValueListEditor::CellColors drawn {QColor(Qt::red), QColor(Qt::green)};
                TValueListEditor::CellColors expected = drawn;
                grid->DrawCell()(col, row, QRect(), drawn);
                PaintParameterCell(*grid, col, row, expected);
                QCOMPARE(drawn.font, expected.font);
                QCOMPARE(drawn.brush, expected.brush);
            }
        }
    }
    TValueListEditor::CellColors aspect {QColor(Qt::red), QColor(Qt::green)};
    MainForm->vleVideo->DrawCell()(TValueListEditor::ValueColumn, 2, QRect(), aspect);
    QCOMPARE(aspect.font, QColor(192, 192, 192));
}

void TestProfileGrids::mouseDownRepaintsTheFourGrids()
{
    // One row in each grid, so that all four sections fit the pane and are painted.
    start("[Main]\nPara=3\n0=Video Codec\n1=Audio Codec\n2=Deinterlace\n"
          "[Video Codec]\nSort=1\nCaption=H.264,\n[Audio Codec]\nSort=2\nCaption=AAC,\n"
          "[Deinterlace]\nSort=3\nCaption=No,\n");
    MainForm->show();
    QVERIFY(QTest::qWaitForWindowExposed(MainForm));
    PaintRecorder recorder;
    for (TValueListEditor *grid :
         {MainForm->vleOutput, MainForm->vleVideo, MainForm->vleAudio, MainForm->vleAdvanced})
        grid->viewport()->installEventFilter(&recorder);
    // The press would move the focus first, which paints the grid on its own.
    MainForm->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(MainForm));
    MainForm->vleAudio->setFocus();
    QCoreApplication::processEvents();
    recorder.painted.clear();
    QTest::mousePress(MainForm->vleAudio->viewport(), Qt::LeftButton, {}, QPoint(10, 5));
    // Painted at once, before the press is handled any further, in this order.
    QCOMPARE(recorder.painted.mid(0, 4),
             QStringList({"vleOutput", "vleVideo", "vleAudio", "vleAdvanced"}));
    QTest::mouseRelease(MainForm->vleAudio->viewport(), Qt::LeftButton, {}, QPoint(10, 5));
}

void TestProfileGrids::customSizeOpensTheDialog_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("cursorOnIt");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("opens");
    QTest::newRow("cursor on Video Size") << "Video Size" << true << "Custom Size" << true;
    QTest::newRow("cursor elsewhere") << "Video Size" << false << "Custom Size" << false;
    QTest::newRow("other choice") << "Video Size" << true << "640x480" << false;
    QTest::newRow("name in other case") << "video size" << true << "Custom Size" << false;
    QTest::newRow("value in other case") << "Video Size" << true << "custom size" << false;
}

void TestProfileGrids::customSizeOpensTheDialog()
{
    QFETCH(QString, name);
    QFETCH(bool, cursorOnIt);
    QFETCH(QString, value);
    QFETCH(bool, opens);
    start(QByteArray(VideoProfile).replace("1=Video Size", "1=" + name.toUtf8()));
    MainForm->show();
    QVERIFY(QTest::qWaitForWindowExposed(MainForm));
    MainForm->vleVideo->SetCurrentCell(TValueListEditor::ValueColumn, cursorOnIt ? 1 : 0);
    MainForm->vleVideo->SetValue(1, value);
    QCOMPARE(SizeForm->isVisible(), opens);
    QCOMPARE(MainForm->isEnabled(), !opens);
    if (!opens)
        return;
    // Above the main window and centred on it.
    QCOMPARE(SizeForm->windowHandle()->transientParent(), MainForm->windowHandle());
    const QPoint offset = SizeForm->frameGeometry().center() - MainForm->frameGeometry().center();
    QVERIFY(offset.manhattanLength() <= 2);
}

void TestProfileGrids::pickingCustomSizeFromTheList()
{
    start();
    MainForm->show();
    QVERIFY(QTest::qWaitForWindowExposed(MainForm));
    TValueListEditor *grid = MainForm->vleVideo;
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(1, 1)).center());
    auto *combo = grid->findChild<QComboBox *>();
    QVERIFY(combo);
    QVERIFY(!combo->isEditable());
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    QCOMPARE(grid->Values(QStringLiteral("Video Size")), QStringLiteral("Custom Size"));
    QVERIFY(SizeForm->isVisible());
    QVERIFY(!MainForm->isEnabled());
}

void TestProfileGrids::okChecksTheNumbers_data()
{
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("written"); // empty: refused
    QTest::addColumn<QString>("caption");
    QTest::newRow("plain") << "640"
                           << "480"
                           << "640x480"
                           << "";
    QTest::newRow("leading blank kept") << " 640"
                                        << "480"
                                        << " 640x480"
                                        << "";
    QTest::newRow("zero and negative") << "0"
                                       << "-2"
                                       << "0x-2"
                                       << "";
    QTest::newRow("hexadecimal as typed") << "$10"
                                          << "0x20"
                                          << "$10x0x20"
                                          << "";
    QTest::newRow("trailing blank in width") << "640 "
                                             << "480"
                                             << ""
                                             << "Incorrect Width";
    QTest::newRow("empty width") << ""
                                 << "480"
                                 << ""
                                 << "Incorrect Width";
    QTest::newRow("both wrong: width first") << "wide"
                                             << "high"
                                             << ""
                                             << "Incorrect Width";
    QTest::newRow("trailing blank in height") << "640"
                                              << "480 "
                                              << ""
                                              << "Incorrect Height";
    QTest::newRow("letters in height") << "640"
                                       << "4k"
                                       << ""
                                       << "Incorrect Height";
}

void TestProfileGrids::okChecksTheNumbers()
{
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(QString, written);
    QFETCH(QString, caption);
    start();
    pickCustomSize();
    QVERIFY(SizeForm->isVisible());
    SizeForm->edtWidth->setText(width);
    SizeForm->edtHeight->setText(height);
    SizeForm->btnOK->click();

    const QString shown = MainForm->vleVideo->Values(QStringLiteral("Video Size"));
    if (!written.isEmpty()) {
        QVERIFY(fakePlatform().messages.isEmpty());
        QCOMPARE(shown, written);
        QVERIFY(!SizeForm->isVisible());
        QVERIFY(MainForm->isEnabled());
        return;
    }
    QCOMPARE(fakePlatform().messages.size(), 1);
    const FakePlatform::Message &message = fakePlatform().messages.at(0);
    const bool forWidth = caption == QLatin1String("Incorrect Width");
    QCOMPARE(message.caption, caption);
    QCOMPARE(message.text,
             forWidth ? QStringLiteral("Please specify a proper width for output videos.")
                      : QStringLiteral("Please specify a proper height for output videos."));
    QCOMPARE(message.icon, Platform::MessageIcon::Information);
    QCOMPARE(message.buttons, Platform::MessageButtons::Ok);
    QCOMPARE(message.owner.data(), SizeForm);
    QCOMPARE(SizeForm->focusWidget(),
             static_cast<QWidget *>(forWidth ? SizeForm->edtWidth : SizeForm->edtHeight));
    QVERIFY(SizeForm->isVisible());
    QVERIFY(!MainForm->isEnabled());
    QCOMPARE(shown, QStringLiteral("Custom Size"));
}

void TestProfileGrids::closingWithoutASize_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::newRow("Cancel") << true;
    QTest::newRow("title-bar close") << false;
}

void TestProfileGrids::closingWithoutASize()
{
    QFETCH(bool, cancel);
    start();
    pickCustomSize();
    QVERIFY(SizeForm->isVisible());
    SizeForm->edtWidth->setText(QStringLiteral("320"));
    SizeForm->edtHeight->setText(QStringLiteral("240"));
    if (cancel)
        SizeForm->btnCancel->click();
    else
        QVERIFY(SizeForm->close());
    QVERIFY(!SizeForm->isVisible());
    QVERIFY(MainForm->isEnabled());
    QCOMPARE(MainForm->vleVideo->Values(QStringLiteral("Video Size")),
             QStringLiteral("Original Size"));
}

void TestProfileGrids::textsKeptForTheNextShowing()
{
    start();
    pickCustomSize();
    SizeForm->edtWidth->setText(QStringLiteral("320"));
    SizeForm->edtHeight->setText(QStringLiteral(" 240"));
    SizeForm->btnOK->click();
    QCOMPARE(MainForm->vleVideo->Values(QStringLiteral("Video Size")), QStringLiteral("320x 240"));

    pickCustomSize();
    QVERIFY(SizeForm->isVisible());
    QCOMPARE(SizeForm->edtWidth->text(), QStringLiteral("320"));
    QCOMPARE(SizeForm->edtHeight->text(), QStringLiteral(" 240"));
    SizeForm->btnOK->click();
    QCOMPARE(MainForm->vleVideo->Values(QStringLiteral("Video Size")), QStringLiteral("320x 240"));
}

void TestProfileGrids::dialogOpensDuringTheLoad()
{
    // "Video Size" first in the video grid, starting on "Custom Size".
    QByteArray profile = VideoProfile;
    profile.replace("0=Video Codec\n1=Video Size\n", "0=Video Size\n1=Video Codec\n")
            .replace("Caption=Original Size,Custom Size,640x480,\n",
                     "Caption=Original Size,Custom Size,640x480,\nIndex=1\n");
    m_folder->writeFile(QStringLiteral("Profiles/Video.apf"), profile);
    m_windows = std::make_unique<ProgramWindows>(StartupInfo {m_folder->programFile(), {}});
    MainForm->vleVideo->SetCurrentCell(TValueListEditor::ValueColumn, 0);
    bool openWhileLoading = false;
    connect(MainForm->vleAudio, &TValueListEditor::stringsChange, this,
            [&openWhileLoading] { openWhileLoading = openWhileLoading || SizeForm->isVisible(); });
    MainForm->cmbProfile->setCurrentIndex(0);
    MainForm->cmbProfileChange();

    QVERIFY(openWhileLoading);
    QVERIFY(SizeForm->isVisible());
    QVERIFY(!MainForm->isEnabled());
    // The load went on to the end.
    QCOMPARE(MainForm->vleVideo->Strings(),
             QStringList({"Video Size=Custom Size", "Video Codec=H.264", "Aspect=4:3"}));
    QCOMPARE(MainForm->vleAdvanced->Strings(), QStringList({"Deinterlace=No"}));
    SizeForm->btnCancel->click();
    QCOMPARE(MainForm->vleVideo->Values(QStringLiteral("Video Size")),
             QStringLiteral("Original Size"));
    QVERIFY(MainForm->isEnabled());
}

VANTREL_TEST_MAIN(TestProfileGrids)
#include "tst_profilegrids.moc"
