#include "testmain.h"

#include "../tools/fakeencodercontrol.h"
#include "conversion/commandline.h"
#include "conversion/encoder.h"

#include <QElapsedTimer>

class TestEncoder : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void missingProgramDoesNotStart();
    void argumentsArriveAsWritten_data();
    void argumentsArriveAsWritten();
    void outputIsMergedAndChunked();
    void zeroByteEndsAChunk();
    void standardInputIsEmpty();
    void exitCodeAndCrash();
    void terminateEndsAHangingEncoder();

private:
    // Every chunk up to the end of the output.
    QList<QByteArray> readAll(TEncoderProcess &encoder, const std::function<void()> &idle = {});

    std::unique_ptr<FakeEncoderControl> m_fake;
};

void TestEncoder::initTestCase()
{
    m_fake = std::make_unique<FakeEncoderControl>();
    QVERIFY2(m_fake->isValid(), "the fake encoder is built with the tests");
}

void TestEncoder::init()
{
    m_fake->setScript(QString());
    m_fake->clearRuns();
}

QList<QByteArray> TestEncoder::readAll(TEncoderProcess &encoder, const std::function<void()> &idle)
{
    QList<QByteArray> chunks;
    QByteArray chunk;
    while (encoder.Read(chunk, idle))
        chunks << chunk;
    return chunks;
}

void TestEncoder::missingProgramDoesNotStart()
{
    TEncoderProcess encoder;
    QVERIFY(!encoder.Start(m_fake->filePath(QStringLiteral("missing.dll")),
                           QStringLiteral(" -i \"a.avi\"")));
    QByteArray chunk("left over");
    QVERIFY(!encoder.Read(chunk));
    QVERIFY(chunk.isEmpty());
    QVERIFY(!encoder.Finished());
}

void TestEncoder::argumentsArriveAsWritten_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("probe") << QStringLiteral(" -i \"/v/a b.avi\"")
                           << QStringList({"-i", "/v/a b.avi"});
    QTest::newRow("conversion") << QStringLiteral(
            " -y -i \"/v/a.avi\" -vcodec mpeg4 -an -ss 00:00:01.5 -t 3 \"/o/a.mp4\"")
                                << QStringList({"-y", "-i", "/v/a.avi", "-vcodec", "mpeg4", "-an",
                                                "-ss", "00:00:01.5", "-t", "3", "/o/a.mp4"});
    // A name must not be able to add arguments of its own.
    const QString hostile = QStringLiteral("/v/a\" -y \"ä \\\\\".avi");
    QTest::newRow("quoted hostile name")
            << QStringLiteral(" -i ") + QuoteArgument(hostile) << QStringList({"-i", hostile});
}

void TestEncoder::argumentsArriveAsWritten()
{
    QFETCH(QString, arguments);
    QFETCH(QStringList, expected);
    TEncoderProcess encoder;
    QVERIFY(encoder.Start(FakeEncoderControl::program(), arguments));
    QVERIFY(readAll(encoder).isEmpty());
    QCOMPARE(m_fake->runs(), QList<QStringList>({expected}));
}

void TestEncoder::outputIsMergedAndChunked()
{
    QByteArray big;
    for (int i = 0; big.size() < 3 * TEncoderProcess::MaxChunk; ++i)
        big += "line " + QByteArray::number(i) + '\n';
    QFile file(m_fake->filePath(QStringLiteral("big.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(big);
    file.close();
    m_fake->setScript(QStringLiteral("print out\\n\nsleep 50\nstderr err\\n\nsleep 50\nprintfile ")
                      + file.fileName() + QStringLiteral("\n"));

    TEncoderProcess encoder;
    QVERIFY(encoder.Start(FakeEncoderControl::program(), QString()));
    const QList<QByteArray> chunks = readAll(encoder);
    QByteArray whole;
    for (const QByteArray &chunk : chunks) {
        QVERIFY(chunk.size() <= TEncoderProcess::MaxChunk);
        whole += chunk;
    }
    QCOMPARE(whole, "out\nerr\n" + big);
    QVERIFY(chunks.size() >= 4);
    QVERIFY(encoder.Finished());
}

void TestEncoder::zeroByteEndsAChunk()
{
    m_fake->setScript(QStringLiteral("print abc\\0def\nsleep 200\nprint ghi\n"));
    TEncoderProcess encoder;
    QVERIFY(encoder.Start(FakeEncoderControl::program(), QString()));
    QCOMPARE(readAll(encoder), QList<QByteArray>({"abc", "ghi"}));
}

void TestEncoder::standardInputIsEmpty()
{
    m_fake->setScript(QStringLiteral("readstdin\n"));
    TEncoderProcess encoder;
    QVERIFY(encoder.Start(FakeEncoderControl::program(), QString()));
    QElapsedTimer timer;
    timer.start();
    // An encoder waiting for input would never end; give up after a while rather than hang.
    const QList<QByteArray> chunks = readAll(encoder, [&] {
        if (timer.hasExpired(5000))
            encoder.Terminate();
    });
    QCOMPARE(chunks, QList<QByteArray>({"stdin:0"}));
}

void TestEncoder::exitCodeAndCrash()
{
    TEncoderProcess encoder;
    m_fake->setScript(QStringLiteral("print x\nexit 3\n"));
    QVERIFY(encoder.Start(FakeEncoderControl::program(), QString()));
    readAll(encoder);
    QVERIFY(encoder.Finished());
    QCOMPARE(encoder.ExitCode(), 3);
    QVERIFY(!encoder.Crashed());

    m_fake->setScript(QStringLiteral("crash\n"));
    QVERIFY(encoder.Start(FakeEncoderControl::program(), QString()));
    QVERIFY(!encoder.Finished());
    readAll(encoder);
    QVERIFY(encoder.Finished());
    QVERIFY(encoder.Crashed());
}

void TestEncoder::terminateEndsAHangingEncoder()
{
    m_fake->setScript(QStringLiteral("print working\nhang\n"));
    TEncoderProcess encoder;
    QVERIFY(encoder.Start(FakeEncoderControl::program(), QString()));
    QElapsedTimer timer;
    timer.start();
    int idleCalls = 0;
    // The idle function is where a run serves the Stop button.
    const QList<QByteArray> chunks = readAll(encoder, [&] {
        if (++idleCalls == 3)
            encoder.Terminate();
    });
    QCOMPARE(chunks, QList<QByteArray>({"working"}));
    QCOMPARE(idleCalls, 3);
    QVERIFY(timer.elapsed() < 5000);
    QVERIFY(encoder.Finished());
    QVERIFY(encoder.Crashed());

    // Terminating an ended process changes nothing.
    encoder.Terminate();
    QVERIFY(encoder.Finished());
}

VANTREL_TEST_MAIN(TestEncoder)
#include "tst_encoder.moc"
