#include "testmain.h"

#include "profiles/profileloader.h"

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <memory>

namespace {

// Three grids side by side, as a window or the settings dialog holds them.
struct Grids
{
    Grids()
    {
        for (auto &grid : owned)
            grid = std::make_unique<TValueListEditor>();
        for (int i = 0; i < 3; ++i)
            grids[i] = owned[i].get();
    }
    QStringList rows(int grid) const { return grids[grid]->Strings(); }

    std::unique_ptr<TValueListEditor> owned[3];
    TValueListEditor *grids[3] = {};
};

// A profile in the usual layout: "Main" with its numbered names, then one section each.
QByteArray profile(const QByteArray &main, const QList<QByteArray> &sections)
{
    QByteArray text = "[Main]\n" + main;
    for (const QByteArray &section : sections)
        text += section;
    return text;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

const QColor Silver(192, 192, 192);
const QColor Marker(49, 106, 197);

} // namespace

class TestProfileLoader : public QObject
{
    Q_OBJECT
private slots:
    void parameterGrid_data();
    void parameterGrid();
    void loadFillsTheGrids_data();
    void loadFillsTheGrids();
    void rowKinds();
    void missingFileChangesNothing();
    void outOfRangeIndexStopsTheLoad_data();
    void outOfRangeIndexStopsTheLoad();
    void paintParameterCell_data();
    void paintParameterCell();
    void paintBlankRowOfAnEmptyGrid();

private:
    QTemporaryDir m_dir;
};

void TestProfileLoader::parameterGrid_data()
{
    QTest::addColumn<int>("sort");
    QTest::addColumn<int>("previous");
    QTest::addColumn<int>("grid");
    QTest::newRow("video") << 1 << 0 << 1;
    QTest::newRow("audio after video") << 2 << 1 << 2;
    QTest::newRow("advanced after audio") << 3 << 2 << 3;
    QTest::newRow("video after advanced") << 1 << 3 << 1;
    QTest::newRow("first with missing sort") << -1 << 0 << 1;
    QTest::newRow("first with sort 0") << 0 << 0 << 1;
    QTest::newRow("bad after audio") << 4 << 2 << 2;
    QTest::newRow("bad after advanced") << -1 << 3 << 3;
    QTest::newRow("bad after video") << 7 << 1 << 1;
}

void TestProfileLoader::parameterGrid()
{
    QFETCH(int, sort);
    QFETCH(int, previous);
    QFETCH(int, grid);
    QCOMPARE(ParameterGrid(sort, previous), grid);
}

void TestProfileLoader::loadFillsTheGrids_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("ext");
    QTest::addColumn<QStringList>("video");
    QTest::addColumn<QStringList>("audio");
    QTest::addColumn<QStringList>("advanced");

