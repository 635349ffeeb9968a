// The run's clock: elapsed and remaining time, once a second.
#include "app/mainform.h"

#include "conversion/runclock.h"
#include "tasks/timecode.h"

#include <QLabel>
#include <QProgressBar>

void TMainForm::timerTimeTimer()
{
    ++ElapsedSeconds;
    labElapsed->setText(SecondsToTimeCode(ElapsedSeconds));
    RemainingSeconds
            = EstimateRemainingSeconds(ElapsedSeconds, pgbTotal->value(), RemainingSeconds);
    labRemaining->setText(SecondsToTimeCode(RemainingSeconds));
}
