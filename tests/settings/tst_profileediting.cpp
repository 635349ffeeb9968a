#include "testmain.h"

#include "app/application.h"
#include "programfolder.h"
#include "settings/settingform.h"

#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

#include <memory>

namespace {

// One parameter of each kind: an editable list, a read-only list, an editable text, a read-only
// text, and a list without "Index" whose "Sort" is no grid (it joins the grid before it).
const QByteArray TestProfile("[Main]\r\nType=mp4\r\nPara=5\r\n0=Video Codec\r\n1=Video Size\r\n"
                             "2=Bit Rate\r\n3=Audio Codec\r\n4=Channels\r\n"
                             "[Video Codec]\r\nSort=1\r\ncmd=-vcodec\r\nList=1\r\n"
                             "Caption=MPEG-4,H.264,\r\nValue=mpeg4,libx264,\r\nIndex=0\r\n"
                             "[Video Size]\r\nSort=1\r\nReadOnly=1\r\ncmd=-s\r\nList=1\r\n"
                             "Caption=Original Size,320x240,\r\nValue=\\,320x240,\r\nIndex=0\r\n"
                             "[Bit Rate]\r\nSort=1\r\ncmd=-b:v\r\nList=0\r\nCaption=800k\r\n"
                             "Value=800k\r\n"
                             "[Audio Codec]\r\nSort=2\r\nReadOnly=1\r\ncmd=-acodec\r\nList=0\r\n"
                             "Caption=AAC\r\nValue=aac\r\n"
                             "[Channels]\r\nSort=0\r\ncmd=-ac\r\nCaption=Mono,Stereo,\r\n"
                             "Value=1,2,\r\n");

// TestProfile after the edits of editTheDialog(): the editable list saved as the position of
// its item, the text into both keys, a missing "Index" inserted below its header; the read-only
// parameters exactly as they were.
const QByteArray SavedProfile("[Main]\r\nType=mp4\r\nPara=5\r\n0=Video Codec\r\n1=Video Size\r\n"
                              "2=Bit Rate\r\n3=Audio Codec\r\n4=Channels\r\n"
                              "[Video Codec]\r\nSort=1\r\ncmd=-vcodec\r\nList=1\r\n"
                              "Caption=MPEG-4,H.264,\r\nValue=mpeg4,libx264,\r\nIndex=1\r\n"
                              "[Video Size]\r\nSort=1\r\nReadOnly=1\r\ncmd=-s\r\nList=1\r\n"
                              "Caption=Original Size,320x240,\r\nValue=\\,320x240,\r\nIndex=0\r\n"
                              "[Bit Rate]\r\nSort=1\r\ncmd=-b:v\r\nList=0\r\nCaption=1200k\r\n"
                              "Value=1200k\r\n"
                              "[Audio Codec]\r\nSort=2\r\nReadOnly=1\r\ncmd=-acodec\r\nList=0\r\n"
                              "Caption=AAC\r\nValue=aac\r\n"
                              "[Channels]\r\nIndex=1\r\nSort=0\r\ncmd=-ac\r\n"
                              "Caption=Mono,Stereo,\r\nValue=1,2,\r\n");

const QByteArray OtherProfile("[Main]\r\nType=avi\r\nPara=1\r\n0=Video Codec\r\n"
                              "[Video Codec]\r\nSort=1\r\nList=1\r\nCaption=XviD,MJPEG,\r\n"
                              "Value=xvid,mjpeg,\r\nIndex=1\r\n");

} // namespace

class TestProfileEditing : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void detailShowsTheStoredProfile();
    void sectionsCollapseAndExpand();
    void okSavesTheChosenProfile();
    void okReloadsTheMainWindowOnlyForItsProfile_data();
    void okReloadsTheMainWindowOnlyForItsProfile();
    void saveAs_data();
    void saveAs();
    void loadThatStoppedKeepsTheRestOfTheFile();