    const QByteArray codec = "[Video Codec]\nSort=1\nCaption=H.264,H.265,\nValue=libx264,libx265,\n"
                             "Index=1\n";
    QTest::newRow("rows by sort, in profile order")
            << profile("Type=avi\nPara=4\n0=Video Codec\n1=Channels\n2=Deinterlace\n3=Aspect\n",
                       {codec, "[Channels]\nSort=2\nList=0\nCaption=2\n",
                        "[Deinterlace]\nSort=3\nCaption=No,Yes,\n",
                        "[Aspect]\nSort=1\nList=0\nReadOnly=1\nCaption=4:3\nValue=4:3\n"})
            << ".avi" << QStringList({"Video Codec=H.265", "Aspect=4:3"})
            << QStringList({"Channels=2"}) << QStringList({"Deinterlace=No"});
    QTest::newRow("missing Type") << profile("Para=1\n0=Video Codec\n", {codec}) << ".mp4"
                                  << QStringList({"Video Codec=H.265"}) << QStringList()
                                  << QStringList();
    QTest::newRow("Type with a dot") << profile("Type=.mkv\nPara=0\n", {codec}) << "..mkv"
                                     << QStringList() << QStringList() << QStringList();
    QTest::newRow("Para 0 empties every grid")
            << profile("Type=flv\nPara=0\n0=Video Codec\n", {codec}) << ".flv" << QStringList()
            << QStringList() << QStringList();
    QTest::newRow("missing Para") << profile("Type=flv\n0=Video Codec\n", {codec}) << ".flv"
                                  << QStringList() << QStringList() << QStringList();
    QTest::newRow("bad Sort joins the grid before it")
            << profile("Para=4\n0=A\n1=B\n2=C\n3=D\n",
                       {"[A]\nSort=2\nList=0\nCaption=a\n", "[B]\nSort=7\nList=0\nCaption=b\n",
                        "[C]\nSort=3\nList=0\nCaption=c\n", "[D]\nList=0\nCaption=d\n"})
            << ".mp4" << QStringList() << QStringList({"A=a", "B=b"})
            << QStringList({"C=c", "D=d"});
    QTest::newRow("bad Sort first goes to video")
            << profile("Para=2\n0=A\n1=B\n",
                       {"[A]\nSort=0\nList=0\nCaption=a\n", "[B]\nSort=2\nList=0\nCaption=b\n"})
            << ".mp4" << QStringList({"A=a"}) << QStringList({"B=b"}) << QStringList();
    QTest::newRow("list without final comma, Index 1")
            << profile("Para=1\n0=Size\n", {"[Size]\nSort=1\nCaption=x,y,z\nIndex=1\n"}) << ".mp4"
            << QStringList({"Size=y"}) << QStringList() << QStringList();
    QTest::newRow("list without Index shows the first item")
            << profile("Para=1\n0=Size\n", {"[Size]\nSort=1\nList=1\nCaption=x,y,z,\n"}) << ".mp4"
            << QStringList({"Size=x"}) << QStringList() << QStringList();
    QTest::newRow("blanks and case of keys kept as found")
            << profile("PARA=1\n0=Rate\n", {"[rate]\nsort=2\nlist=0\ncaption= 44100 \n"}) << ".mp4"
            << QStringList() << QStringList({"Rate= 44100 "}) << QStringList();
}

void TestProfileLoader::loadFillsTheGrids()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, ext);
    QFETCH(QStringList, video);
    QFETCH(QStringList, audio);
    QFETCH(QStringList, advanced);
    const QString path = m_dir.filePath(QStringLiteral("p.apf"));
    writeBytes(path, text);
    Grids g;
    g.grids[0]->AppendRow(QStringLiteral("Video Codec"), QStringLiteral("old"));
    g.grids[1]->AppendRow(QStringLiteral("Audio Codec"), QStringLiteral("old"));
    g.grids[1]->setFixedHeight(1); // a collapsed section opens again
    QString profileExt = QStringLiteral("unchanged");

    LoadProfileIntoGrids(path, g.grids, &profileExt);

    QCOMPARE(profileExt, ext);
    QCOMPARE(g.rows(0), video);
    QCOMPARE(g.rows(1), audio);
    QCOMPARE(g.rows(2), advanced);
    const QStringList *expected[3] = {&video, &audio, &advanced};
    for (int i = 0; i < 3; ++i)
        QCOMPARE(g.grids[i]->height(), int(qMax(qsizetype(1), expected[i]->size()) * 18));
    // Every good load rewrites the file through the INI store.
    QCOMPARE(fileBytes(path), QByteArray(text).replace("\n", "\r\n"));

    // The settings dialog's variant leaves the type unread.
    profileExt = QStringLiteral("unchanged");
    LoadProfileIntoGrids(path, g.grids, nullptr);
    QCOMPARE(g.rows(0), video);
    QCOMPARE(profileExt, QStringLiteral("unchanged"));
}

