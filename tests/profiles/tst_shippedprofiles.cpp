#include "testmain.h"

#include "app/application.h"
#include "profiles/newinifiles.h"
#include "profiles/profilecatalogue.h"
#include "profiles/profileloader.h"
#include "programfolder.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <memory>

namespace {

const QStringList VideoParameters
        = {"Video Codec", "Video Size", "Bit Rate", "Frame Rate", "Aspect", "Disable Video"};
const QStringList AudioParameters
        = {"Audio Codec", "Audio Bitrate", "Sample Rate", "Channels", "Volumn", "Disable Audio"};
const QStringList AdvancedParameters = {"Bit Exact Algorithms", "Deinterlace"};

QString shippedFolder()
{
    return sourceDir() + QStringLiteral("/data/Profiles");
}

QList<QByteArray> fileLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray text = file.readAll();
    text.replace("\r\n", "\n").replace('\r', '\n');
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

// The key lines ("key=value", split at the first "=") of every section, by section name.
QMap<QString, QList<QPair<QString, QString>>> keyLines(const QList<QByteArray> &lines)
{
    QMap<QString, QList<QPair<QString, QString>>> sections;
    QString section;
    for (const QByteArray &raw : lines) {
        const QString line = QString::fromUtf8(raw);
        if (line.startsWith(QLatin1Char('['))) {
            section = line.mid(1, line.size() - 2);
            sections[section];
            continue;
        }
        const int equals = line.indexOf(QLatin1Char('='));
        if (equals > 0)
            sections[section].append({line.left(equals), line.mid(equals + 1)});
    }
    return sections;
}

// Everything that has to hold for a profile to load and to give the encoder what it shows;
// the problems found, empty when the profile is sound.
QStringList formatProblems(const QString &path)
{
    QStringList problems;
    const QList<QByteArray> lines = fileLines(path);
    for (const QByteArray &line : lines) {
        // A "[" ends a section for reading wherever it stands, so only headers may hold one.
        const bool header = line.startsWith('[') && line.endsWith(']') && line.count('[') == 1
                && line.count(']') == 1;
        if (line.contains('[') && !header)
            problems << QStringLiteral("a value holds \"[\": ") + QString::fromUtf8(line);
    }
    const auto sections = keyLines(lines);

    TNewInifile ini(path);
    // Keys match as substrings: every key line must be the line a read of its key finds.
    for (auto section = sections.cbegin(); section != sections.cend(); ++section) {
        for (const auto &[key, value] : section.value()) {
            if (ini.ReadString(section.key(), key, QStringLiteral("<none>")) != value)
                problems << QStringLiteral("[%1] %2 does not read back as its own line")
                                    .arg(section.key(), key);
        }
    }

    const QString main = QStringLiteral("Main");
    const QString type = ini.ReadString(main, QStringLiteral("Type"), QString());
    if (type.isEmpty() || type.startsWith(QLatin1Char('.')))
        problems << QStringLiteral("Type \"%1\"").arg(type);
    const int count = ini.ReadInteger(main, QStringLiteral("Para"), 0);
    QStringList numbered;
    for (const auto &[key, value] : sections.value(main)) {
        if (QRegularExpression(QStringLiteral("^\\d+$")).match(key).hasMatch())
            numbered << key;
    }
    QStringList ascending;
    for (int i = 0; i < count; ++i)
        ascending << QString::number(i);
    if (numbered != ascending)
        problems << QStringLiteral("parameter keys in Main: %1 for Para=%2")
                            .arg(numbered.join(QLatin1Char(',')))
                            .arg(count);

    QStringList seen;
    for (int i = 0; i < count; ++i) {
        const QString name = ini.ReadString(main, QString::number(i), QString());
        if (name.isEmpty() || name.contains(QLatin1Char('=')) || name.contains(QLatin1Char('['))
            || name.contains(QLatin1Char(']')))
            problems << QStringLiteral("parameter name \"%1\"").arg(name);
        if (seen.contains(name, Qt::CaseInsensitive))
            problems << QStringLiteral("parameter \"%1\" twice").arg(name);
        seen << name;
        if (!lines.contains(QByteArray('[' + name.toUtf8() + ']')))
            problems << QStringLiteral("no section for \"%1\"").arg(name);
        const int sort = ini.ReadInteger(name, QStringLiteral("Sort"), -1);
        if (sort < 1 || sort > 3)
            problems << QStringLiteral("\"%1\": Sort %2").arg(name).arg(sort);
        if (!ini.ReadBool(name, QStringLiteral("List"), true))
            continue;
        const QString caption = ini.ReadString(name, QStringLiteral("Caption"), QString());
        const QString value = ini.ReadString(name, QStringLiteral("Value"), QString());
        const QStringList captions = SplitList(caption);
        const QStringList values = SplitList(value);
        // Text after the last comma is dropped without a word: a forgotten final comma.
        if (!caption.endsWith(QLatin1Char(',')) || !value.endsWith(QLatin1Char(',')))
            problems << QStringLiteral("\"%1\": a list without its final comma").arg(name);
        if (captions.isEmpty() || values.size() != captions.size())
            problems << QStringLiteral("\"%1\": %2 captions, %3 values")
                                .arg(name)
                                .arg(captions.size())
                                .arg(values.size());
        QStringList distinct;
        for (const QString &item : captions) {
            // The encoder value is found by the first caption matching in any letter case.
            if (distinct.contains(item, Qt::CaseInsensitive))
                problems << QStringLiteral("\"%1\": caption \"%2\" twice").arg(name, item);
            distinct << item;
        }
        const int index = ini.ReadInteger(name, QStringLiteral("Index"), 0);
        if (index < 0 || index >= captions.size())
            problems << QStringLiteral("\"%1\": Index %2").arg(name).arg(index);
    }

    return problems;
}

// The parameters every shipped profile offers, each in its grid, and a "Video Size" list that
// keeps the source's size by default and offers the size dialog.
QStringList missingStandardParameters(const QString &path)
{
    QStringList problems;
    TNewInifile ini(path);
    const QString main = QStringLiteral("Main");
    QStringList byGrid[3];
    const int count = ini.ReadInteger(main, QStringLiteral("Para"), 0);
    for (int i = 0; i < count; ++i) {
        const QString name = ini.ReadString(main, QString::number(i), QString());
        const int sort = ini.ReadInteger(name, QStringLiteral("Sort"), -1);
        if (sort >= 1 && sort <= 3)
            byGrid[sort - 1] << name;
    }
    const QStringList *required[3] = {&VideoParameters, &AudioParameters, &AdvancedParameters};
    for (int grid = 0; grid < 3; ++grid) {
        for (const QString &name : *required[grid]) {
            if (!byGrid[grid].contains(name))
                problems << QStringLiteral("\"%1\" missing from grid %2").arg(name).arg(grid + 1);
        }
    }
    const QString size = QStringLiteral("Video Size");
    const QStringList sizes = SplitList(ini.ReadString(size, QStringLiteral("Caption"), QString()));
    const QStringList sizeValues
            = SplitList(ini.ReadString(size, QStringLiteral("Value"), QString()));
    const int original = sizes.indexOf(QStringLiteral("Original Size"));
    // A profile without a picture shows its size as a fixed row that offers nothing to choose.
    if (!ini.ReadBool(size, QStringLiteral("List"), true))
        return problems;
    if (original < 0 || !sizes.contains(QStringLiteral("Custom Size")))
        problems << QStringLiteral("\"Video Size\" without \"Original Size\" and \"Custom Size\"");
    else if (original < sizeValues.size() && !sizeValues.at(original).isEmpty())
        problems << QStringLiteral("\"Original Size\" adds \"%1\"").arg(sizeValues.at(original));
    return problems;
}

struct Grids
{
    Grids()
    {
        for (int i = 0; i < 3; ++i) {
            owned[i] = std::make_unique<TValueListEditor>();
            grids[i] = owned[i].get();
        }
    }
    std::unique_ptr<TValueListEditor> owned[3];
    TValueListEditor *grids[3] = {};
};

} // namespace

