#pragma once
// Plays the selected task's input in the preview pane: the media player drawn
// into the pane's video area, a position bar that follows playback once a
// second, and the time label beside it. A file the media framework can't play
// simply plays nothing; the player reports nothing to the user.
#include <QObject>
#include <QString>

class QAudioOutput;
class QLabel;
class QMediaPlayer;
class QSlider;
class QTimer;
class QVideoWidget;

class PreviewPlayer : public QObject {
    Q_OBJECT

public:
    static constexpr int TickMs = 1000;

    enum class State { Stopped, Playing, Paused };

    PreviewPlayer(QVideoWidget* videoWindow, QSlider* trackBar, QLabel* timeLabel,
                  QObject* parent = nullptr);
    ~PreviewPlayer() override;

    // Stops the current file, releases it and plays `file` from its start.
    void play(const QString& file);
    // Playing → paused, paused → playing; stopped: nothing.
    void pauseOrResume();
    void stop();

    State state() const;
    QString source() const;
    QMediaPlayer& mediaPlayer() const { return *player_; }

    // One tick of the position bar: range 0 up to the duration and position
    // in whole seconds, and the time label. Runs every TickMs while playing.
    void TrackBarTimer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onPlaybackStateChanged();
    // Seeks to the same fraction of the media as the bar's thumb in its range.
    void seekToThumb();

    QSlider* trackBar_;
    QLabel* timeLabel_;
    QMediaPlayer* player_;
    QAudioOutput* audio_ = nullptr;
    QTimer* timer_;
};
