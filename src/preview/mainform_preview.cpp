// The preview player at the top of the right-hand column: play, pause/resume and stop the
// input file of the selected task, with a position bar and a time label.
#include "app/mainform.h"

#include "preview/previewplayer.h"
#include "tasks/tasklistmodel.h"
#include "tasks/tasklistview.h"
#include "tasks/timecode.h"

#include <QAction>
#include <QLabel>
#include <QSlider>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

namespace {

QToolButton *mediaButton(QWidget *parent, const QString &name, const QString &hint,
                         QStyle::StandardPixmap icon, const QRect &geometry)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setToolTip(hint);
    button->setAutoRaise(true);
    button->setIcon(parent->style()->standardIcon(icon));
    return button;
}

} // namespace

void TMainForm::bindPreviewHandlers()
{
    VideoWindow1 = new QWidget(panPreview);
    VideoWindow1->setObjectName(QStringLiteral("VideoWindow1"));
    VideoWindow1->setGeometry(0, 21, 233, 140);
    VideoWindow1->setAutoFillBackground(true);
    QPalette black = VideoWindow1->palette();
    black.setColor(QPalette::Window, Qt::black);
    VideoWindow1->setPalette(black);

    TrackBar = new QSlider(Qt::Horizontal, panPreview);
    TrackBar->setObjectName(QStringLiteral("TrackBar"));
    TrackBar->setGeometry(3, 170, 227, 21);
    TrackBar->setTickPosition(QSlider::TicksAbove);
    TrackBar->setRange(0, 0);

    sbtnPlay = mediaButton(panPreview, QStringLiteral("sbtnPlay"), QStringLiteral("Play"),
                           QStyle::SP_MediaPlay, QRect(12, 201, 38, 22));
    sbtnPause
            = mediaButton(panPreview, QStringLiteral("sbtnPause"), QStringLiteral("Pause / Resume"),
                          QStyle::SP_MediaPause, QRect(56, 201, 37, 22));
    sbtnStop = mediaButton(panPreview, QStringLiteral("sbtnStop"), QStringLiteral("Stop"),
                           QStyle::SP_MediaStop, QRect(98, 201, 38, 22));

    labPreviewTime = new QLabel(QStringLiteral("00:00:00"), panPreview);
    labPreviewTime->setObjectName(QStringLiteral("labPreviewTime"));
    labPreviewTime->setGeometry(164, 207, 57, 13);
    labPreviewTime->setStyleSheet(QStringLiteral("color: white;"));

    tmrTrackBar = new QTimer(this);
    tmrTrackBar->setObjectName(QStringLiteral("tmrTrackBar"));
    tmrTrackBar->setInterval(1000);

    FilterGraph = new TMediaPreviewGraph(VideoWindow1);

    connect(sbtnPlay, &QToolButton::clicked, this, &TMainForm::sbtnPlayClick);
    connect(sbtnPause, &QToolButton::clicked, this, &TMainForm::sbtnPauseClick);
    connect(sbtnStop, &QToolButton::clicked, this, &TMainForm::sbtnStopClick);
    connect(ltvTask, &QAbstractItemView::doubleClicked, this, &TMainForm::ltvTaskDblClick);
    if (mniOpen)
        connect(mniOpen, &QAction::triggered, this, &TMainForm::ltvTaskDblClick);
    connect(tmrTrackBar, &QTimer::timeout, this, &TMainForm::TrackBarTick);
    // A drag seeks where the thumb is let go; a click beside the thumb seeks at once.
    connect(TrackBar, &QSlider::sliderReleased, this,
            [this] { FilterGraph->Seek(TrackBar->value()); });
    connect(TrackBar, &QSlider::actionTriggered, this, [this](int action) {
        if (action != QAbstractSlider::SliderMove && action != QAbstractSlider::SliderNoAction)
            FilterGraph->Seek(TrackBar->sliderPosition());
    });
}

void TMainForm::PreviewSelectedTask()
{
    const int row = ltvTaskItems->FirstSelected();
    if (row < 0)
        return;
    if (!FilterGraph->IsActive())
        FilterGraph->Activate();
    FilterGraph->Clear();
    // A file that cannot be rendered plays as an empty, silent preview.
    FilterGraph->RenderFile(ltvTaskItems->Caption(row));
    FilterGraph->Run();
    tmrTrackBar->start();
}

void TMainForm::ltvTaskDblClick()
{
    if (ltvTaskItems->FirstSelected() >= 0)
        PreviewSelectedTask();
}

void TMainForm::sbtnPlayClick()
{
    if (ltvTaskItems->Count() == 0)
        return;
    if (ltvTaskItems->FirstSelected() < 0)
        ltvTaskItems->SetSelected(0, true);
    PreviewSelectedTask();
}

void TMainForm::sbtnPauseClick()
{
    switch (FilterGraph->State()) {
    case gsPlaying:
        FilterGraph->Pause();
        tmrTrackBar->stop();
        break;
    case gsPaused:
        FilterGraph->Run();
        tmrTrackBar->start();
        break;
    case gsUninitialized:
    case gsStopped:
        break;
    }
}

void TMainForm::sbtnStopClick()
{
    FilterGraph->Stop();
    tmrTrackBar->stop();
}

void TMainForm::TrackBarTick()
{
    if (TrackBar->isSliderDown() || FilterGraph->State() != gsPlaying)
        return;
    TrackBar->setRange(0, int(FilterGraph->DurationSeconds()));
    TrackBar->setValue(int(FilterGraph->PositionSeconds()));
    TrackBarTimer();
}

void TMainForm::TrackBarTimer()
{
    labPreviewTime->setText(SecondsToTimeCode(TrackBar->value()));
}
