#include "testmain.h"

#include "conversion/commandline.h"

class TestCommandLine : public QObject
{
    Q_OBJECT
private slots:
    void split_data();
    void split();
    void quoteRoundTrips_data();
    void quoteRoundTrips();
    void everyShortTextRoundTrips();
};

void TestCommandLine::split_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("arguments");

    QTest::newRow("empty") << "" << QStringList();
    QTest::newRow("blanks only") << " \t " << QStringList();
    QTest::newRow("probe") << R"( -i "C:\a b.avi")" << QStringList {"-i", R"(C:\a b.avi)"};
    QTest::newRow("conversion")
            << R"( -y -i "/v/in put.avi" -vcodec mpeg4 -s 640x480 -an  -ss 00:00:05.5 -t 12 "/o/out.avi")"
            << QStringList {"-y", "-i",      "/v/in put.avi", "-vcodec", "mpeg4",
                            "-s", "640x480", "-an",           "-ss",     "00:00:05.5",
                            "-t", "12",      "/o/out.avi"};
    QTest::newRow("tab separates") << "a\tb" << QStringList {"a", "b"};
    QTest::newRow("line break does not separate") << "a\nb" << QStringList {"a\nb"};
    QTest::newRow("empty quoted argument") << R"(a "" b)" << QStringList {"a", "", "b"};
    QTest::newRow("parts join") << R"(a"b c"d)" << QStringList {"ab cd"};
    QTest::newRow("quoted, plain, quoted") << R"("a"b"c d")" << QStringList {"abc d"};
    QTest::newRow("unterminated quote runs to the end") << R"("a b )" << QStringList {"a b "};
    QTest::newRow("backslashes not before a quote")
            << R"(\\srv\share\ a\\)" << QStringList {R"(\\srv\share\)", R"(a\\)"};
    QTest::newRow("one backslash escapes the quote") << R"(a\"b c)" << QStringList {"a\"b", "c"};
    QTest::newRow("two backslashes then a quote") << R"(a\\"b c")" << QStringList {R"(a\b c)"};
    QTest::newRow("three backslashes then a quote") << R"(a\\\"b)" << QStringList {R"(a\"b)"};
    QTest::newRow("four backslashes then a quote") << R"("a\\\\" b)" << QStringList {R"(a\\)", "b"};
    QTest::newRow("escaped quote inside quotes") << R"("a \" b")" << QStringList {R"(a " b)"};
    QTest::newRow("double quote inside quotes stays quoted")
            << R"("a ""b"" c" d)" << QStringList {R"(a "b" c)", "d"};
    QTest::newRow("double quote outside quotes is empty") << R"(a""b)" << QStringList {"ab"};
    QTest::newRow("non-ASCII") << QString::fromUtf8("\"C:\\Vidéos\\日本.avi\"")
                               << QStringList {QString::fromUtf8("C:\\Vidéos\\日本.avi")};
}

void TestCommandLine::split()
{
    QFETCH(QString, line);
    QFETCH(QStringList, arguments);
    QCOMPARE(SplitCommandLine(line), arguments);
}

void TestCommandLine::quoteRoundTrips_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("quoted");

    // Ordinary paths are quoted exactly as the command lines always had them.
    QTest::newRow("windows path") << R"(C:\My Videos\a b.avi)"
                                  << R"("C:\My Videos\a b.avi")";
    QTest::newRow("unix path") << "/home/u/My Videos/clip.mp4"
                               << R"("/home/u/My Videos/clip.mp4")";
    QTest::newRow("UNC path") << R"(\\srv\share\x.avi)"
                              << R"("\\srv\share\x.avi")";
    QTest::newRow("non-ASCII") << QString::fromUtf8("/v/Vidéos/日本 ü.avi")
                               << QString::fromUtf8("\"/v/Vidéos/日本 ü.avi\"");
    QTest::newRow("blanks at both ends") << "  a  "
                                         << R"("  a  ")";
    QTest::newRow("tab") << "a\tb"
                         << "\"a\tb\"";

    QTest::newRow("empty") << ""
                           << R"("")";
    QTest::newRow("quote inside") << R"(a"b)"
                                  << R"("a\"b")";
    QTest::newRow("quote only") << R"(")"
                                << R"("\"")";
    QTest::newRow("two quotes") << R"("")"
                                << R"("\"\"")";
    QTest::newRow("backslash before quote") << R"(a\"b)"
                                            << R"("a\\\"b")";
    QTest::newRow("trailing backslash") << R"(C:\dir\)"
                                        << R"("C:\dir\\")";
    QTest::newRow("two trailing backslashes") << R"(C:\dir\\)"
                                              << R"("C:\dir\\\\")";
    QTest::newRow("backslashes only") << R"(\\\)"
                                      << R"("\\\\\\")";
    QTest::newRow("injection") << R"(x" -y -i "evil)"
                               << R"("x\" -y -i \"evil")";
    QTest::newRow("injection with backslash") << R"(x\" -y -i \"evil\)"
                                              << R"("x\\\" -y -i \\\"evil\\")";
}

void TestCommandLine::quoteRoundTrips()
{
    QFETCH(QString, argument);
    QFETCH(QString, quoted);
    QCOMPARE(QuoteArgument(argument), quoted);
    QCOMPARE(SplitCommandLine(QuoteArgument(argument)), QStringList {argument});
    // Within a whole command line it neither swallows nor adds arguments.
    const QString line = QStringLiteral(" -y -i ") + QuoteArgument(argument)
            + QStringLiteral(" -t 12 ") + QuoteArgument(argument);
    QCOMPARE(SplitCommandLine(line), (QStringList {"-y", "-i", argument, "-t", "12", argument}));
}

// Every text of up to six characters made of the characters that matter to the rules.
void TestCommandLine::everyShortTextRoundTrips()
{
    const QString alphabet = QStringLiteral("a \t\"\\");
    QStringList texts {QString()};
    qsizetype begin = 0;
    for (int length = 1; length <= 6; ++length) {
        const qsizetype end = texts.size();
        for (qsizetype i = begin; i < end; ++i) {
            for (const QChar c : alphabet)
                texts += texts.at(i) + c;
        }
        begin = end;
    }
    for (const QString &text : std::as_const(texts)) {
        const QStringList back = SplitCommandLine(QStringLiteral("-i ") + QuoteArgument(text)
                                                  + QStringLiteral(" next"));
        if (back != QStringList {"-i", text, "next"}) {
            const QString message = QStringLiteral("[%1] came back as [%2]")
                                            .arg(text, back.join(QStringLiteral("] [")));
            QFAIL(qPrintable(message));
        }
    }
}

VANTREL_TEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
