#include "testmain.h"

#include "conversion/argumentbuilder.h"
#include "conversion/commandline.h"
#include "profiles/profilecatalogue.h"
#include "profiles/profileloader.h"
#include "programfolder.h"
#include "tasks/taskrecord.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

namespace {

// The format name the probe reports for each output extension a shipped profile may have.
QString containerFormat(const QString &ext)
{
    static const QHash<QString, QString> formats = {{".mp4", "mov,mp4,m4a,3gp,3g2,mj2"},
                                                    {".mov", "mov,mp4,m4a,3gp,3g2,mj2"},
                                                    {".m4a", "mov,mp4,m4a,3gp,3g2,mj2"},
                                                    {".3gp", "mov,mp4,m4a,3gp,3g2,mj2"},
                                                    {".mkv", "matroska,webm"},
                                                    {".webm", "matroska,webm"},
                                                    {".avi", "avi"},
                                                    {".wmv", "asf"},
                                                    {".vob", "mpeg"},
                                                    {".flv", "flv"},
                                                    {".mp3", "mp3"},
                                                    {".wav", "wav"}};
    return formats.value(ext.toLower());
}

// Runs a program to its end; its merged output, or a failure naming the last of it.
bool run(const QString &program, const QStringList &arguments, QByteArray &output)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments);
    const bool finished = process.waitForFinished(60000);
    output = process.readAll();
    return finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

} // namespace

// Every shipped profile, with the choices it shows at load, converts a real clip with the
// system's encoder into a file of the profile's type.
class TestProfileConversion : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void convert_data();
    void convert();

private:
    QString m_ffmpeg;
    QString m_ffprobe;
    ProgramFolder m_folder;
    QTemporaryDir m_media;
    QStringList m_profiles;
    QString m_clip;
};

void TestProfileConversion::initTestCase()
{
    m_ffmpeg = systemFfmpeg();
    m_ffprobe = QStandardPaths::findExecutable(QStringLiteral("ffprobe"));
    if (m_ffmpeg.isEmpty() || m_ffprobe.isEmpty())
        QSKIP("ffmpeg and ffprobe are needed");
    QVERIFY(m_folder.isValid() && m_media.isValid());
    // Copies: building the arguments rewrites the profile, as every reader of it does.
    m_folder.installShippedProfiles();
    m_profiles = QDir(m_folder.filePath(QStringLiteral("Profiles")))
                         .entryList({QStringLiteral("*.apf")}, QDir::Files, QDir::Name);
    QVERIFY2(!m_profiles.isEmpty(), "no shipped profiles found");

    m_clip = QDir::toNativeSeparators(m_media.filePath(QStringLiteral("source clip.mkv")));
    QByteArray output;
    QVERIFY2(run(m_ffmpeg,
                 {"-v", "error", "-f", "lavfi", "-i", "testsrc=size=320x240:rate=25:duration=2",
                  "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100:duration=2", "-c:v",
                  "mpeg4", "-c:a", "pcm_s16le", "-y", m_clip},
                 output),
             output.constData());
}

void TestProfileConversion::convert_data()
{
    QTest::addColumn<QString>("profileName");
    for (const QString &name : std::as_const(m_profiles))
        QTest::newRow(qPrintable(name)) << name;
}

void TestProfileConversion::convert()
{
    QFETCH(QString, profileName);
    const QString path = m_folder.filePath(QStringLiteral("Profiles/") + profileName);

    std::unique_ptr<TValueListEditor> owned[3];
    TValueListEditor *grids[3] = {};
    for (int i = 0; i < 3; ++i) {
        owned[i] = std::make_unique<TValueListEditor>();
        grids[i] = owned[i].get();
    }
    QString profileExt;
    LoadProfileIntoGrids(path, grids, &profileExt);
    const GridText gridText
            = [&grids](int grid, const QString &name) { return grids[grid - 1]->Values(name); };
    QString arguments;
    BuildProfileArguments(path, gridText, arguments);
    QVERIFY(!arguments.isEmpty());

    ltvItemData task;
    task.InputFile = m_clip;
    task.DurationSec = 2;
    task.ClipDurationSec = 1;
    const QString output
            = QDir::toNativeSeparators(m_media.filePath(RemoveFileExt(profileName) + profileExt));
    const QString commandLine = BuildTaskCommandLine(task, arguments, output);
    QByteArray report;
    QVERIFY2(run(m_ffmpeg, SplitCommandLine(commandLine), report),
             qPrintable(commandLine + QLatin1Char('\n') + QString::fromUtf8(report.right(1500))));

    QVERIFY2(run(m_ffprobe,
                 {"-v", "error", "-show_entries", "format=format_name,duration:stream=codec_type",
                  "-of", "json", output},
                 report),
             report.constData());
    const QJsonObject probe = QJsonDocument::fromJson(report).object();
    const QJsonObject format = probe.value(QStringLiteral("format")).toObject();
    const QString expectedFormat = containerFormat(profileExt);
    QVERIFY2(!expectedFormat.isEmpty(), qPrintable("no container known for " + profileExt));
    QCOMPARE(format.value(QStringLiteral("format_name")).toString(), expectedFormat);

    QStringList streams;
    for (const QJsonValue &stream : probe.value(QStringLiteral("streams")).toArray())
        streams << stream.toObject().value(QStringLiteral("codec_type")).toString();
    const QStringList items = SplitCommandLine(arguments);
    QCOMPARE(streams.contains(QStringLiteral("video")), !items.contains(QStringLiteral("-vn")));
    QCOMPARE(streams.contains(QStringLiteral("audio")), !items.contains(QStringLiteral("-an")));

    bool ok = false;
    const double duration = format.value(QStringLiteral("duration")).toString().toDouble(&ok);
    QVERIFY2(ok && qAbs(duration - 1.0) <= 0.25, qPrintable(QString::number(duration)));
}

VANTREL_TEST_MAIN(TestProfileConversion)
#include "tst_profileconversion.moc"
