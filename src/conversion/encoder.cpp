#include "conversion/encoder.h"

#include "conversion/commandline.h"

#include <QProcess>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

TEncoderProcess::TEncoderProcess(QObject *parent)
    : QObject(parent)
{ }

TEncoderProcess::~TEncoderProcess()
{
    Terminate();
}

bool TEncoderProcess::Start(const QString &encoderPath, const QString &arguments)
{
    Terminate();
    m_process = std::make_unique<QProcess>();
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    // An encoder that asks a question must see end of input, not wait for an answer.
    m_process->setStandardInputFile(QProcess::nullDevice());
#ifdef Q_OS_WIN
    m_process->setCreateProcessArgumentsModifier(
            [](QProcess::CreateProcessArguments *args) { args->flags |= CREATE_NO_WINDOW; });
#endif
    m_process->start(encoderPath, SplitCommandLine(arguments), QIODevice::ReadOnly);
    if (m_process->waitForStarted())
        return true;
    m_process.reset();
    return false;
}

bool TEncoderProcess::Read(QByteArray &chunk, const std::function<void()> &idle)
{
    chunk.clear();
    if (!m_process)
        return false;
    for (;;) {
        if (m_process->bytesAvailable() > 0) {
            chunk = m_process->read(MaxChunk);
            const qsizetype zero = chunk.indexOf('\0');
            if (zero >= 0)
                chunk.truncate(zero);
            return true;
        }
        if (m_process->state() == QProcess::NotRunning)
            return false;
        // Returns as soon as output arrives or the process ends, so no time is lost waiting.
        if (!m_process->waitForReadyRead(WaitSliceMs) && idle
            && m_process->state() != QProcess::NotRunning)
            idle();
    }
}

void TEncoderProcess::Terminate()
{
    if (!m_process || m_process->state() == QProcess::NotRunning)
        return;
    m_process->kill();
    m_process->waitForFinished(-1);
}

bool TEncoderProcess::Finished() const
{
    return m_process && m_process->state() == QProcess::NotRunning;
}

int TEncoderProcess::ExitCode() const
{
    return m_process ? m_process->exitCode() : 0;
}

bool TEncoderProcess::Crashed() const
{
    return Finished() && m_process->exitStatus() == QProcess::CrashExit;
}
