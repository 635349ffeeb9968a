// The conversion run: Start and Stop, the locking of the controls, and the run that converts
// every task in list order with one encoder each, keeping the bars and each task's status.
#include "app/mainform.h"

#include "app/appglobals.h"
#include "conversion/argumentbuilder.h"
#include "conversion/encoder.h"
#include "conversion/outputname.h"
#include "conversion/progressreport.h"
#include "platform/platform.h"
#include "profiles/newinifiles.h"
#include "profiles/profilecatalogue.h"
#include "profiles/valuelisteditor.h"
#include "settings/settingform.h"
#include "tasks/tasklistmodel.h"
#include "tasks/tasklistview.h"
#include "tasks/taskrecord.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

namespace {

// Enough of a task's report for its last lines; older output is dropped as it comes.
constexpr qsizetype ReportTailBytes = 16 * 1024;

void setStatus(TTaskListModel &list, int row, const QString &status)
{
    ltvItemData task;
    task.Status = status;
    WriteTask(list, row, tfStatus, task);
}

} // namespace

void TMainForm::imgStartClick()
{
    if (ltvTaskItems->Count() > 0)
        tbtnStartClick();
}

void TMainForm::imgStopClick()
{
    imgStop->hide();
    imgStart->show();
    tbtnStopClick();
}

void TMainForm::tbtnStartClick()
{
    // The encoder, its pipe and the bars are single: a second run cannot start inside the first.
    if (RunState != 0)
        return;
    // Taking the focus commits a value still being edited in the output grid.
    ltvTask->setFocus();
    if (!QFileInfo(edtOutputdir->text()).isDir()) {
        Platform::MessageBox(this,
                             QStringLiteral("The output path does not exist. Please specify "
                                            "another one."),
                             QStringLiteral("Output path does not exist"),
                             Platform::MessageIcon::Information, Platform::MessageButtons::Ok);
        edtOutputdir->setFocus();
        return;
    }
    if (ltvTaskItems->Count() == 0)
        return;
    LockControls();
    QString arguments;
    try {
        arguments = ProfileArguments();
    } catch (const EIniFileError &error) {
        // A profile that cannot be read would convert without its settings: say so instead.
        Platform::MessageBox(this, error.message(), QGuiApplication::applicationDisplayName(),
                             Platform::MessageIcon::Error, Platform::MessageButtons::Ok);
        UnlockControls();
        return;
    }
    RunConversion(arguments);
    UnlockControls();
}

void TMainForm::tbtnStopClick()
{
    if (RunState != 1)
        return;
    RunState = 2;
    TerminateEncoder();
}

void TMainForm::StopRunForClose()
{
    // Closing is one of the end actions; then there is nothing left to stop.
    if (RunState == 0 || RunEnding)
        return;
    RunClosing = true;
    RunState = 2;
    TerminateEncoder();
}

void TMainForm::LockControls()
{
    sbtnStopClick();
    for (QWidget *control : std::initializer_list<QWidget *> {
                 sbtnAddFile, sbtnAddDir, sbtnUp, sbtnDown, sbtnDelete, sbtnClear, sbtnOptions})
        control->setEnabled(false);
    imgStart->hide();
    imgStop->show();
    ltvTask->setEnabled(false);
}

void TMainForm::UnlockControls()
{
    for (QWidget *control : std::initializer_list<QWidget *> {
                 sbtnAddFile, sbtnAddDir, sbtnUp, sbtnDown, sbtnDelete, sbtnClear, sbtnOptions})
        control->setEnabled(true);
    ltvTask->setEnabled(true);
    imgStart->show();
    imgStop->hide();
}

QString TMainForm::ProfileArguments() const
{
    QString arguments;
    BuildProfileArguments(
            ProfilePath(cmbProfile->currentText()),
            [this](int grid, const QString &name) {
                const TValueListEditor *editor = Grid(grid);
                return editor ? editor->Values(name) : QString();
            },
            arguments);
    return arguments;
}

