#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QAudioOutput;
class QMediaPlayer;
class QVideoWidget;
class QWidget;

enum TGraphState { gsUninitialized, gsStopped, gsPaused, gsPlaying };

// What the preview needs of a playback graph. The main window drives one of these; tests put a
// recording one in its place, so nothing of the multimedia stack is needed to test the player.
class TPreviewGraph : public QObject
{
    Q_OBJECT
public:
    explicit TPreviewGraph(QObject *parent = nullptr)
        : QObject(parent)
    { }

    // Once active, the graph stays so; every other operation but State does nothing before.
    virtual void Activate() = 0;
    virtual bool IsActive() const = 0;
    // Stops and forgets the file rendered last.
    virtual void Clear() = 0;
    // Builds the playback of the file; false when it is known at once that it cannot play.
    virtual bool RenderFile(const QString &path) = 0;
    virtual void Run() = 0;
    virtual void Pause() = 0;
    virtual void Stop() = 0;
    virtual TGraphState State() const = 0;
    virtual double PositionSeconds() const = 0;
    virtual double DurationSeconds() const = 0;
    virtual void Seek(double seconds) = 0;
};

// The graph on the platform's media player: video into a widget filling `videoHost`, sound to
// the default output. The player and the widget come into being on Activate only, so a window
// that never previews never touches the multimedia stack.
class TMediaPreviewGraph : public TPreviewGraph
{
    Q_OBJECT
public:
    // The graph is a child of `videoHost`, so it goes before the video widget it feeds.
    explicit TMediaPreviewGraph(QWidget *videoHost);
    ~TMediaPreviewGraph() override;

    void Activate() override;
    bool IsActive() const override { return m_player != nullptr; }
    void Clear() override;
    bool RenderFile(const QString &path) override;
    void Run() override;
    void Pause() override;
    void Stop() override;
    TGraphState State() const override;
    double PositionSeconds() const override;
    double DurationSeconds() const override;
    void Seek(double seconds) override;

private:
    QWidget *m_videoHost;
    QMediaPlayer *m_player = nullptr;
    QAudioOutput *m_audio = nullptr;
    QPointer<QVideoWidget> m_video;
};
