#include "testmain.h"

#include "app/appglobals.h"
#include "app/application.h"
#include "profiles/newinifiles.h"
#include "programfolder.h"
#include "settings/preferences.h"
#include "settings/settingform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

#include <memory>

namespace {

const QString PreferencesFile = QStringLiteral("Preferences.ini");

// The general page as one comparable line: path|syn|open|exit|off|overwrite.
QString describe(const GeneralPreferences &page)
{
    return QStringLiteral("%1|%2|%3|%4|%5|%6")
            .arg(page.outputPath)
            .arg(page.synMode)
            .arg(page.autoOpenDir)
            .arg(page.autoExit)
            .arg(page.autoTurnOff)
            .arg(page.overwrite);
}

} // namespace

class TestPreferences : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void generalPageControls();
    void shippedPreferences();
    void startLoadsThePreferences_data();
    void startLoadsThePreferences();
    void loadDefault_data();
    void loadDefault();
    void showingDisablesTheMainWindow();
    void cancelKeepsChoicesUntilExit();
    void okWritesTheSixKeysAndExitAddsProfile();
    void positionsOutsideTheListsAreSavedAsMinusOne_data();
    void positionsOutsideTheListsAreSavedAsMinusOne();
    void unwritablePreferencesAreReportedOnce();
    void folderButton();
    void closingTheMainWindowEndsTheProgram();

private:
    void start(const QByteArray &preferences = QByteArray(), int profiles = 2);
    QByteArray preferences() const { return m_folder->readFile(PreferencesFile); }

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<ProgramWindows> m_windows;
};

void TestPreferences::init()
{
    fakePlatform().reset();
    m_folder = std::make_unique<ProgramFolder>();
}

void TestPreferences::cleanup()
{
    m_windows.reset();
    m_folder.reset();
}

// Starts the program against the folder as it would run: windows created, main window shown.
// The profiles p0, p1, ... have the types "p0", "p1", ... and no parameters.
void TestPreferences::start(const QByteArray &preferences, int profiles)
{
    if (!preferences.isNull())
        m_folder->writeFile(PreferencesFile, preferences);
    for (int i = 0; i < profiles; ++i)
        m_folder->writeFile(QStringLiteral("Profiles/p%1.apf").arg(i),
                            QStringLiteral("[Main]\r\nType=p%1\r\nPara=0\r\n").arg(i).toLatin1());
    m_windows = std::make_unique<ProgramWindows>(StartupInfo {m_folder->programFile(), {}});
    MainForm->show();
}

void TestPreferences::generalPageControls()
{
    start();
    const auto text = [](const char *name) {
        QWidget *widget = SettingForm->findChild<QWidget *>(QLatin1String(name));
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            return button->text();
        if (auto *group = qobject_cast<QGroupBox *>(widget))
            return group->title();
        return widget ? QStringLiteral("<other>") : QStringLiteral("<missing>");
    };
    QCOMPARE(text("chkOpenDir"),
             QStringLiteral("Open the output directory when the task is completed. "));
    QCOMPARE(text("chkExit"), QStringLiteral("Exit the program when the task is completed."));
    QCOMPARE(text("chkTurnoff"),
             QStringLiteral("Turn off the computer when the task is completed."));
    QCOMPARE(text("GroupBox1"), QStringLiteral("Output File Overwrite"));
    QCOMPARE(text("rdbOverWrite"), QStringLiteral("Overwrite"));
    QCOMPARE(text("rdbRename"), QStringLiteral("Not overwrite (Rename to <Filename> + Index"));
    QVERIFY(SettingForm->findChild<QLineEdit *>(QStringLiteral("edtOutputDir")));
    QVERIFY(SettingForm->findChild<QToolButton *>(QStringLiteral("sbtnBrowse")));
    auto *syn = SettingForm->findChild<QComboBox *>(QStringLiteral("cmbSyn"));
    QVERIFY(syn);
    QStringList items;
    for (int i = 0; i < syn->count(); ++i)
        items << syn->itemText(i);
    QCOMPARE(items, QStringList({"Auto", "Force Mode", "Progressive Mode"}));
    QCOMPARE(SettingForm->size(), QSize(391, 498));
    QCOMPARE(SettingForm->pgcSetting->tabText(0), QStringLiteral("     General     "));
    QCOMPARE(SettingForm->pgcSetting->tabText(1), QStringLiteral("     Profiles     "));
    // Both radio buttons belong to the group: ticking one clears the other.
    SettingForm->rdbRename->setChecked(true);
    QVERIFY(!SettingForm->rdbOverWrite->isChecked());
}

