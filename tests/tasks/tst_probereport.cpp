#include "testmain.h"

#include "tasks/probereport.h"

class TestProbeReport : public QObject
{
    Q_OBJECT
private slots:
    void cut_data();
    void cut();
};

// What ffmpeg 5.1 prints for `ffmpeg -i /tmp/x.mp4`, an H.264 file with BT.709 colour tags
// (banner trimmed).
static const char colourTaggedMp4[]
        = R"(ffmpeg version 5.1.9-0+deb12u1 Copyright (c) 2000-2026 the FFmpeg developers
  libavutil      57. 28.100 / 57. 28.100
Input #0, mov,mp4,m4a,3gp,3g2,mj2, from '/tmp/x.mp4':
  Metadata:
    major_brand     : isom
    minor_version   : 512
    compatible_brands: isomiso2avc1mp41
    encoder         : Lavf59.27.100
  Duration: 00:00:01.00, start: 0.000000, bitrate: 67 kb/s
  Stream #0:0[0x1](und): Video: h264 (High) (avc1 / 0x31637661), yuv420p(tv, bt709, progressive), 320x240 [SAR 1:1 DAR 4:3], 58 kb/s, 25 fps, 25 tbr, 12800 tbn (default)
    Metadata:
      handler_name    : VideoHandler
      vendor_id       : [0][0][0][0]
      encoder         : Lavc59.37.100 libx264
At least one output file must be specified
)";

static const char soundOnlyM4a[] = R"(Input #0, mov,mp4,m4a,3gp,3g2,mj2, from '/tmp/s.m4a':
  Metadata:
    major_brand     : M4A 
    minor_version   : 512
  Duration: 00:00:01.00, start: 0.000000, bitrate: 79 kb/s
  Stream #0:0[0x1](und): Audio: aac (LC) (mp4a / 0x6134706D), 44100 Hz, mono, fltp, 70 kb/s (default)
At least one output file must be specified
)";

void TestProbeReport::cut_data()
{
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("frameSize");

    QTest::newRow("minimal report")
            << R"(Input #0 from 'C:\v\a b.avi': Duration: 00:00:10.00, a, b ... Video: c, d, 640x480, e)"
            << R"(C:\v\a b.avi)"
            << "00:00:10.00"
            << " 640x480";
    QTest::newRow("bracketed addition kept")
            << "Input #0, avi, from '/v/a.avi':\n"
               "  Duration: 00:01:23.45, start: 0.000000, bitrate: 1340 kb/s\n"
               "  Stream #0:0: Video: mpeg4 (Simple Profile) (FMP4 / 0x34504D46), yuv420p, "
               "640x480 [SAR 1:1 DAR 4:3], 1205 kb/s, 25 fps, 25 tbr, 25 tbn\n"
               "  Stream #0:1: Audio: mp3 (U[0][0][0] / 0x0055), 44100 Hz, stereo, fltp, 128 kb/s\n"
            << "/v/a.avi"
            << "00:01:23.45"
            << " 640x480 [SAR 1:1 DAR 4:3]";
    QTest::newRow("commas in the pixel format") << colourTaggedMp4 << "/tmp/x.mp4"
                                                << "00:00:01.00"
                                                << " 320x240 [SAR 1:1 DAR 4:3]";
    QTest::newRow("nested parentheses")
            << "from 'a.mov': Duration: 00:00:02.00, x, y Video: h264 (High (4, 2)), "
               "yuv420p(tv, bt709), 1920x1080, 30 fps"
            << "a.mov"
            << "00:00:02.00"
            << " 1920x1080";
    QTest::newRow("unclosed parenthesis is an ordinary character")
            << "from 'a.mov': Duration: 00:00:02.00, x, y Video: c (x, d, 640x480, e"
            << "a.mov"
            << "00:00:02.00"
            << " 640x480";
    // Without "Video" the fields after the length's comma are counted instead.
    QTest::newRow("sound only") << soundOnlyM4a << "/tmp/s.m4a"
                                << "00:00:01.00"
                                << " 44100 Hz";
    QTest::newRow("length not available")
            << "from 'a.ts': Duration: N/A, bitrate: N/A\n  Stream #0:0: Video: mpeg2video, "
               "yuv420p, 720x576, 25 fps"
            << "a.ts"
            << "N/A"
            << " 720x576";
    QTest::newRow("no blank after the colon loses a character")
            << "from 'a.avi':\n  Duration:00:00:10.00, a, b\n  Video: c, d, 640x480, e"
            << "a.avi"
            << "0:00:10.00"
            << " 640x480";
    QTest::newRow("no Duration")
            << "Input #0, avi, from 'a.avi':\n  Stream #0:0: Video: mpeg4, yuv420p, 640x480, 25 fps"
            << "a.avi"
            << "  Stream #0:0: Video: mpeg4"
            << "";
    // Not found, the path's length is taken as the starting position: here that drops the
    // first "Duration" but keeps the second.
    QTest::newRow("path in other letter case")
            << "Input: Duration: 00:00:01.00, a, b Video: c, d, 1x1, e; "
               "Duration: 00:00:02.00, a, b Video: c, d, 2x2, e; "
               "from 'C:\\V\\A.AVI': Duration: 00:00:03.00, a, b Video: c, d, 3x3, e"
            << "c:\\v\\a.avi"
            << "00:00:02.00"
            << " 2x2";
    QTest::newRow("no comma after the path")
            << "Input #0, avi, from 'a.avi': Invalid data found when processing input"
            << "a.avi"
            << ""
            << "";
    QTest::newRow("empty report") << ""
                                  << "a.avi"
                                  << ""
                                  << "";
    // Only the last piece of a long report may reach the cut.
    QTest::newRow("piece without the path")
            << "      encoder         : Lavc59.37.100 libx264\nAt least one output file must be "
               "specified\n"
            << "/tmp/x.mp4"
            << ""
            << "";
}

void TestProbeReport::cut()
{
    QFETCH(QString, report);
    QFETCH(QString, path);
    QFETCH(QString, length);
    QFETCH(QString, frameSize);

    const ProbeValues values = CutProbeReport(report, path);
    QCOMPARE(values.length, length);
    QCOMPARE(values.frameSize, frameSize);
}

VANTREL_TEST_MAIN(TestProbeReport)
#include "tst_probereport.moc"
