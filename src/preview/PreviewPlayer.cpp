#include "preview/PreviewPlayer.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QKeyEvent>
#include <QLabel>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QMouseEvent>
#include <QSlider>
#include <QTimer>
#include <QUrl>
#include <QVideoWidget>

#include "app/TimeText.h"

namespace {

bool MovesTheThumb(int key)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

} // namespace

PreviewPlayer::PreviewPlayer(QVideoWidget* videoWindow, QSlider* trackBar, QLabel* timeLabel, QObject* parent)
    : QObject(parent), trackBar_(trackBar), timeLabel_(timeLabel), player_(new QMediaPlayer(this)),
      timer_(new QTimer(this))
{
    player_->setVideoOutput(videoWindow);
    // Some media backends fail hard when asked to play sound with no output
    // device at all; without one the preview is silent.
    if (!QMediaDevices::audioOutputs().isEmpty()) {
        audio_ = new QAudioOutput(this);
        player_->setAudioOutput(audio_);
    }
    timer_->setInterval(TickMs);
    connect(timer_, &QTimer::timeout, this, &PreviewPlayer::TrackBarTimer);
    connect(player_, &QMediaPlayer::playbackStateChanged, this, &PreviewPlayer::onPlaybackStateChanged);
    // An unplayable file ends here: stopped, no ticks, the label keeps its text.
    connect(player_, &QMediaPlayer::errorOccurred, this, [this] {
        timer_->stop();
        player_->stop();
    });
    trackBar_->installEventFilter(this);
}

PreviewPlayer::~PreviewPlayer()
{
    timer_->stop();
    player_->stop();
}

void PreviewPlayer::play(const QString& file)
{
    // Release the previous file before the next one is opened.
    player_->stop();
    player_->setSource(QUrl());
    player_->setSource(QUrl::fromLocalFile(file));
    // Some backends refuse a file while opening it; then there is nothing to play.
    if (player_->error() != QMediaPlayer::NoError || player_->mediaStatus() == QMediaPlayer::InvalidMedia)
        return;
    player_->play();
}

void PreviewPlayer::pauseOrResume()
{
    switch (state()) {
    case State::Playing: player_->pause(); break;
    case State::Paused: player_->play(); break;
    case State::Stopped: break;
    }
}

void PreviewPlayer::stop()
{
    player_->stop();
}

PreviewPlayer::State PreviewPlayer::state() const
{
    switch (player_->playbackState()) {
    case QMediaPlayer::PlayingState: return State::Playing;
    case QMediaPlayer::PausedState: return State::Paused;
    case QMediaPlayer::StoppedState: break;
    }
    return State::Stopped;
}

QString PreviewPlayer::source() const
{
    return player_->source().toLocalFile();
}

void PreviewPlayer::TrackBarTimer()
{
    // Only a file that has opened moves the bar; one still opening, or one
    // that can't be played, leaves the bar and the label as they are.
    switch (player_->mediaStatus()) {
    case QMediaPlayer::LoadedMedia:
    case QMediaPlayer::BufferingMedia:
    case QMediaPlayer::BufferedMedia:
    case QMediaPlayer::StalledMedia:
    case QMediaPlayer::EndOfMedia:
        break;
    default:
        return;
    }
    if (player_->error() != QMediaPlayer::NoError)
        return;
    const qint64 durationSeconds = player_->duration() / TickMs;
    const qint64 positionSeconds = player_->position() / TickMs;
    trackBar_->setRange(0, static_cast<int>(durationSeconds));
    // The thumb stays where the user holds it until it is released.
    if (!trackBar_->isSliderDown())
        trackBar_->setValue(static_cast<int>(positionSeconds));
    timeLabel_->setText(QString::fromStdString(FormatTimeText(static_cast<double>(positionSeconds))));
}

void PreviewPlayer::onPlaybackStateChanged()
{
    if (state() == State::Playing)
        timer_->start();
    else
        timer_->stop();
}

void PreviewPlayer::seekToThumb()
{
    const int range = trackBar_->maximum() - trackBar_->minimum();
    if (range <= 0 || player_->source().isEmpty())
        return;
    const double fraction = static_cast<double>(trackBar_->value() - trackBar_->minimum()) / range;
    player_->setPosition(static_cast<qint64>(fraction * static_cast<double>(player_->duration())));
}

bool PreviewPlayer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == trackBar_) {
        const bool released = event->type() == QEvent::MouseButtonRelease
                              && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        const bool keyed = event->type() == QEvent::KeyRelease
                           && MovesTheThumb(static_cast<QKeyEvent*>(event)->key());
        // The bar finishes moving its thumb first; the seek follows.
        if (released || keyed)
            QMetaObject::invokeMethod(this, &PreviewPlayer::seekToThumb, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}
