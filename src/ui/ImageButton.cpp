#include "ui/ImageButton.h"

#include <QKeyEvent>
#include <QMouseEvent>

ImageButton::ImageButton(const std::array<QPixmap, 3>& pictures, QWidget* parent)
    : QLabel(parent), pictures_(pictures)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus);   // keyboard users reach Start and Stop too
    setCursor(Qt::PointingHandCursor);
    setPixmap(pictures_[0]);
}

void ImageButton::showState(int state)
{
    tag_ = state;
    setPixmap(pictures_[static_cast<std::size_t>(state)]);
}

void ImageButton::restoreNormal()
{
    if (isVisible() && tag_ != 0)
        showState(0);
}

void ImageButton::mouseMoveEvent(QMouseEvent* event)
{
    if (tag_ == 0)
        showState(1);
    QLabel::mouseMoveEvent(event);
}

void ImageButton::mousePressEvent(QMouseEvent* event)
{
    if (tag_ != 2)
        showState(2);
    event->accept();
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (tag_ != 2)
        return;
    showState(1);
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

void ImageButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}