void TestProfileLoader::rowKinds()
{
    const QString path = m_dir.filePath(QStringLiteral("kinds.apf"));
    writeBytes(path,
               profile("Para=4\n0=Pick\n1=Fixed Pick\n2=Text\n3=Fixed Text\n",
                       {"[Pick]\nSort=1\nCaption=a,b,\n",
                        "[Fixed Pick]\nSort=1\nReadOnly=1\nList=True\nCaption=c,d,\nIndex=1\n",
                        "[Text]\nSort=1\nList=0\nReadOnly=0\nCaption=t\n",
                        "[Fixed Text]\nSort=1\nList=false\nReadOnly=1\nCaption=f\n"}));
    Grids g;
    LoadProfileIntoGrids(path, g.grids, nullptr);
    const TValueListEditor &grid = *g.grids[0];
    QCOMPARE(grid.Strings(), QStringList({"Pick=a", "Fixed Pick=d", "Text=t", "Fixed Text=f"}));
    // List rows are picked from, never typed into, whatever "ReadOnly" says.
    QCOMPARE(grid.RowEditStyle(0), TValueListEditor::esPickList);
    QCOMPARE(grid.RowPickList(0), QStringList({"a", "b"}));
    QVERIFY(grid.RowReadOnly(0));
    QCOMPARE(grid.RowEditStyle(1), TValueListEditor::esPickList);
    QCOMPARE(grid.RowPickList(1), QStringList({"c", "d"}));
    QVERIFY(grid.RowReadOnly(1));
    QCOMPARE(grid.RowEditStyle(2), TValueListEditor::esSimple);
    QVERIFY(!grid.RowReadOnly(2));
    QCOMPARE(grid.RowEditStyle(3), TValueListEditor::esSimple);
    QVERIFY(grid.RowReadOnly(3));
    QVERIFY(grid.model()->flags(grid.model()->index(1, 1)) & Qt::ItemIsEditable);
    QVERIFY(!(grid.model()->flags(grid.model()->index(3, 1)) & Qt::ItemIsEditable));
}

void TestProfileLoader::missingFileChangesNothing()
{
    Grids g;
    g.grids[0]->AppendRow(QStringLiteral("Video Codec"), QStringLiteral("kept"));
    QString profileExt = QStringLiteral(".kept");
    LoadProfileIntoGrids(m_dir.filePath(QStringLiteral("missing.apf")), g.grids, &profileExt);
    QCOMPARE(g.rows(0), QStringList({"Video Codec=kept"}));
    QCOMPARE(profileExt, QStringLiteral(".kept"));
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("missing.apf"))));
}

void TestProfileLoader::outOfRangeIndexStopsTheLoad_data()
{
    QTest::addColumn<QByteArray>("failing");
    QTest::addColumn<QStringList>("pickList");
    QTest::addColumn<QString>("message");
    QTest::newRow("past the end") << QByteArray("Caption=aac,mp3,\nIndex=2\n")
                                  << QStringList({"aac", "mp3"}) << "List index out of bounds (2)";
    QTest::newRow("negative") << QByteArray("Caption=aac,mp3,\nIndex=-1\n")
                              << QStringList({"aac", "mp3"}) << "List index out of bounds (-1)";
    QTest::newRow("three items without final comma")
            << QByteArray("Caption=aac,mp3,opus\nIndex=2\n") << QStringList({"aac", "mp3"})
            << "List index out of bounds (2)";
    QTest::newRow("missing List key and no comma")
            << QByteArray("Caption=aac\n") << QStringList() << "List index out of bounds (0)";
}

void TestProfileLoader::outOfRangeIndexStopsTheLoad()
{
    QFETCH(QByteArray, failing);
    QFETCH(QStringList, pickList);
    QFETCH(QString, message);
    const QString path = m_dir.filePath(QStringLiteral("bad.apf"));
    const QByteArray text
            = profile("Type=webm\nPara=3\n0=Video Codec\n1=Audio Codec\n2=Deinterlace\n",
                      {"[Video Codec]\nSort=1\nCaption=VP9,\n", "[Audio Codec]\nSort=2\n" + failing,
                       "[Deinterlace]\nSort=3\nList=0\nCaption=x\n"});
    writeBytes(path, text);
    Grids g;
    g.grids[2]->AppendRow(QStringLiteral("Bit Exact Algorithms"), QString());
    for (int i = 0; i < 3; ++i)
        g.grids[i]->setFixedHeight(77);
    QString profileExt;

    try {
        LoadProfileIntoGrids(path, g.grids, &profileExt);
        QFAIL("the load went through");
    } catch (const EListError &error) {
        QCOMPARE(error.message(), message);
        QCOMPARE(QString::fromUtf8(error.what()), message);
    }
    QCOMPARE(profileExt, QStringLiteral(".webm"));
    QCOMPARE(g.rows(0), QStringList({"Video Codec=VP9"}));
    QCOMPARE(g.rows(1), QStringList({"Audio Codec="}));
    QCOMPARE(g.grids[1]->RowEditStyle(0), TValueListEditor::esPickList);
    QCOMPARE(g.grids[1]->RowPickList(0), pickList);
    QCOMPARE(g.rows(2), QStringList()); // emptied, the rest never loaded
    for (int i = 0; i < 3; ++i)
        QCOMPARE(g.grids[i]->height(), 77);
    QCOMPARE(fileBytes(path), text); // not rewritten: still LF line breaks
}

