// The preview pane's handlers.
#include "app/MainForm.h"

#include <QTreeWidget>
#include <QVideoWidget>

#include "preview/PreviewPlayer.h"

void TMainForm::sbtnPlayClick()
{
    if (ltvTask->topLevelItemCount() == 0)
        return;
    if (SelectedTask() < 0)
        ltvTask->setCurrentItem(ltvTask->topLevelItem(0), 0,
                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    PlaySelectedTask();
}

void TMainForm::sbtnPauseClick()
{
    if (preview_)
        preview_->pauseOrResume();
}

void TMainForm::sbtnStopClick()
{
    // Nothing to stop before the first play.
    if (preview_)
        preview_->stop();
}

void TMainForm::ltvTaskDblClick()
{
    if (SelectedTask() >= 0)
        PlaySelectedTask();
}

void TMainForm::PlaySelectedTask()
{
    const int row = SelectedTask();
    if (row < 0)
        return;
    // The player is made on the first play and kept for the life of the window
    // (a child of it too, so it can be found by name; it goes first).
    if (!preview_) {
        auto* video = new QVideoWidget(VideoWindow1);
        video->setObjectName(QStringLiteral("VideoWidget"));
        video->setGeometry(VideoWindow1->rect());
        video->show();
        preview_ = std::make_unique<PreviewPlayer>(video, TrackBar, labPreviewTime, this);
        preview_->setObjectName(QStringLiteral("FilterGraph"));
    }
    preview_->play(ltvTask->topLevelItem(row)->text(0));
}
