#include "preview/previewplayer.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>
#include <QVideoWidget>

TMediaPreviewGraph::TMediaPreviewGraph(QWidget *videoHost)
    : TPreviewGraph(videoHost)
    , m_videoHost(videoHost)
{ }

TMediaPreviewGraph::~TMediaPreviewGraph()
{
    // The player lets go of its outputs before they are gone.
    if (m_player) {
        m_player->stop();
        m_player->setVideoOutput(nullptr);
    }
}

void TMediaPreviewGraph::Activate()
{
    if (m_player)
        return;
    m_player = new QMediaPlayer(this);
    m_audio = new QAudioOutput(this);
    m_player->setAudioOutput(m_audio);
    m_video = new QVideoWidget(m_videoHost);
    m_video->setObjectName(QStringLiteral("VideoWidget"));
    m_video->setGeometry(m_videoHost->rect());
    m_video->setAspectRatioMode(Qt::KeepAspectRatio);
    m_video->show();
    m_player->setVideoOutput(m_video.data());
}

void TMediaPreviewGraph::Clear()
{
    if (!m_player)
        return;
    m_player->stop();
    m_player->setSource(QUrl());
}

bool TMediaPreviewGraph::RenderFile(const QString &path)
{
    if (!m_player)
        return false;
    m_player->setSource(QUrl::fromLocalFile(path));
    return QFileInfo(path).isFile();
}

void TMediaPreviewGraph::Run()
{
    if (m_player)
        m_player->play();
}

void TMediaPreviewGraph::Pause()
{
    if (m_player)
        m_player->pause();
}

void TMediaPreviewGraph::Stop()
{
    if (m_player)
        m_player->stop();
}

TGraphState TMediaPreviewGraph::State() const
{
    if (!m_player)
        return gsUninitialized;
    switch (m_player->playbackState()) {
    case QMediaPlayer::PlayingState:
        return gsPlaying;
    case QMediaPlayer::PausedState:
        return gsPaused;
    case QMediaPlayer::StoppedState:
        break;
    }
    return gsStopped;
}

double TMediaPreviewGraph::PositionSeconds() const
{
    return m_player ? m_player->position() / 1000.0 : 0.0;
}

double TMediaPreviewGraph::DurationSeconds() const
{
    return m_player ? m_player->duration() / 1000.0 : 0.0;
}

void TMediaPreviewGraph::Seek(double seconds)
{
    if (m_player)
        m_player->setPosition(qint64(seconds * 1000.0));
}