private:
    // Starts with the profiles "Other" and "Test" (listed in this order), "Test" in the main
    // window, and opens the dialog with "&Detail".
    void startWithDetail(const QString &mainProfile = QStringLiteral("Test"));
    void editTheDialog();
    QByteArray profile(const QString &name) const
    {
        return m_folder->readFile(QStringLiteral("Profiles/") + name + QStringLiteral(".apf"));
    }

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<ProgramWindows> m_windows;
};

void TestProfileEditing::init()
{
    fakePlatform().reset();
    m_folder = std::make_unique<ProgramFolder>();
    m_folder->writeFile(QStringLiteral("Profiles/Test.apf"), TestProfile);
    m_folder->writeFile(QStringLiteral("Profiles/Other.apf"), OtherProfile);
}

void TestProfileEditing::cleanup()
{
    m_windows.reset();
    m_folder.reset();
}

void TestProfileEditing::startWithDetail(const QString &mainProfile)
{
    m_windows = std::make_unique<ProgramWindows>(StartupInfo {m_folder->programFile(), {}});
    MainForm->show();
    MainForm->cmbProfile->setCurrentIndex(MainForm->cmbProfile->findText(mainProfile));
    MainForm->cmbProfileChange();
    MainForm->bbtnSetting->click();
}

// What a user can do in the dialog's grids, and what no user can (the read-only ones).
void TestProfileEditing::editTheDialog()
{
    SettingForm->vleVideo->SetValues(QStringLiteral("Video Codec"), QStringLiteral("h.264"));
    SettingForm->vleVideo->SetValues(QStringLiteral("Video Size"), QStringLiteral("320x240"));
    SettingForm->vleVideo->SetValues(QStringLiteral("Bit Rate"), QStringLiteral("1200k"));
    SettingForm->vleAudio->SetValues(QStringLiteral("Audio Codec"), QStringLiteral("MP3"));
    SettingForm->vleAudio->SetValues(QStringLiteral("Channels"), QStringLiteral("Stereo"));
}

void TestProfileEditing::detailShowsTheStoredProfile()
{
    m_windows = std::make_unique<ProgramWindows>(StartupInfo {m_folder->programFile(), {}});
    MainForm->show();
    MainForm->cmbProfile->setCurrentIndex(1);
    MainForm->cmbProfileChange();
    MainForm->vleVideo->SetValues(QStringLiteral("Bit Rate"), QStringLiteral("unsaved"));
    SettingForm->pgcSetting->setCurrentIndex(0);
    MainForm->bbtnSetting->click();

    QVERIFY(SettingForm->isVisible());
    QVERIFY(!MainForm->isEnabled());
    QCOMPARE(SettingForm->pgcSetting->currentIndex(), 1);
    QCOMPARE(SettingForm->cmbProfile->currentText(), QStringLiteral("Test"));
    QCOMPARE(SettingForm->vleVideo->Strings(),
             QStringList({"Video Codec=MPEG-4", "Video Size=Original Size", "Bit Rate=800k"}));
    QCOMPARE(SettingForm->vleAudio->Strings(), QStringList({"Audio Codec=AAC", "Channels=Mono"}));
    QCOMPARE(SettingForm->vleAdvanced->Count(), 0);
    QCOMPARE(SettingForm->vleVideo->columnWidth(0), 160);
    QCOMPARE(SettingForm->vleVideo->height(), 3 * 18);
    // The main window's cell look: a read-only text value in silver.
    TValueListEditor::CellColors colors {Qt::black, Qt::white};
    SettingForm->vleAudio->DrawCell()(TValueListEditor::ValueColumn, 0, QRect(), colors);
    QCOMPARE(colors.font, QColor(192, 192, 192));

    // The settings command keeps the page's content, abandoned changes included.
    SettingForm->vleVideo->SetValues(QStringLiteral("Bit Rate"), QStringLiteral("abandoned"));
    SettingForm->btnCancel->click();
    MainForm->sbtnOptions->click();
    QCOMPARE(SettingForm->pgcSetting->currentIndex(), 0);
    QCOMPARE(SettingForm->vleVideo->Values(QStringLiteral("Bit Rate")),
             QStringLiteral("abandoned"));
    QCOMPARE(profile(QStringLiteral("Test")), TestProfile);
}

