// The progress panel that takes the idle panel's place during a run, the run's timer, and the
// binding of the Start and Stop commands.
#include "app/mainform.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QToolButton>

namespace {

const QColor CaptionColor(235, 235, 235);

QLabel *progressLabel(QWidget *parent, const QString &name, const QString &text, int x, int y)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(x, y);
    label->setStyleSheet(QStringLiteral("color: %1;").arg(CaptionColor.name()));
    label->adjustSize();
    return label;
}

QProgressBar *progressBar(QWidget *parent, const QString &name, int x, int y)
{
    auto *bar = new QProgressBar(parent);
    bar->setObjectName(name);
    bar->setGeometry(x, y, 210, 17);
    bar->setRange(0, 100);
    bar->setValue(0);
    // The percentage has its own label beside the bar.
    bar->setTextVisible(false);
    return bar;
}

} // namespace

void TMainForm::bindConversionHandlers()
{
    const int top = 12;
    const int bottom = 45;
    progressLabel(panBottomLeft, QString(), QStringLiteral("Converting:"), 19, top);
    labConvertingFile = progressLabel(panBottomLeft, QStringLiteral("labConvertingFile"),
                                      QStringLiteral("No File"), 75, top);
    labConvertingFile->setFixedWidth(249);
    progressLabel(panBottomLeft, QString(), QStringLiteral("Time Elapsed:"), 338, top);
    labElapsed = progressLabel(panBottomLeft, QStringLiteral("labElapsed"),
                               QStringLiteral("00:00:00"), 407, top);
    progressLabel(panBottomLeft, QString(), QStringLiteral("Time Remaining:"), 485, top);
    labRemaining = progressLabel(panBottomLeft, QStringLiteral("labRemaining"),
                                 QStringLiteral("00:00:00"), 567, top);
    // Texts change during the run; room for the longest they get.
    labElapsed->setFixedWidth(70);
    labRemaining->setFixedWidth(66);

    progressLabel(panBottomLeft, QString(), QStringLiteral("Current:"), 20, bottom);
    pgbCurrent = progressBar(panBottomLeft, QStringLiteral("pgbCurrent"), 58, 42);
    labCurProgress = progressLabel(panBottomLeft, QStringLiteral("labCurProgress"),
                                   QStringLiteral("0%"), 273, bottom);
    progressLabel(panBottomLeft, QString(), QStringLiteral("Total:"), 318, bottom);
    pgbTotal = progressBar(panBottomLeft, QStringLiteral("pgbTotal"), 348, 42);
    labTotalProgress = progressLabel(panBottomLeft, QStringLiteral("labTotalProgress"),
                                     QStringLiteral("0%"), 565, bottom);
    labCurProgress->setFixedWidth(40);
    labTotalProgress->setFixedWidth(40);

    timerTime = new QTimer(this);
    timerTime->setObjectName(QStringLiteral("timerTime"));
    timerTime->setInterval(1000);
    // Ticks are counted as seconds, so they must not drift as coarse timers may.
    timerTime->setTimerType(Qt::PreciseTimer);
    connect(timerTime, &QTimer::timeout, this, &TMainForm::timerTimeTimer);

    connect(imgStart, &QToolButton::clicked, this, &TMainForm::imgStartClick);
    connect(imgStop, &QToolButton::clicked, this, &TMainForm::imgStopClick);
}
