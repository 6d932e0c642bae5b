#include "ui/BalloonTip.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QToolTip>

namespace {

constexpr char TipName[] = "balloonTip";
constexpr int IconSize = 16;
// The tip's corner sits this far below and right of the point it explains.
constexpr int AnchorOffset = 12;

} // namespace

BalloonTip::BalloonTip(QWidget* window)
    : QFrame(window, Qt::ToolTip | Qt::FramelessWindowHint)
{
    setObjectName(TipName);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setPalette(QToolTip::palette());
    setAutoFillBackground(true);

    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(IconSize, IconSize));
    title_ = new QLabel(this);
    title_->setTextFormat(Qt::PlainText);
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    text_ = new QLabel(this);
    text_->setTextFormat(Qt::PlainText);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->setHorizontalSpacing(6);
    layout->addWidget(icon, 0, 0);
    layout->addWidget(title_, 0, 1);
    layout->addWidget(text_, 1, 1);

    hideTimer_.setSingleShot(true);
    hideTimer_.setInterval(ShowMilliseconds);
    connect(&hideTimer_, &QTimer::timeout, this, &QWidget::hide);
}

BalloonTip* BalloonTip::existingFor(const QWidget* target)
{
    if (!target)
        return nullptr;
    return target->window()->findChild<BalloonTip*>(TipName, Qt::FindDirectChildrenOnly);
}

BalloonTip* BalloonTip::showFor(QWidget* target, const QString& title, const QString& text)
{
    if (!target)
        return nullptr;
    BalloonTip* tip = existingFor(target);
    if (!tip)
        tip = new BalloonTip(target->window());

    QPoint anchor = QCursor::pos();
    if (!target->rect().contains(target->mapFromGlobal(anchor)))
        anchor = target->mapToGlobal(QPoint(target->width() / 2, target->height()));
    tip->popUp(anchor, title, text);
    return tip;
}

QString BalloonTip::title() const
{
    return title_->text();
}

QString BalloonTip::text() const
{
    return text_->text();
}

void BalloonTip::popUp(const QPoint& anchor, const QString& title, const QString& text)
{
    title_->setText(title);
    text_->setText(text);
    adjustSize();

    QPoint corner = anchor + QPoint(-AnchorOffset, AnchorOffset);
    if (const QScreen* screen = QGuiApplication::screenAt(anchor)) {
        const QRect room = screen->availableGeometry();
        corner.setX(qBound(room.left(), corner.x(), qMax(room.left(), room.right() - width())));
        // No room below: above the point instead.
        if (corner.y() + height() > room.bottom())
            corner.setY(qMax(room.top(), anchor.y() - AnchorOffset - height()));
    }
    move(corner);
    show();
    raise();
    hideTimer_.start();
}

void BalloonTip::showEvent(QShowEvent* event)
{
    QFrame::showEvent(event);
    armed_ = false;
    qApp->installEventFilter(this);
    QTimer::singleShot(0, this, [this] { armed_ = true; });
}

void BalloonTip::hideEvent(QHideEvent* event)
{
    qApp->removeEventFilter(this);
    hideTimer_.stop();
    QFrame::hideEvent(event);
}

bool BalloonTip::eventFilter(QObject* watched, QEvent* event)
{
    if (armed_ && event->type() == QEvent::MouseButtonPress)
        hide();
    return QFrame::eventFilter(watched, event);
}