void TestProfileLoader::paintParameterCell_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("cursorRow");
    QTest::addColumn<bool>("focused");
    QTest::addColumn<QColor>("font");
    QTest::addColumn<QColor>("brush");
    // Rows: 0 pick list (read-only), 1 read-only text, 2 editable text. The ordinary colours
    // handed in are red on green, so a kept colour shows as such.
    const QColor red(Qt::red), green(Qt::green), white(Qt::white), black(Qt::black);
    QTest::newRow("read-only text value") << 1 << 1 << 2 << true << Silver << green;
    QTest::newRow("pick-list value") << 1 << 0 << 2 << true << red << green;
    QTest::newRow("editable value") << 1 << 2 << 0 << false << red << green;
    QTest::newRow("cursor value, editable") << 1 << 2 << 2 << true << black << white;
    QTest::newRow("cursor value, read-only text") << 1 << 1 << 1 << false << Silver << white;
    QTest::newRow("cursor value, pick list") << 1 << 0 << 0 << true << black << white;
    QTest::newRow("cursor key, focused") << 0 << 1 << 1 << true << red << Marker;
    QTest::newRow("cursor key, unfocused") << 0 << 1 << 1 << false << black << white;
    QTest::newRow("other key") << 0 << 2 << 1 << true << red << green;
}

void TestProfileLoader::paintParameterCell()
{
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(int, cursorRow);
    QFETCH(bool, focused);
    QFETCH(QColor, font);
    QFETCH(QColor, brush);
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *grid = new TValueListEditor;
    auto *other = new QLineEdit;
    layout->addWidget(grid);
    layout->addWidget(other);
    QPalette palette = grid->palette();
    palette.setColor(QPalette::Base, Qt::white);
    grid->setPalette(palette);
    grid->AppendRow(QStringLiteral("Video Codec"), QStringLiteral("H.264"));
    grid->SetRowEditStyle(0, TValueListEditor::esPickList);
    grid->SetRowPickList(0, {QStringLiteral("H.264")});
    grid->SetRowReadOnly(0, true);
    grid->AppendRow(QStringLiteral("Aspect"), QStringLiteral("4:3"));
    grid->SetRowReadOnly(1, true);
    grid->AppendRow(QStringLiteral("Bit Rate"), QStringLiteral("800k"));
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    grid->SetCurrentCell(TValueListEditor::ValueColumn, cursorRow);
    (focused ? static_cast<QWidget *>(grid) : other)->setFocus();
    QTRY_COMPARE(grid->HasFocusWithin(), focused);

    TValueListEditor::CellColors colors {QColor(Qt::red), QColor(Qt::green)};
    PaintParameterCell(*grid, col, row, colors);
    QCOMPARE(colors.font, font);
    QCOMPARE(colors.brush, brush);
}

void TestProfileLoader::paintBlankRowOfAnEmptyGrid()
{
    TValueListEditor grid;
    grid.SetCurrentCell(TValueListEditor::ValueColumn, 0);
    TValueListEditor::CellColors colors {QColor(Qt::red), QColor(Qt::green)};
    PaintParameterCell(grid, TValueListEditor::ValueColumn, 0, colors);
    QCOMPARE(colors.font, QColor(Qt::black));
    QCOMPARE(colors.brush, grid.palette().color(QPalette::Base));
}

VANTREL_TEST_MAIN(TestProfileLoader)
#include "tst_profileloader.moc"
