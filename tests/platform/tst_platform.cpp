#include "testmain.h"

#include "platform/platform.h"

#include <QDir>
#include <QTemporaryDir>

class TestPlatform : public QObject
{
    Q_OBJECT
private slots:
    void filterToNameFilters();
    void browseForFolderEmptiesAMissingStart();
};

void TestPlatform::filterToNameFilters()
{
    const QString filter = QStringLiteral("All Support Files(*.avi;*.mpg;)|*.avi;*.mpg;|AVI Files "
                                          "(*.avi)|*.avi|All Files (*.*)|*.*");
    QCOMPARE(Platform::FilterToNameFilters(filter),
             QStringList({QStringLiteral("All Support Files (*.avi *.mpg)"),
                          QStringLiteral("AVI Files (*.avi)"), QStringLiteral("All Files (*.*)")}));
}

void TestPlatform::browseForFolderEmptiesAMissingStart()
{
    fakePlatform().reset();
    QTemporaryDir dir;
    QString folder = dir.path() + QStringLiteral("/missing");
    fakePlatform().folderAnswers.enqueue(QString());
    QVERIFY(!Platform::BrowseForFolder(nullptr, QStringLiteral("T"), QString(), folder));
    QCOMPARE(fakePlatform().folderRequests.size(), 1);
    QCOMPARE(fakePlatform().folderRequests.at(0).start, QString());

    folder = dir.path();
    fakePlatform().folderAnswers.enqueue(QStringLiteral("/chosen"));
    QVERIFY(Platform::BrowseForFolder(nullptr, QStringLiteral("T"), QString(), folder));
    QCOMPARE(fakePlatform().folderRequests.at(1).start, dir.path());
    QCOMPARE(folder, QStringLiteral("/chosen"));
}

VANTREL_TEST_MAIN(TestPlatform)
#include "tst_platform.moc"