class TestShippedProfiles : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void everyChoiceLoads_data();
    void everyChoiceLoads();
    void everyProfileHasTheStandardParameters_data();
    void everyProfileHasTheStandardParameters();
    void theProgramListsAndLoadsThemAll();

private:
    QStringList m_names;
};

void TestShippedProfiles::initTestCase()
{
    QVERIFY(!sourceDir().isEmpty());
    m_names = FindFilesByExt(shippedFolder(), QStringLiteral(".apf"));
    QVERIFY2(!m_names.isEmpty(), "no profiles in data/Profiles");
}

void TestShippedProfiles::init()
{
    fakePlatform().reset();
}

void TestShippedProfiles::everyChoiceLoads_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : m_names)
        QTest::newRow(qPrintable(name)) << name;
}

void TestShippedProfiles::everyChoiceLoads()
{
    QFETCH(QString, name);
    const QStringList problems = formatProblems(shippedFolder() + QLatin1Char('/') + name);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));

    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QVERIFY(QFile::copy(shippedFolder() + QLatin1Char('/') + name, path));
    Grids g;
    QString profileExt;
    LoadProfileIntoGrids(path, g.grids, &profileExt);
    auto ini = std::make_unique<TNewInifile>(path);
    const QString main = QStringLiteral("Main");
    const int count = ini->ReadInteger(main, QStringLiteral("Para"), 0);
    QCOMPARE(profileExt, QLatin1Char('.') + ini->ReadString(main, QStringLiteral("Type"), {}));

    // Each list parameter with each of its choices in turn, the others as shipped.
    for (int i = 0; i < count; ++i) {
        const QString parameter = ini->ReadString(main, QString::number(i), QString());
        if (!ini->ReadBool(parameter, QStringLiteral("List"), true))
            continue;
        TValueListEditor *grid
                = g.grids[ini->ReadInteger(parameter, QStringLiteral("Sort"), -1) - 1];
        const int shipped = ini->ReadInteger(parameter, QStringLiteral("Index"), 0);
        const QStringList captions
                = SplitList(ini->ReadString(parameter, QStringLiteral("Caption"), QString()));
        for (int choice = 0; choice < captions.size(); ++choice) {
            ini->WriteInteger(parameter, QStringLiteral("Index"), choice);
            SaveAndFree(ini);
            try {
                LoadProfileIntoGrids(path, g.grids, &profileExt);
            } catch (const EListError &error) {
                QFAIL(qPrintable(parameter + QStringLiteral(": ") + error.message()));
            }
            QCOMPARE(grid->Values(parameter), captions.at(choice));
            ini = std::make_unique<TNewInifile>(path);
        }
        ini->WriteInteger(parameter, QStringLiteral("Index"), shipped);
    }
    SaveAndFree(ini);
    const QStringList afterRewrite = formatProblems(path);
    QVERIFY2(afterRewrite.isEmpty(), qPrintable(afterRewrite.join(QLatin1Char('\n'))));
}