void TestPreferences::shippedPreferences()
{
    QFile file(sourceDir() + QStringLiteral("/data/Preferences.ini"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray shipped = file.readAll();
    QVERIFY(!shipped.contains("\n") || shipped.count("\n") == shipped.count("\r\n"));
    m_folder->writeFile(PreferencesFile, shipped);
    TNewInifile ini(m_folder->filePath(PreferencesFile));
    QCOMPARE(ini.ReadString(QStringLiteral("Main"), QStringLiteral("Version"), QString()),
             QStringLiteral("3.0"));
    // The factory settings are a first start's: the program's folder, the open-folder tick.
    AppDir = m_folder->path();
    GeneralPreferences first;
    first.outputPath = AppDir;
    QCOMPARE(describe(ReadGeneralPreferences(ini, PreferenceSection::Default)), describe(first));
    QCOMPARE(describe(ReadGeneralPreferences(ini, PreferenceSection::Main)), describe(first));
}

void TestPreferences::startLoadsThePreferences_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("profile");
    QTest::addColumn<QString>("page"); // %1 stands for the program's folder

    QTest::newRow("first start") << QByteArray() << 0 << "%1|0|1|0|0|1";
    QTest::newRow("empty section") << QByteArray("[Main]\r\n") << 0 << "%1|0|1|0|0|1";
    QTest::newRow("stored") << QByteArray("[Main]\r\nProfile=1\r\nOutput Path=/videos/\r\n"
                                          "Syn Mode=2\r\nAuto Open Dir=0\r\nAuto Exit=1\r\n"
                                          "Auto Turn Off=True\r\nOverwrite=0\r\n")
                            << 1 << "/videos/|2|0|1|1|0";
    QTest::newRow("values that do not convert")
            << QByteArray("[Main]\r\nProfile=one\r\nSyn Mode=2 \r\nAuto Open Dir=no\r\n"
                          "Auto Exit=\r\nOverwrite=maybe\r\n")
            << 0 << "%1|0|1|0|0|1";
    QTest::newRow("empty output path is kept")
            << QByteArray("[Main]\r\nOutput Path=\r\n") << 0 << "|0|1|0|0|1";
    QTest::newRow("only the default section")
            << QByteArray("[Default]\r\nAuto Open Dir=0\r\nAuto Exit=1\r\n") << 0 << "%1|0|1|0|0|1";
}

void TestPreferences::startLoadsThePreferences()
{
    QFETCH(QByteArray, file);
    QFETCH(int, profile);
    QFETCH(QString, page);
    start(file);
    const QString expected = QString(page).replace(QStringLiteral("%1"), m_folder->path());
    QCOMPARE(describe(SettingForm->GeneralPage()), expected);
    QCOMPARE(MainForm->edtOutputdir->text(), expected.section(QLatin1Char('|'), 0, 0));
    QCOMPARE(MainForm->cmbProfile->currentIndex(), profile);
    // The preferred profile is loaded: its type becomes the output extension.
    QCOMPARE(MainForm->ProfileExt, QStringLiteral(".p%1").arg(profile));
    QCOMPARE(SettingForm->rdbRename->isChecked(), !SettingForm->rdbOverWrite->isChecked());
    // The dialog's list is a copy of the main window's, with nothing chosen.
    QCOMPARE(SettingForm->cmbProfile->count(), 2);
    QCOMPARE(SettingForm->cmbProfile->itemText(1), MainForm->cmbProfile->itemText(1));
    QCOMPARE(SettingForm->cmbProfile->currentIndex(), -1);
    // Loading writes the file back, so a first start leaves one behind.
    QVERIFY(QFile::exists(m_folder->filePath(PreferencesFile)));
}

void TestPreferences::loadDefault_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("page"); // %1 stands for the program's folder

    const QByteArray changed("[Main]\r\nOutput Path=/videos/\r\nSyn Mode=1\r\nAuto Open Dir=1\r\n"
                             "Auto Exit=1\r\nAuto Turn Off=1\r\nOverwrite=0\r\n");
    QTest::newRow("no default section") << changed << int(Platform::IdYes) << "%1|0|0|0|0|1";
    QTest::newRow("factory settings") << changed
                    + "[Default]\r\nOutput Path=/out/\r\nSyn Mode=2\r\nAuto Open Dir=1\r\n"
                      "Overwrite=0\r\n"
                                      << int(Platform::IdYes) << "/out/|2|1|0|0|0";
    QTest::newRow("answered no") << changed << int(Platform::IdNo) << "/videos/|1|1|1|1|0";
}

