#include "ui/WidgetMaking.h"

#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>

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
    label->move(position);
    label->adjustSize();
    return label;
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