void TestShippedProfiles::everyProfileHasTheStandardParameters_data()
{
    everyChoiceLoads_data();
}

void TestShippedProfiles::everyProfileHasTheStandardParameters()
{
    QFETCH(QString, name);
    const QStringList problems
            = missingStandardParameters(shippedFolder() + QLatin1Char('/') + name);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestShippedProfiles::theProgramListsAndLoadsThemAll()
{
    ProgramFolder folder;
    folder.installShippedProfiles();
    ProgramWindows windows(StartupInfo {folder.programFile(), {}});
    QComboBox *list = MainForm->cmbProfile;
    QCOMPARE(list->count(), m_names.size());
    for (int i = 0; i < list->count(); ++i) {
        list->setCurrentIndex(i);
        MainForm->cmbProfileChange();
        QVERIFY2(fakePlatform().plainMessages.isEmpty(),
                 qPrintable(fakePlatform().plainMessages.join(QLatin1Char('\n'))));
        QVERIFY2(!MainForm->ProfileExt.isEmpty(), qPrintable(list->itemText(i)));
        QVERIFY2(MainForm->vleVideo->Count() + MainForm->vleAudio->Count()
                                 + MainForm->vleAdvanced->Count()
                         > 0,
                 qPrintable(list->itemText(i)));
        if (i == 0)
            QCOMPARE(MainForm->ProfileExt, QStringLiteral(".mp4")); // the default comes first
    }
}

VANTREL_TEST_MAIN(TestShippedProfiles)
#include "tst_shippedprofiles.moc"