void TMainForm::RunConversion(const QString &profileArguments)
{
    labConvertingFile->clear();
    labElapsed->clear();
    labRemaining->clear();
    pgbCurrent->setValue(0);
    pgbTotal->setValue(0);
    labCurProgress->setText(PercentText(0));
    labTotalProgress->setText(PercentText(0));
    panBottomCenter->hide();
    panBottomLeft->show();

    RunState = 1;
    RunClosing = false;
    RunEnding = false;
    ElapsedSeconds = 0;
    RemainingSeconds = 0;
    timerTime->start();

    // A length that could not be read (-1) is no length: counted as none.
    const auto clipLength
            = [](const ltvItemData &task) { return std::max(0.0, task.ClipDurationSec); };
    double total = 0;
    double done = 0;
    for (int i = 0; i < ltvTaskItems->Count(); ++i) {
        ltvItemData task;
        ReadTask(*ltvTaskItems, i, tfAll, task);
        total += clipLength(task);
    }

    int failed = 0;
    for (int i = 0; i < ltvTaskItems->Count(); ++i) {
        Platform::ProcessMessages();
        // A stop taken between two tasks stops before the next encoder starts.
        if (RunState == 2) {
            EndStoppedRun(i);
            return;
        }

        TaskProgress progress;
        progress.current = pgbCurrent->value();
        progress.total = pgbTotal->value();
        ltvItemData task;
        ReadTask(*ltvTaskItems, i, tfAll, task);
        setStatus(*ltvTaskItems, i, QStringLiteral("Converting"));
        ltvTaskItems->SetHint(i, QString());
        labConvertingFile->setText(QFileInfo(task.InputFile).fileName());

        const QString outputPath
                = OutputPathFor(WithTrailingBackslash(edtOutputdir->text()), task, ProfileExt, i,
                                SettingForm->rdbRename->isChecked());
        if (!Encoder->Start(EncoderPath,
                            BuildTaskCommandLine(task, profileArguments, outputPath))) {
            Platform::ShowMessage(QStringLiteral("Error on CreateProcess()"));
            setStatus(*ltvTaskItems, i, QStringLiteral("Failed"));
            ltvTaskItems->SetHint(i, QStringLiteral("Error on CreateProcess()"));
            EndRun();
            return;
        }

        const double clip = clipLength(task);
        int chunks = 0;
        QByteArray report;
        QByteArray chunk;
        // Waiting for the encoder's next output, the window goes on handling Stop, the clock
        // and repainting.
        while (true) {
            Platform::ProcessMessages();
            if (!Encoder->Read(chunk, [] { Platform::ProcessMessages(); }))
                break;
            report += chunk;
            if (report.size() > 2 * ReportTailBytes)
                report.remove(0, report.size() - ReportTailBytes);
            if (chunks >= 2) {
                EvaluateChunk(QString::fromLocal8Bit(chunk), clip, done, total, progress);
                pgbCurrent->setValue(progress.current);
                pgbTotal->setValue(progress.total);
                labCurProgress->setText(PercentText(pgbCurrent->value()));
                labTotalProgress->setText(PercentText(pgbTotal->value()));
            }
            ++chunks;
        }

        // A terminated encoder may still report a normal exit: the request decides.
        if (RunState == 2) {
            EndStoppedRun(i);
            return;
        }
        done += clip;
        if (Encoder->Crashed() || Encoder->ExitCode() != 0 || !QFileInfo::exists(outputPath)) {
            ++failed;
            setStatus(*ltvTaskItems, i, QStringLiteral("Failed"));
            ltvTaskItems->SetHint(i,
                                  LastLines(QString::fromLocal8Bit(report), FailedTaskHintLines));
        } else {
            setStatus(*ltvTaskItems, i, QStringLiteral("Complete"));
        }
        if (i != ltvTaskItems->Count() - 1) {
            pgbCurrent->setValue(0);
            labCurProgress->setText(PercentText(0));
        }
        TerminateEncoder();
    }

    if (RunState == 1)
        CompleteRun(failed, ltvTaskItems->Count());
}

void TMainForm::EndStoppedRun(int task)
{
    timerTime->stop();
    setStatus(*ltvTaskItems, task, QStringLiteral("Stop"));
    // The user is closing the window: nothing to tell them.
    if (!RunClosing)
        Platform::MessageBox(this, QStringLiteral("The Coversion is canceled."),
                             QStringLiteral("Cancel"), Platform::MessageIcon::Information,
                             Platform::MessageButtons::Ok);
    EndRun();
}

void TMainForm::EndRun()
{
    timerTime->stop();
    panBottomLeft->hide();
    panBottomCenter->show();
    RunState = 0;
}
