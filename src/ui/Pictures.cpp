#include "ui/Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int ButtonWidth = 133;
constexpr int ButtonHeight = 65;

enum class Glyph { Play, Square };

QPixmap drawBigButton(const QColor& base, Glyph glyph, const QString& caption, int state)
{
    QPixmap picture(ButtonWidth, ButtonHeight);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    const QColor top = state == 1 ? base.lighter(125) : (state == 2 ? base.darker(115) : base.lighter(110));
    const QColor bottom = state == 2 ? base.darker(135) : base.darker(112);
    QLinearGradient fill(0, 0, 0, ButtonHeight);
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    const QRectF body(2.5, 2.5, ButtonWidth - 5, ButtonHeight - 5);
    painter.setPen(QPen(base.darker(160), 1.5));
    painter.setBrush(fill);
    painter.drawRoundedRect(body, 14, 14);

    // A soft highlight on the upper half.
    QPainterPath shine;
    shine.addRoundedRect(QRectF(6, 5, ButtonWidth - 12, ButtonHeight / 2.0 - 4), 10, 10);
    painter.fillPath(shine, QColor(255, 255, 255, state == 2 ? 25 : 55));

    const int offset = state == 2 ? 1 : 0;
    const QRectF disc(14 + offset, 14 + offset, 37, 37);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 235));
    painter.drawEllipse(disc);
    painter.setBrush(base.darker(130));
    if (glyph == Glyph::Play) {
        QPainterPath triangle;
        triangle.moveTo(disc.left() + 14, disc.top() + 9);
        triangle.lineTo(disc.left() + 14, disc.bottom() - 9);
        triangle.lineTo(disc.right() - 8, disc.center().y());
        triangle.closeSubpath();
        painter.drawPath(triangle);
    } else {
        painter.drawRoundedRect(QRectF(disc.left() + 11, disc.top() + 11, 15, 15), 2, 2);
    }

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(20);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(255, 255, 255));
    painter.drawText(QRectF(56 + offset, offset, ButtonWidth - 62, ButtonHeight), Qt::AlignVCenter | Qt::AlignLeft,
                     caption);
    return picture;
}

std::array<QPixmap, 3> drawStates(const QColor& base, Glyph glyph, const QString& caption)
{
    return {drawBigButton(base, glyph, caption, 0), drawBigButton(base, glyph, caption, 1),
            drawBigButton(base, glyph, caption, 2)};
}

} // namespace

std::array<QPixmap, 3> StartButtonPictures()
{
    return drawStates(QColor(46, 160, 67), Glyph::Play, QStringLiteral("Start"));
}

std::array<QPixmap, 3> StopButtonPictures()
{
    return drawStates(QColor(200, 55, 45), Glyph::Square, QStringLiteral("Stop"));
}
