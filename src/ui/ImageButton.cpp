#include "ui/ImageButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

ImageButton::ImageButton(const std::array<QPixmap, 3>& pictures, QWidget* parent)
    : QAbstractButton(parent), pictures_(pictures)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus);   // keyboard users reach Start and Stop too
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_NoSystemBackground);
}

void ImageButton::showState(int state)
{
    tag_ = state;
    ++pictureChanges_;
    update();
}

void ImageButton::restoreNormal()
{
    if (isVisible() && tag_ != 0)
        showState(0);
}

const QPixmap& ImageButton::shownPicture() const
{
    return pictures_[static_cast<std::size_t>(tag_)];
}

QSize ImageButton::sizeHint() const
{
    return pictures_[0].size() / pictures_[0].devicePixelRatio();
}

void ImageButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, shownPicture());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void ImageButton::mouseMoveEvent(QMouseEvent* event)
{
    if (tag_ == 0)
        showState(1);
    QAbstractButton::mouseMoveEvent(event);
    // Taken here: the panel behind would otherwise see the move and put the
    // normal picture back at once.
    event->accept();
}

void ImageButton::mousePressEvent(QMouseEvent* event)
{
    if (tag_ != 2)
        showState(2);
    QAbstractButton::mousePressEvent(event);
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (tag_ == 2)
        showState(1);
    QAbstractButton::mouseReleaseEvent(event);   // clicks when released on the button
}

void ImageButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);   // Space presses and clicks on release
}
