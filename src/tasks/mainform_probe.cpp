// The media probe: the encoder's report on a file, cut into its length and frame size.
#include "app/mainform.h"

#include "conversion/commandline.h"
#include "conversion/encoder.h"
#include "tasks/probereport.h"

#include <QElapsedTimer>

void TMainForm::ProbeMedia(const QString &path)
{
    // A file that cannot be probed must not inherit the values of the file probed before it.
    ProbeLength.clear();
    ProbeFrameSize.clear();
    ProbeStart = QStringLiteral("00:00:00.0");
    ProbeEnd.clear();

    if (Encoder->Start(EncoderPath, QStringLiteral(" -i ") + QuoteArgument(path))) {
        // The report is cut once, whole: a long one (chapters, metadata) spans several chunks,
        // and a multi-byte character may be split between two of them.
        QByteArray report;
        QElapsedTimer timer;
        timer.start();
        // The window stays blocked while the encoder works, but not forever.
        const auto giveUpWhenLate = [&] {
            if (timer.hasExpired(ProbeTimeoutMs))
                TerminateEncoder();
        };
        QByteArray chunk;
        while (Encoder->Read(chunk, giveUpWhenLate)) {
            report += chunk;
            giveUpWhenLate();
        }
        const ProbeValues values = CutProbeReport(QString::fromLocal8Bit(report), path);
        ProbeLength = values.length;
        ProbeFrameSize = values.frameSize;
        ProbeEnd = ProbeLength;
    }
    TerminateEncoder();
}