void TestPreferences::loadDefault()
{
    QFETCH(QByteArray, file);
    QFETCH(int, answer);
    QFETCH(QString, page);
    start(file);
    fakePlatform().messageAnswers.enqueue(answer);
    SettingForm->btnDefault->click();

    QCOMPARE(fakePlatform().messages.size(), 1);
    const FakePlatform::Message &question = fakePlatform().messages.at(0);
    QCOMPARE(question.owner.data(), SettingForm);
    QCOMPARE(question.text, QStringLiteral("Are you sure to load the default preferences?"));
    QCOMPARE(question.caption, QStringLiteral("Load Default"));
    QCOMPARE(question.icon, Platform::MessageIcon::Question);
    QCOMPARE(question.buttons, Platform::MessageButtons::YesNo);
    QCOMPARE(describe(SettingForm->GeneralPage()),
             QString(page).replace(QStringLiteral("%1"), m_folder->path()));
    // Loading the defaults writes nothing of its own.
    QCOMPARE(preferences(), file);
}

void TestPreferences::showingDisablesTheMainWindow()
{
    start();
    MainForm->edtOutputdir->setText(QStringLiteral("/videos/"));
    SettingForm->pgcSetting->setCurrentIndex(1);
    MainForm->sbtnOptions->click();
    QVERIFY(SettingForm->isVisible());
    QCOMPARE(SettingForm->pgcSetting->currentIndex(), 0);
    QVERIFY(!MainForm->isEnabled());
    QCOMPARE(SettingForm->edtOutputDir->text(), QStringLiteral("/videos/"));
    // Any way of closing gives the main window back, the title-bar button too.
    SettingForm->close();
    QVERIFY(MainForm->isEnabled());
}

void TestPreferences::cancelKeepsChoicesUntilExit()
{
    start();
    const QByteArray before = preferences();
    MainForm->tbtnSettingClick();
    SettingForm->chkExit->setChecked(true);
    SettingForm->edtOutputDir->setText(QStringLiteral("/elsewhere/"));
    SettingForm->btnCancel->click();

    QVERIFY(!SettingForm->isVisible());
    QVERIFY(MainForm->isEnabled());
    QCOMPARE(preferences(), before);
    QCOMPARE(MainForm->edtOutputdir->text(), m_folder->path());
    // The tick stays in force; the folder box is refilled from the main window.
    MainForm->tbtnSettingClick();
    QVERIFY(SettingForm->chkExit->isChecked());
    QCOMPARE(SettingForm->edtOutputDir->text(), m_folder->path());
    SettingForm->btnCancel->click();

    MainForm->close();
    QVERIFY(preferences().contains("\r\nAuto Exit=1\r\n"));
}

void TestPreferences::okWritesTheSixKeysAndExitAddsProfile()
{
    // Each new key goes directly under the header, so the file shows the order of writing.
    start("[Main]\r\nVersion=3.0\r\n[Default]\r\nSyn Mode=1\r\n");
    MainForm->tbtnSettingClick();
    SettingForm->cmbSyn->setCurrentIndex(2);
    SettingForm->chkExit->setChecked(true);
    SettingForm->edtOutputDir->setText(QStringLiteral("/out/"));
    SettingForm->btnOK->click();

    QVERIFY(!SettingForm->isVisible());
    QCOMPARE(MainForm->edtOutputdir->text(), QStringLiteral("/out/"));
    QCOMPARE(preferences(),
             QByteArray("[Main]\r\nOverwrite=1\r\nAuto Turn Off=0\r\nAuto Exit=1\r\n"
                        "Auto Open Dir=1\r\nSyn Mode=2\r\nOutput Path=/out/\r\nVersion=3.0\r\n"
                        "[Default]\r\nSyn Mode=1\r\n"));

    // At exit the existing lines are replaced where they stand.
    MainForm->cmbProfile->setCurrentIndex(1);
    SettingForm->rdbRename->setChecked(true);
    SettingForm->chkExit->setChecked(false);
    MainForm->close();
    QCOMPARE(preferences(),
             QByteArray("[Main]\r\nProfile=1\r\nOverwrite=0\r\nAuto Turn Off=0\r\n"
                        "Auto Exit=0\r\nAuto Open Dir=1\r\nSyn Mode=2\r\nOutput Path=/out/\r\n"
                        "Version=3.0\r\n[Default]\r\nSyn Mode=1\r\n"));
}

