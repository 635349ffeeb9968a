#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QProcess;

// One run of the external encoder: started hidden with an argument string, its standard output
// and standard error read as one stream in chunks, ended on request. The probe and the
// conversion run use the main window's one instance in turn; starting again ends the previous
// process first, so at most one encoder runs.
//
// Typical use:
//     if (!encoder.Start(path, QStringLiteral(" -i ") + QuoteArgument(input)))
//         ...; // not started: nothing to read
//     QByteArray chunk;
//     while (encoder.Read(chunk, [] { Platform::ProcessMessages(); }))
//         ...; // one chunk of the report
//     encoder.Terminate();
class TEncoderProcess : public QObject
{
    Q_OBJECT
public:
    // The most a chunk holds, as the encoder's pipe was read.
    static constexpr int MaxChunk = 4095;
    // How long Read waits for output before it calls its idle function.
    static constexpr int WaitSliceMs = 50;

    explicit TEncoderProcess(QObject *parent = nullptr);
    ~TEncoderProcess() override;

    // Starts `encoderPath` with `arguments`, a command-line string whose items each begin with
    // a blank (` -i "/v/a b.avi"`), split into arguments by SplitCommandLine. Standard output and
    // standard error are merged, standard input is the null device, no window is shown. A
    // process still running from an earlier Start is ended first. Returns false when the
    // process could not be started; Read then returns false at once.
    bool Start(const QString &encoderPath, const QString &arguments);

    // The next piece of output, at most MaxChunk bytes, cut before its first zero byte (so it
    // may come back empty). Waits while the process runs and has printed nothing new, calling
    // `idle` between waits of WaitSliceMs when one is given; `idle` may call Terminate. Returns
    // false, with `chunk` empty, once the process has ended and all its output was read.
    bool Read(QByteArray &chunk, const std::function<void()> &idle = {});

    // Ends the process if it still runs, and waits until it has.
    void Terminate();

    // True once the process started last has ended; false while it runs and before a start.
    bool Finished() const;
    // The exit code of the ended process (meaningless when it crashed or was terminated).
    int ExitCode() const;
    // True when the ended process crashed or was terminated rather than exiting by itself.
    bool Crashed() const;

private:
    std::unique_ptr<QProcess> m_process; // the process started last; none after a failed start
};
