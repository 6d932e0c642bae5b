// The preview pane: which task plays, pause and stop, and a real clip played
// through the system's media framework.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMediaPlayer>
#include <QMouseEvent>
#include <QSlider>
#include <QToolButton>
#include <QTreeWidget>

#include "app/MainForm.h"
#include "preview/PreviewPlayer.h"
#include "support/EventWait.h"
#include "support/TestProgram.h"

namespace {

PreviewPlayer* Player(const TMainForm& main)
{
    return main.findChild<PreviewPlayer*>(QStringLiteral("FilterGraph"));
}

QStringList SelectedRows(const TMainForm& main)
{
    QStringList rows;
    for (const QTreeWidgetItem* item : main.ltvTask->selectedItems())
        rows << item->text(0);
    return rows;
}

// The player has settled on the file: it plays, or it gave up on it.
bool Settled(const QMediaPlayer& player)
{
    return player.error() != QMediaPlayer::NoError || player.mediaStatus() == QMediaPlayer::InvalidMedia
           || player.mediaStatus() == QMediaPlayer::BufferedMedia || player.mediaStatus() == QMediaPlayer::EndOfMedia;
}

class Preview : public ::testing::Test {
protected:
    void SetUp() override
    {
        main = &program.start();
        program.show();
    }

    // Rows whose inputs need not exist: the list takes any path.
    void addRows(const QStringList& paths)
    {
        for (const QString& path : paths)
            main->AddTask(path);
        main->ltvTask->clearSelection();
    }

    TestProgram program;
    TMainForm* main = nullptr;
};

} // namespace

TEST_F(Preview, NothingToPlayLeavesThePaneAlone)
{
    main->sbtnPlay->click();
    main->sbtnPause->click();
    main->sbtnStop->click();
    main->ltvTaskDblClick();
    EXPECT_EQ(Player(*main), nullptr);
    EXPECT_EQ(main->labPreviewTime->text(), QStringLiteral("00:00:00"));

    // Rows but none selected: a double click plays nothing either.
    addRows({program.path(QStringLiteral("a.mp4")), program.path(QStringLiteral("b.mp4"))});
    main->ltvTaskDblClick();
    EXPECT_EQ(Player(*main), nullptr);
    EXPECT_TRUE(SelectedRows(*main).isEmpty());
    // Start stops the preview before anything was ever played.
    main->DisableForRun();
    main->EnableAfterRun();
    EXPECT_TRUE(program.Desktop.Messages.isEmpty());
}

