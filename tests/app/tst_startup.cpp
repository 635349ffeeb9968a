#include "testmain.h"

#include "app/aboutform.h"
#include "app/appglobals.h"
#include "app/application.h"
#include "profiles/sizeform.h"
#include "profiles/valuelisteditor.h"
#include "programfolder.h"
#include "settings/settingform.h"
#include "tasks/tasklistview.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include <memory>

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void createsTheFourWindowsInOrder();
    void programFolderAndEncoder();
    void inputTypesAndFilter();
    void profileListByExtension();
    void versionFromPreferences_data();
    void versionFromPreferences();
    void layoutOfTheWindow();
    void outputFolderButtons();
    void setGridValue();
    void withTrailingBackslash_data();
    void withTrailingBackslash();

private:
    void start();
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<ProgramWindows> m_windows;
};

void TestStartup::init()
{
    fakePlatform().reset();
    m_folder = std::make_unique<ProgramFolder>();
}

void TestStartup::cleanup()
{
    m_windows.reset();
    m_folder.reset();
}

void TestStartup::start()
{
    m_windows = std::make_unique<ProgramWindows>(StartupInfo {m_folder->programFile(), {}});
}

void TestStartup::createsTheFourWindowsInOrder()
{
    start();
    QVERIFY(MainForm && AboutForm && SettingForm && SizeForm);
    // The About box takes the texts the main window's creation set.
    QCOMPARE(AboutForm->findChild<QLabel *>(QStringLiteral("labVersion"))->text(),
             QStringLiteral("Version 3.0"));
    QVERIFY(!AboutForm->isVisible() && !SettingForm->isVisible() && !SizeForm->isVisible());
}

void TestStartup::programFolderAndEncoder()
{
    start();
    QCOMPARE(AppDir, m_folder->path());
    QVERIFY(AppDir.endsWith(QDir::separator()));
    QCOMPARE(MainForm->EncoderPath, m_folder->path() + QStringLiteral("vezizi.dll"));
    QCOMPARE(MainForm->findChild<QLineEdit *>(QStringLiteral("edtOutputdir"))->text(), AppDir);
    // The store's release writes the preferences back: the file exists after the first start.
    QVERIFY(QFile::exists(m_folder->filePath(QStringLiteral("Preferences.ini"))));
    QCOMPARE(ProgramFolderOf(QStringLiteral("/vantrel")), QStringLiteral("/"));
}

void TestStartup::inputTypesAndFilter()
{
    start();
    QCOMPARE(MainForm->InputExtensions,
             QStringList({".avi", ".mpg", ".mpeg", ".mp4", ".wmv", ".mov", ".vob", ".asf"}));
    const QString mask = QStringLiteral("*.avi;*.mpg;*.mpeg;*.mp4;*.wmv;*.mov;*.vob;*.asf;");
    QCOMPARE(MainForm->InputMask, mask);
    QCOMPARE(MainForm->OpenDialogFilter,
             QStringLiteral("All Support Files(") + mask + QStringLiteral(")|") + mask
                     + QStringLiteral("|AVI Files (*.avi)|*.avi|MPG Files (*.mpg)|*.mpg|"
                                      "MPEG Files (*.mpeg)|*.mpeg|MP4 Files (*.mp4)|*.mp4|"
                                      "WMV Files (*.wmv)|*.wmv|MOV Files (*.mov)|*.mov|"
                                      "VOB Files (*.vob)|*.vob|ASF Files (*.asf)|*.asf|"
                                      "All Files (*.*)|*.*"));
}

void TestStartup::profileListByExtension()
{
    m_folder->writeFile(QStringLiteral("Profiles/b.apf"), "[Main]\r\n");
    m_folder->writeFile(QStringLiteral("Profiles/A.APF"), "[Main]\r\n");
    m_folder->writeFile(QStringLiteral("Profiles/my.clip.apf"), "[Main]\r\n");
    m_folder->writeFile(QStringLiteral("Profiles/c.apf.bak"), "");
    m_folder->writeFile(QStringLiteral("Profiles/d.apfx"), "");
    m_folder->writeFile(QStringLiteral("Profiles/.hidden.apf"), "");
    QDir(m_folder->filePath(QStringLiteral("Profiles"))).mkdir(QStringLiteral("x.apf"));
    start();
    auto *list = MainForm->findChild<QComboBox *>(QStringLiteral("cmbProfile"));
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    QCOMPARE(items, QStringList({".hidden", "A", "b", "my.clip"}));
    QCOMPARE(list->currentIndex(), -1);
}

void TestStartup::versionFromPreferences_data()
{
    QTest::addColumn<QByteArray>("preferences");
    QTest::addColumn<QString>("caption");
    QTest::newRow("missing file") << QByteArray() << "Vantrel Batch Video Converter V3.0";
    QTest::newRow("no version") << QByteArray("[Main]\r\nProfile=1\r\n")
                                << "Vantrel Batch Video Converter V3.0";
    QTest::newRow("version") << QByteArray("[Main]\r\nVersion=4.2\r\n")
                             << "Vantrel Batch Video Converter V4.2";
}

