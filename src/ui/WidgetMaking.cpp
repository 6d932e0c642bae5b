#include "ui/WidgetMaking.h"

#include <QFrame>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QToolButton>

LinkLabel::LinkLabel(const QString& text, std::function<void()> activate, QWidget* parent)
    : QLabel(text, parent), activate_(std::move(activate))
{
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && activate_)
        activate_();
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) && activate_) {
        activate_();
        return;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
}

QFrame* makePanel(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setGeometry(geometry);
    return panel;
}

QFrame* makeStrip(QWidget* parent, const char* name, const QRect& geometry)
{
    QFrame* strip = makePanel(parent, name, geometry);
    strip->setProperty("unskinned", true);
    strip->setAutoFillBackground(true);
    QPalette palette = strip->palette();
    palette.setColor(QPalette::Window, Qt::white);
    strip->setPalette(palette);
    return strip;
}

QLabel* makePicture(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* picture = new QLabel(parent);
    picture->setObjectName(QLatin1String(name));
    picture->setGeometry(geometry);
    picture->setScaledContents(true);
    return picture;
}

QLabel* makeLabel(QWidget* parent, const char* name, const char* text, const QPoint& position)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->move(position);
    label->adjustSize();
    return label;
}

QLabel* makeLinkLabel(QWidget* parent, const char* name, const QString& text, const QColor& colour,
                      bool underlined, std::function<void()> activate)
{
    auto* link = new LinkLabel(text, std::move(activate), parent);
    link->setObjectName(QLatin1String(name));
    setTextColour(link, colour);
    if (underlined) {
        QFont underlinedFont = link->font();
        underlinedFont.setUnderline(true);
        link->setFont(underlinedFont);
    }
    link->setAccessibleName(text);
    link->adjustSize();
    return link;
}

void setTextColour(QLabel* label, const QColor& colour)
{
    // The palette, not a style sheet: a label with its own style sheet takes
    // its parent's font again whenever the skin polishes it.
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colour);
    label->setPalette(colours);
}

QString accessibleCaption(const QString& caption)
{
    QString plain = caption;
    plain.remove(QLatin1Char('&'));
    return plain;
}

QToolButton* makeFlatButton(QWidget* parent, const char* name, const char* caption, const QRect& geometry,
                            const char* hint)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setText(QString::fromUtf8(caption));
    button->setAutoRaise(true);
    button->setProperty("unskinned", true);
    button->setFocusPolicy(Qt::TabFocus);
    const QString hintText = QString::fromUtf8(hint ? hint : caption);
    button->setToolTip(hintText);
    button->setAccessibleName(accessibleCaption(hintText));
    return button;
}

QPushButton* makeButton(QWidget* parent, const char* name, const char* caption, const QRect& geometry)
{
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setAccessibleName(accessibleCaption(button->text()));
    return button;
}

QProgressBar* makeProgressBar(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(QLatin1String(name));
    bar->setGeometry(geometry);
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);
    return bar;
}