void TestPreferences::positionsOutsideTheListsAreSavedAsMinusOne_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("profiles");
    QTest::addColumn<QString>("extension"); // of the profile loaded at start, if any
    QTest::addColumn<QByteArray>("saved");

    QTest::newRow("profile beyond the list")
            << QByteArray("[Main]\r\nProfile=2\r\n") << 2 << QString() << QByteArray("Profile=-1");
    QTest::newRow("negative profile")
            << QByteArray("[Main]\r\nProfile=-3\r\n") << 2 << QString() << QByteArray("Profile=-1");
    QTest::newRow("no profiles at all")
            << QByteArray("[Main]\r\nProfile=0\r\n") << 0 << QString() << QByteArray("Profile=-1");
    QTest::newRow("mode beyond the list")
            << QByteArray("[Main]\r\nSyn Mode=3\r\n") << 2 << ".p0" << QByteArray("Syn Mode=-1");
}

void TestPreferences::positionsOutsideTheListsAreSavedAsMinusOne()
{
    QFETCH(QByteArray, file);
    QFETCH(int, profiles);
    QFETCH(QString, extension);
    QFETCH(QByteArray, saved);
    start(file, profiles);
    QCOMPARE(MainForm->cmbProfile->count(), profiles);
    QCOMPARE(MainForm->ProfileExt, extension);
    MainForm->close();
    QVERIFY2(preferences().contains("\r\n" + saved + "\r\n"), preferences().constData());
}

void TestPreferences::unwritablePreferencesAreReportedOnce()
{
    // A folder in the file's place: it can be neither read as a file nor replaced.
    QVERIFY(QDir(m_folder->path()).mkdir(PreferencesFile));
    start();
    // Loading keeps what it read and says nothing: the file on disk is unchanged.
    QVERIFY(fakePlatform().messages.isEmpty());
    QCOMPARE(describe(SettingForm->GeneralPage()), m_folder->path() + QStringLiteral("|0|1|0|0|1"));

    const auto checkReport = [] {
        QCOMPARE(fakePlatform().messages.size(), 1);
        const FakePlatform::Message &report = fakePlatform().messages.takeFirst();
        QVERIFY2(report.text.startsWith(QStringLiteral("Cannot create file \"")),
                 qPrintable(report.text));
        QVERIFY(report.text.contains(PreferencesFile));
        QCOMPARE(report.caption, QGuiApplication::applicationDisplayName());
        QCOMPARE(report.icon, Platform::MessageIcon::Error);
        QCOMPARE(report.buttons, Platform::MessageButtons::Ok);
    };

    // OK that could not save keeps the dialog open.
    MainForm->tbtnSettingClick();
    SettingForm->btnOK->click();
    checkReport();
    QVERIFY(SettingForm->isVisible());
    SettingForm->btnCancel->click();

    MainForm->close();
    checkReport();
    QVERIFY(!MainForm->isVisible());
    QVERIFY(QFileInfo(m_folder->filePath(PreferencesFile)).isDir());
}

void TestPreferences::folderButton()
{
    start();
    SettingForm->edtOutputDir->setText(QStringLiteral("kept"));
    SettingForm->sbtnBrowse->click(); // the fake answers Cancel
    QCOMPARE(SettingForm->edtOutputDir->text(), QStringLiteral("kept"));
    QCOMPARE(fakePlatform().folderRequests.size(), 1);
    QCOMPARE(fakePlatform().folderRequests.at(0).title,
             QStringLiteral("Select the output directory."));
    QCOMPARE(fakePlatform().folderRequests.at(0).root, QString());
    QCOMPARE(fakePlatform().folderRequests.at(0).start, QString());
    fakePlatform().folderAnswers.enqueue(QStringLiteral("/videos"));
    SettingForm->sbtnBrowse->click();
    QCOMPARE(SettingForm->edtOutputDir->text(), QStringLiteral("/videos") + QDir::separator());
}

void TestPreferences::closingTheMainWindowEndsTheProgram()
{
    start();
    MainForm->tbtnSettingClick();
    // The window system may close the main window even while the dialog disables it.
    QTimer::singleShot(0, MainForm, [] { MainForm->close(); });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(preferences().contains("\r\nProfile=0\r\n"));
}

VANTREL_TEST_MAIN(TestPreferences)
#include "tst_preferences.moc"