void TestStartup::versionFromPreferences()
{
    QFETCH(QByteArray, preferences);
    QFETCH(QString, caption);
    if (!preferences.isNull())
        m_folder->writeFile(QStringLiteral("Preferences.ini"), preferences);
    start();
    QCOMPARE(MainForm->windowTitle(), caption);
    QCOMPARE(MainForm->findChild<QLabel *>(QStringLiteral("labProgramName"))->text(),
             QStringLiteral("Batch Video Converter"));
}

void TestStartup::layoutOfTheWindow()
{
    start();
    QCOMPARE(MainForm->size(), QSize(812, 547));
    auto *list = MainForm->findChild<TAdvListView *>(QStringLiteral("ltvTask"));
    QCOMPARE(list->geometry(), QRect(18, 12, 519, 323));
    QCOMPARE(list->columnWidth(0), 230);
    QCOMPARE(list->columnWidth(1), 90);
    QCOMPARE(list->columnWidth(2), 80);
    QCOMPARE(list->columnWidth(3), 100);
    auto *idle = MainForm->findChild<QWidget *>(QStringLiteral("panBottomCenter"));
    auto *progress = MainForm->findChild<QWidget *>(QStringLiteral("panBottomLeft"));
    QCOMPARE(idle->width(), 637);
    QCOMPARE(progress->width(), 637);
    QCOMPARE(progress->x(), 0);
    QVERIFY(progress->isHidden());
    QVERIFY(MainForm->acceptDrops());

    const QStringList video
            = {"Video Codec", "Video Size", "Bit Rate", "Frame Rate", "Aspect", "Disable Video"};
    auto *vleVideo = MainForm->findChild<TValueListEditor *>(QStringLiteral("vleVideo"));
    QStringList keys;
    for (int row = 0; row < vleVideo->Count(); ++row)
        keys << vleVideo->Key(row);
    QCOMPARE(keys, video);
    auto *vleOutput = MainForm->findChild<TValueListEditor *>(QStringLiteral("vleOutput"));
    QCOMPARE(vleOutput->Strings(), QStringList({"New Filename=", "Start Time=", "End Time="}));
    QCOMPARE(vleOutput->height(), 54);
}

void TestStartup::outputFolderButtons()
{
    start();
    auto *box = MainForm->findChild<QLineEdit *>(QStringLiteral("edtOutputdir"));
    box->setText(m_folder->filePath(QStringLiteral("missing")));
    MainForm->bbtnOpenClick();
    QVERIFY(fakePlatform().shellOpens.isEmpty());
    box->setText(AppDir);
    MainForm->bbtnOpenClick();
    QCOMPARE(fakePlatform().shellOpens, QStringList({AppDir}));

    box->setText(QStringLiteral("kept"));
    MainForm->bbtnBrowserClick(); // the fake answers Cancel
    QCOMPARE(box->text(), QStringLiteral("kept"));
    QCOMPARE(fakePlatform().folderRequests.at(0).title,
             QStringLiteral("Select the output directory."));
    fakePlatform().folderAnswers.enqueue(QStringLiteral("/"));
    MainForm->bbtnBrowserClick();
    QCOMPARE(box->text(), QStringLiteral("/"));
    fakePlatform().folderAnswers.enqueue(QStringLiteral("/videos"));
    MainForm->bbtnBrowserClick();
    QCOMPARE(box->text(), QStringLiteral("/videos") + QDir::separator());
}

void TestStartup::setGridValue()
{
    start();
    MainForm->SetGridValue(0, QStringLiteral("new filename"), QStringLiteral("clip.mp4"));
    QCOMPARE(MainForm->vleOutput->Values(QStringLiteral("New Filename")),
             QStringLiteral("clip.mp4"));
    QCOMPARE(MainForm->vleOutput->Count(), 3);
    MainForm->SetGridValue(2, QStringLiteral("Extra"), QStringLiteral("x"));
    QCOMPARE(MainForm->vleAudio->Strings().constLast(), QStringLiteral("Extra=x"));
    const QStringList before = MainForm->vleVideo->Strings() + MainForm->vleAdvanced->Strings();
    MainForm->SetGridValue(4, QStringLiteral("Video Codec"), QStringLiteral("y"));
    MainForm->SetGridValue(-1, QStringLiteral("Video Codec"), QStringLiteral("y"));
    QCOMPARE(MainForm->vleVideo->Strings() + MainForm->vleAdvanced->Strings(), before);
}

void TestStartup::withTrailingBackslash_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    const QString sep = QDir::separator();
    QTest::newRow("root") << sep << sep;
    QTest::newRow("folder") << QStringLiteral("videos") << QStringLiteral("videos") + sep;
    QTest::newRow("already") << QStringLiteral("videos") + sep << QStringLiteral("videos") + sep;
}

void TestStartup::withTrailingBackslash()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(WithTrailingBackslash(path), expected);
}

VANTREL_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