void TestProfileEditing::sectionsCollapseAndExpand()
{
    m_windows = std::make_unique<ProgramWindows>(StartupInfo {m_folder->programFile(), {}});
    TValueListEditor *grid = SettingForm->vleVideo;
    QToolButton *button = SettingForm->btnVideo;
    QCOMPARE(button->text(), QStringLiteral("-"));
    QCOMPARE(grid->height(), 6 * 18); // the design-time rows
    QCOMPARE(grid->Count(), 6);
    button->click();
    QCOMPARE(button->text(), QStringLiteral("+"));
    QCOMPARE(grid->height(), 1);
    button->click();
    QCOMPARE(button->text(), QStringLiteral("-"));
    QCOMPARE(grid->height(), 109);
    SettingForm->btnAdvanced->click();
    SettingForm->btnAdvanced->click();
    QCOMPARE(SettingForm->vleAdvanced->height(), 37);
    SettingForm->btnAudio->click();
    QCOMPARE(SettingForm->vleAudio->height(), 1);
    QCOMPARE(SettingForm->panVideo->palette().color(QPalette::Window),
             SettingForm->palette().color(QPalette::Dark));
}

void TestProfileEditing::okSavesTheChosenProfile()
{
    startWithDetail();
    editTheDialog();
    SettingForm->btnOK->click();

    QVERIFY(!SettingForm->isVisible());
    QVERIFY(MainForm->isEnabled());
    QVERIFY(fakePlatform().messages.isEmpty());
    QCOMPARE(profile(QStringLiteral("Test")), SavedProfile);
    QCOMPARE(profile(QStringLiteral("Other")), OtherProfile);
}

void TestProfileEditing::okReloadsTheMainWindowOnlyForItsProfile_data()
{
    QTest::addColumn<QString>("mainProfile");
    QTest::addColumn<QString>("dialogProfile");
    QTest::addColumn<QStringList>("mainVideo");

    QTest::newRow("the main window's profile")
            << "Test"
            << "Test"
            << QStringList({"Video Codec=H.264", "Video Size=Original Size", "Bit Rate=1200k"});
    QTest::newRow("another profile")
            << "Other"
            << "Test" << QStringList({"Video Codec=edited in the main window"});
}

void TestProfileEditing::okReloadsTheMainWindowOnlyForItsProfile()
{
    QFETCH(QString, mainProfile);
    QFETCH(QString, dialogProfile);
    QFETCH(QStringList, mainVideo);
    startWithDetail(mainProfile);
    MainForm->vleVideo->SetValues(QStringLiteral("Video Codec"),
                                  QStringLiteral("edited in the main window"));
    SettingForm->cmbProfile->setCurrentIndex(SettingForm->cmbProfile->findText(dialogProfile));
    SettingForm->cmbProfileChange();
    editTheDialog();
    SettingForm->btnOK->click();

    QCOMPARE(profile(dialogProfile), SavedProfile);
    QCOMPARE(MainForm->vleVideo->Strings(), mainVideo);
}

void TestProfileEditing::saveAs_data()
{
    QTest::addColumn<QString>("destination"); // relative to the program folder; empty: Cancel
    QTest::addColumn<QByteArray>("before"); // the destination's content beforehand
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QByteArray>("test"); // Test.apf afterwards
    QTest::addColumn<bool>("reported");

    QTest::newRow("new file") << "Copy.apf" << QByteArray() << SavedProfile << TestProfile << false;
    QTest::newRow("another existing file")
            << "Profiles/Other.apf" << OtherProfile << SavedProfile << TestProfile << false;
    QTest::newRow("the profile's own file")
            << "Profiles/Test.apf" << TestProfile << SavedProfile << SavedProfile << false;
    QTest::newRow("unwritable folder")
            << "blocker/Copy.apf" << QByteArray() << QByteArray() << TestProfile << true;
    QTest::newRow("cancelled") << QString() << QByteArray() << QByteArray() << TestProfile << false;
}

