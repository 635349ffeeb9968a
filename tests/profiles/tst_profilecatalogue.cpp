#include "testmain.h"

#include "app/appglobals.h"
#include "profiles/profilecatalogue.h"
#include "programfolder.h"

#include <QDir>

class TestProfileCatalogue : public QObject
{
    Q_OBJECT
private slots:
    void splitList_data();
    void splitList();
    void removeFileExt_data();
    void removeFileExt();
    void findFilesByWholeExtension();
    void profilePathOpensTheListedFile_data();
    void profilePathOpensTheListedFile();
};

void TestProfileCatalogue::splitList_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("final comma") << "a,b,c," << QStringList({"a", "b", "c"});
    QTest::newRow("no final comma drops the last") << "a,b,c" << QStringList({"a", "b"});
    QTest::newRow("no comma at all") << "Original Size" << QStringList();
    QTest::newRow("empty") << "" << QStringList();
    QTest::newRow("empty items") << ",a,," << QStringList({"", "a", ""});
    QTest::newRow("blanks kept") << " a , b," << QStringList({" a ", " b"});
}

void TestProfileCatalogue::splitList()
{
    QFETCH(QString, text);
    QFETCH(QStringList, items);
    QCOMPARE(SplitList(text), items);
}

void TestProfileCatalogue::removeFileExt_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("display");
    QTest::newRow("plain") << "MP4 H.264.apf"
                           << "MP4 H.264";
    QTest::newRow("capitals") << "A.APF"
                              << "A";
    QTest::newRow("no dot") << "readme"
                            << "readme";
    QTest::newRow("only an extension") << ".apf"
                                       << "";
    QTest::newRow("trailing dot") << "x."
                                  << "x";
}

void TestProfileCatalogue::removeFileExt()
{
    QFETCH(QString, name);
    QFETCH(QString, display);
    QCOMPARE(RemoveFileExt(name), display);
}

void TestProfileCatalogue::findFilesByWholeExtension()
{
    ProgramFolder folder;
    const QStringList files = {"b.apf",  "A.APF", "my.clip.apf", ".hidden.apf",  "c.apf.bak",
                               "d.apfx", "e.ap",  "apf",         "sub/inner.apf"};
    for (const QString &name : files)
        folder.writeFile(QStringLiteral("Profiles/") + name, "[Main]\r\n");
    QDir(folder.filePath(QStringLiteral("Profiles"))).mkdir(QStringLiteral("x.apf"));
    const QString profiles = folder.filePath(QStringLiteral("Profiles"));

    // By name, letter case ignored; neither folders nor files of sub-folders.
    const QStringList expected = {".hidden.apf", "A.APF", "b.apf", "my.clip.apf"};
    QCOMPARE(FindFilesByExt(profiles, QStringLiteral(".apf")), expected);
    QCOMPARE(FindFilesByExt(profiles + QDir::separator(), QStringLiteral(".APF")), expected);
    QCOMPARE(FindFilesByExt(profiles, QStringLiteral(".bak")), QStringList({"c.apf.bak"}));
    QCOMPARE(FindFilesByExt(folder.filePath(QStringLiteral("missing")), QStringLiteral(".apf")),
             QStringList());
}

void TestProfileCatalogue::profilePathOpensTheListedFile_data()
{
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("file");
    QTest::newRow("lower case") << "b"
                                << "b.apf";
    QTest::newRow("capitals") << "A"
                              << "A.APF";
    QTest::newRow("further dots") << "my.clip"
                                  << "my.clip.apf";
    QTest::newRow("file beside a folder of the same name") << "x"
                                                           << "x.Apf";
    QTest::newRow("missing") << "none"
                             << "none.apf";
}

void TestProfileCatalogue::profilePathOpensTheListedFile()
{
    QFETCH(QString, display);
    QFETCH(QString, file);
    ProgramFolder folder;
    for (const char *name : {"b.apf", "A.APF", "my.clip.apf", "x.Apf"})
        folder.writeFile(QStringLiteral("Profiles/") + QLatin1String(name), "[Main]\r\n");
    QDir(folder.filePath(QStringLiteral("Profiles"))).mkdir(QStringLiteral("x.apf"));
    AppDir = folder.path();
    QCOMPARE(ProfileFolder(), folder.path() + QStringLiteral("Profiles") + QDir::separator());
    QCOMPARE(ProfilePath(display), ProfileFolder() + file);
}

VANTREL_TEST_MAIN(TestProfileCatalogue)
#include "tst_profilecatalogue.moc"
