#include "testmain.h"

#include "app/application.h"
#include "profiles/valuelisteditor.h"
#include "programfolder.h"
#include "settings/settingform.h"

#include <QToolButton>

#include <memory>

class TestSections : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void toggleByButtonAndHeader_data();
    void toggleByButtonAndHeader();
    void dialogHeadersIgnoreDoubleClicks();

private:
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<ProgramWindows> m_windows;
};

void TestSections::init()
{
    fakePlatform().reset();
    m_folder = std::make_unique<ProgramFolder>();
    m_windows = std::make_unique<ProgramWindows>(StartupInfo {m_folder->programFile(), {}});
    MainForm->show();
    QVERIFY(QTest::qWaitForWindowExposed(MainForm));
}

void TestSections::cleanup()
{
    m_windows.reset();
    m_folder.reset();
}

void TestSections::toggleByButtonAndHeader_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("expanded"); // rows x 17 + rows + 1
    QTest::newRow("Output") << "Output" << 55;
    QTest::newRow("Video") << "Video" << 109;
    QTest::newRow("Audio") << "Audio" << 109;
    QTest::newRow("Advanced") << "Advanced" << 37;
}

void TestSections::toggleByButtonAndHeader()
{
    QFETCH(QString, name);
    QFETCH(int, expanded);
    auto *button = MainForm->findChild<QToolButton *>(QStringLiteral("btn") + name);
    auto *grid = MainForm->findChild<TValueListEditor *>(QStringLiteral("vle") + name);
    auto *header = MainForm->findChild<QWidget *>(QStringLiteral("pan") + name);
    QVERIFY(button && grid && header);
    QCOMPARE(button->text(), QStringLiteral("-"));

    button->click();
    QCOMPARE(grid->height(), 1);
    QCOMPARE(button->text(), QStringLiteral("+"));
    button->click();
    QCOMPARE(grid->height(), expanded);
    QCOMPARE(button->text(), QStringLiteral("-"));

    // A double click anywhere on the header, its caption included, toggles as the button does.
    QTest::mouseDClick(header->childAt(60, 9) ? header->childAt(60, 9) : header, Qt::LeftButton, {},
                       QPoint(10, 9));
    QCOMPARE(grid->height(), 1);
    QCOMPARE(button->text(), QStringLiteral("+"));
}

void TestSections::dialogHeadersIgnoreDoubleClicks()
{
    auto *header = SettingForm->findChild<QWidget *>(QStringLiteral("panVideo"));
    auto *button = SettingForm->findChild<QToolButton *>(QStringLiteral("btnVideo"));
    auto *grid = SettingForm->findChild<TValueListEditor *>(QStringLiteral("vleVideo"));
    const int height = grid->height();
    QTest::mouseDClick(header, Qt::LeftButton, {}, QPoint(100, 9));
    QCOMPARE(grid->height(), height);
    button->click();
    QCOMPARE(grid->height(), 1);
}

VANTREL_TEST_MAIN(TestSections)
#include "tst_sections.moc"