void TestProfileEditing::saveAs()
{
    QFETCH(QString, destination);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFETCH(QByteArray, test);
    QFETCH(bool, reported);
    // A file where a folder should be: nothing can be created below it, not even by root.
    m_folder->writeFile(QStringLiteral("blocker"), "not a folder");
    startWithDetail();
    if (!destination.isEmpty())
        QCOMPARE(m_folder->readFile(destination), before);
    editTheDialog();
    fakePlatform().saveFileAnswers.enqueue(destination.isEmpty() ? QString()
                                                                 : m_folder->filePath(destination));
    SettingForm->btnSaveAs->click();

    QCOMPARE(fakePlatform().saveRequests, QStringList({".apf|Profiles (*.apf)|*.apf"}));
    if (!destination.isEmpty())
        QCOMPARE(m_folder->readFile(destination), after);
    QCOMPARE(profile(QStringLiteral("Test")), test);
    QCOMPARE(fakePlatform().messages.size(), reported ? 1 : 0);
    if (reported) {
        const FakePlatform::Message &report = fakePlatform().messages.at(0);
        QVERIFY2(report.text.startsWith(QStringLiteral("Cannot create file \"")
                                        + m_folder->filePath(destination)),
                 qPrintable(report.text));
        QCOMPARE(report.icon, Platform::MessageIcon::Error);
        QCOMPARE(report.owner.data(), SettingForm);
    }
    // The dialog stays open with its choice and changes, and the list is not refreshed.
    QVERIFY(SettingForm->isVisible());
    QCOMPARE(SettingForm->cmbProfile->currentText(), QStringLiteral("Test"));
    QCOMPARE(SettingForm->cmbProfile->count(), 2);
    QCOMPARE(SettingForm->vleVideo->Values(QStringLiteral("Bit Rate")), QStringLiteral("1200k"));
}

void TestProfileEditing::loadThatStoppedKeepsTheRestOfTheFile()
{
    // "Size" names an item its list does not have: the load stops there, "Rate" is not shown.
    const QByteArray broken("[Main]\r\nPara=3\r\n0=Codec\r\n1=Size\r\n2=Rate\r\n"
                            "[Codec]\r\nSort=1\r\nCaption=a,b,\r\nIndex=1\r\n"
                            "[Size]\r\nSort=1\r\nCaption=x,y,\r\nIndex=5\r\n"
                            "[Rate]\r\nSort=1\r\nList=0\r\nCaption=800k\r\nValue=800k\r\n");
    m_folder->writeFile(QStringLiteral("Profiles/Broken.apf"), broken);
    startWithDetail();
    SettingForm->cmbProfile->setCurrentIndex(SettingForm->cmbProfile->findText("Broken"));
    SettingForm->cmbProfileChange();
    QCOMPARE(fakePlatform().plainMessages.takeLast(),
             QStringLiteral("List index out of bounds (5)"));
    QCOMPARE(SettingForm->vleVideo->Strings(), QStringList({"Codec=b", "Size="}));

    SettingForm->btnOK->click();
    const QByteArray saved = profile(QStringLiteral("Broken"));
    QVERIFY2(saved.contains("[Rate]\r\nSort=1\r\nList=0\r\nCaption=800k\r\nValue=800k\r\n"),
             saved.constData());
    QVERIFY(saved.contains("[Codec]\r\nSort=1\r\nCaption=a,b,\r\nIndex=1\r\n"));
}

VANTREL_TEST_MAIN(TestProfileEditing)
#include "tst_profileediting.moc"
