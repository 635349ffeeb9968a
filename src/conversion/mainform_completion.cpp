// What a run that converted every task does at its end, as the settings dialog's check boxes
// choose: power the computer off, close the program, or report and open the output folder.
#include "app/mainform.h"

#include "platform/platform.h"
#include "settings/settingform.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTimer>

void TMainForm::CompleteRun(int failed, int count)
{
    timerTime->stop();
    // Closing from here is no stop of the run, whatever the close asks of a run in progress.
    RunEnding = true;
    if (SettingForm->chkTurnoff->isChecked()) {
        Platform::PowerOff();
        close();
    } else if (SettingForm->chkExit->isChecked()) {
        close();
    } else {
        // A batch with failed tasks is no success; say how many failed.
        const QString text = failed == 0
                ? QStringLiteral("The coversion is completed successfully.")
                : QStringLiteral("The conversion is finished, but %1 of %2 tasks failed.")
                          .arg(failed)
                          .arg(count);
        Platform::MessageBox(this, text, QStringLiteral("Complete"),
                             Platform::MessageIcon::Information, Platform::MessageButtons::Ok);
        if (SettingForm->chkOpenDir->isChecked())
            Platform::ShellOpen(this, edtOutputdir->text());
        EndRun();
    }
    RunEnding = false;
}