TEST_F(Preview, PlayWithoutSelectionPicksTheFirstRowAndAnUnplayableFileIsQuiet)
{
    const QString first = program.path(QStringLiteral("missing one.mp4"));
    program.writeFile(QStringLiteral("not a video.avi"), "this is text, not a film");
    const QString second = program.path(QStringLiteral("not a video.avi"));
    addRows({first, second});
    main->labPreviewTime->setText(QStringLiteral("00:01:02"));

    main->sbtnPlay->click();
    EXPECT_EQ(SelectedRows(*main), QStringList{first});
    PreviewPlayer* player = Player(*main);
    ASSERT_NE(player, nullptr);
    EXPECT_EQ(player->source(), first);

    ASSERT_TRUE(RunEventsUntil([&] { return Settled(player->mediaPlayer()); }));
    // A second task replaces the first at once; it can't be played either.
    bool givenUp = false;
    QObject::connect(&player->mediaPlayer(), &QMediaPlayer::errorOccurred, [&] { givenUp = true; });
    QObject::connect(&player->mediaPlayer(), &QMediaPlayer::mediaStatusChanged, [&](QMediaPlayer::MediaStatus status) {
        givenUp = givenUp || status == QMediaPlayer::InvalidMedia;
    });
    main->ltvTask->setCurrentItem(main->ltvTask->topLevelItem(1), 0,
                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    main->ltvTaskDblClick();
    EXPECT_EQ(player->source(), second);
    ASSERT_TRUE(RunEventsUntil([&] { return givenUp; }));
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(player->state(), PreviewPlayer::State::Stopped);
    player->TrackBarTimer();   // a late tick changes nothing either
    EXPECT_EQ(main->labPreviewTime->text(), QStringLiteral("00:01:02"));
    EXPECT_TRUE(program.Desktop.Messages.isEmpty());

    // Pause on a stopped player does nothing; Stop is harmless.
    main->sbtnPause->click();
    EXPECT_EQ(player->state(), PreviewPlayer::State::Stopped);
    main->sbtnStop->click();
    EXPECT_EQ(player->state(), PreviewPlayer::State::Stopped);
}

TEST_F(Preview, PlaysAClipWithPositionBarTimePauseSeekAndSwitch)
{
    program.installEncoder(Encoder::Real);
    const QString clip = program.path(QStringLiteral("three seconds.mp4"));
    const QString other = program.path(QStringLiteral("other clip.mp4"));
    ASSERT_TRUE(MakeClip(clip, 3.0));
    ASSERT_TRUE(MakeClip(other, 2.0));
    addRows({clip, other});
    main->ltvTask->setCurrentItem(main->ltvTask->topLevelItem(0), 0,
                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);

    main->sbtnPlay->click();
    PreviewPlayer* player = Player(*main);
    ASSERT_NE(player, nullptr);
    QMediaPlayer& media = player->mediaPlayer();
    if (!media.isAvailable())
        GTEST_SKIP() << "Qt Multimedia has no usable media backend here";
    ASSERT_TRUE(RunEventsUntil([&] {
        return main->labPreviewTime->text() != QStringLiteral("00:00:00") || media.error() != QMediaPlayer::NoError
               || media.mediaStatus() == QMediaPlayer::EndOfMedia || media.mediaStatus() == QMediaPlayer::InvalidMedia;
    }));
    if (media.error() == QMediaPlayer::FormatError || media.mediaStatus() == QMediaPlayer::InvalidMedia)
        GTEST_SKIP() << "the media backend can't decode an H.264/AAC clip (missing codec plug-ins?): "
                     << media.errorString().toStdString();
    ASSERT_EQ(media.error(), QMediaPlayer::NoError) << media.errorString().toStdString();

    // The position bar covers the clip in whole seconds and follows playback.
    EXPECT_NE(main->labPreviewTime->text(), QStringLiteral("00:00:00"));
    EXPECT_EQ(main->TrackBar->minimum(), 0);
    EXPECT_EQ(main->TrackBar->maximum(), 3);
    EXPECT_GE(main->TrackBar->value(), 1);
    EXPECT_TRUE(main->labPreviewTime->text().startsWith(QStringLiteral("00:00:0")));

    if (player->state() == PreviewPlayer::State::Playing) {
        main->sbtnPause->click();
        EXPECT_EQ(player->state(), PreviewPlayer::State::Paused);
        // Releasing the thumb at two thirds seeks to two thirds of the clip.
        main->TrackBar->setValue(2);
        const QPointF at(main->TrackBar->width() / 2.0, main->TrackBar->height() / 2.0);
        QMouseEvent release(QEvent::MouseButtonRelease, at, main->TrackBar->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(main->TrackBar, &release);
        EXPECT_TRUE(RunEventsUntil([&] { return media.position() >= 1800; })) << media.position();
        main->sbtnPause->click();
        EXPECT_EQ(player->state(), PreviewPlayer::State::Playing);
    }

    // Another task plays at once in its place.
    main->ltvTask->setCurrentItem(main->ltvTask->topLevelItem(1), 0,
                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    main->ltvTaskDblClick();
    EXPECT_EQ(player->source(), other);
    EXPECT_EQ(player->state(), PreviewPlayer::State::Playing);
    main->sbtnStop->click();
    EXPECT_EQ(player->state(), PreviewPlayer::State::Stopped);
    EXPECT_TRUE(program.Desktop.Messages.isEmpty());
}
