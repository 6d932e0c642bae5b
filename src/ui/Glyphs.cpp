#include "ui/Glyphs.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QtMath>

namespace {

// Glyphs are drawn on a 24-unit grid and scaled to the asked size.
constexpr double Grid = 24.0;
constexpr double Stroke = 2.0;
constexpr int Oversample = 2;   // crisp on high-density screens too

QPen linePen(const QColor& colour)
{
    return QPen(colour, Stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A filled disc with a plus cut out of it, at the lower right.
void drawPlusBadge(QPainter& painter, const QColor& colour)
{
    const QRectF disc(12.5, 12.5, 11, 11);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(disc);
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.setPen(QPen(Qt::black, 1.8, Qt::SolidLine, Qt::RoundCap));
    const QPointF c = disc.center();
    painter.drawLine(QPointF(c.x() - 3, c.y()), QPointF(c.x() + 3, c.y()));
    painter.drawLine(QPointF(c.x(), c.y() - 3), QPointF(c.x(), c.y() + 3));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// Clears a ring around the badge so the outline under it doesn't touch it.
void clearBadgeRing(QPainter& painter)
{
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QRectF(11, 11, 14, 14));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void drawDocument(QPainter& painter, const QColor& colour)
{
    QPainterPath page;
    page.moveTo(5, 3);
    page.lineTo(13, 3);
    page.lineTo(18, 8);
    page.lineTo(18, 21);
    page.lineTo(5, 21);
    page.closeSubpath();
    painter.setPen(linePen(colour));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(page);
    painter.drawPolyline(QPolygonF({QPointF(13, 3), QPointF(13, 8), QPointF(18, 8)}));
    // A film frame on the page.
    painter.drawRect(QRectF(8, 11, 6, 5));
}

void drawFolder(QPainter& painter, const QColor& colour)
{
    QPainterPath folder;
    folder.moveTo(2, 6);
    folder.lineTo(9, 6);
    folder.lineTo(11, 8);
    folder.lineTo(20, 8);
    folder.lineTo(20, 19);
    folder.lineTo(2, 19);
    folder.closeSubpath();
    painter.setPen(linePen(colour));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(folder);
    painter.drawLine(QPointF(2, 11), QPointF(20, 11));
}

void drawGear(QPainter& painter, const QColor& colour)
{
    const QPointF centre(12, 12);
    QPainterPath gear;
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        // Alternating outer (tooth) and inner radii, two points each.
        const double radius = (i % 2 == 0) ? 10.0 : 7.6;
        const double from = (i - 0.5) * M_PI / teeth + (i % 2 == 0 ? 0.12 : -0.12);
        const double to = (i + 0.5) * M_PI / teeth - (i % 2 == 0 ? 0.12 : -0.12);
        const QPointF a = centre + QPointF(radius * qCos(from), radius * qSin(from));
        const QPointF b = centre + QPointF(radius * qCos(to), radius * qSin(to));
        if (i == 0)
            gear.moveTo(a);
        else
            gear.lineTo(a);
        gear.lineTo(b);
    }
    gear.closeSubpath();
    gear.addEllipse(centre, 3.2, 3.2);
    gear.setFillRule(Qt::OddEvenFill);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(gear);
}

void drawArrow(QPainter& painter, const QColor& colour, bool up)
{
    painter.setPen(linePen(colour));
    painter.setBrush(Qt::NoBrush);
    const double tip = up ? 4 : 20;
    const double tail = up ? 20 : 4;
    const double wing = up ? 11 : 13;
    painter.drawLine(QPointF(12, tip), QPointF(12, tail));
    painter.drawPolyline(QPolygonF({QPointF(5, wing), QPointF(12, tip), QPointF(19, wing)}));
}

void drawCircleMark(QPainter& painter, const QColor& colour, const QString& mark)
{
    painter.setPen(linePen(colour));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(2.5, 2.5, 19, 19));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(13);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QRectF(2.5, 2.5, 19, 19), Qt::AlignCenter, mark);
}

void drawGlyph(QPainter& painter, Glyph glyph, const QColor& colour)
{
    switch (glyph) {
    case Glyph::AddFile:
        drawDocument(painter, colour);
        clearBadgeRing(painter);
        drawPlusBadge(painter, colour);
        break;
    case Glyph::AddDir:
        drawFolder(painter, colour);
        clearBadgeRing(painter);
        drawPlusBadge(painter, colour);
        break;
    case Glyph::Settings: drawGear(painter, colour); break;
    case Glyph::Play: {
        QPainterPath triangle;
        triangle.moveTo(7, 4.5);
        triangle.lineTo(19.5, 12);
        triangle.lineTo(7, 19.5);
        triangle.closeSubpath();
        painter.setPen(QPen(colour, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(colour);
        painter.drawPath(triangle);
        break;
    }
    case Glyph::Pause:
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawRoundedRect(QRectF(6, 5, 4.5, 14), 1.2, 1.2);
        painter.drawRoundedRect(QRectF(13.5, 5, 4.5, 14), 1.2, 1.2);
        break;
    case Glyph::Stop:
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawRoundedRect(QRectF(6, 6, 12, 12), 1.8, 1.8);
        break;
    case Glyph::Delete:
        painter.setPen(QPen(colour, 2.4, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(6, 6), QPointF(18, 18));
        painter.drawLine(QPointF(18, 6), QPointF(6, 18));
        break;
    case Glyph::Clear:
        painter.setPen(linePen(colour));
        painter.setBrush(Qt::NoBrush);
        painter.drawLine(QPointF(4, 6.5), QPointF(20, 6.5));
        painter.drawPolyline(QPolygonF({QPointF(9, 6.5), QPointF(9, 3.5), QPointF(15, 3.5), QPointF(15, 6.5)}));
        painter.drawPolyline(QPolygonF({QPointF(6, 6.5), QPointF(7.2, 20.5), QPointF(16.8, 20.5),
                                        QPointF(18, 6.5)}));
        painter.drawLine(QPointF(10, 10), QPointF(10, 17));
        painter.drawLine(QPointF(14, 10), QPointF(14, 17));
        break;
    case Glyph::MoveUp: drawArrow(painter, colour, true); break;
    case Glyph::MoveDown: drawArrow(painter, colour, false); break;
    case Glyph::About: drawCircleMark(painter, colour, QStringLiteral("i")); break;
    case Glyph::Help: drawCircleMark(painter, colour, QStringLiteral("?")); break;
    }
}

QPixmap renderGlyph(Glyph glyph, const QColor& colour, int pixels)
{
    QPixmap picture(pixels * Oversample, pixels * Oversample);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.scale(pixels * Oversample / Grid, pixels * Oversample / Grid);
        drawGlyph(painter, glyph, colour);
    }
    picture.setDevicePixelRatio(Oversample);
    return picture;
}

} // namespace

QIcon GlyphIcon(Glyph glyph, const QColor& colour, int pixels)
{
    QIcon icon;
    icon.addPixmap(renderGlyph(glyph, colour, pixels), QIcon::Normal);
    QColor faded = colour;
    faded.setAlphaF(0.38f);
    icon.addPixmap(renderGlyph(glyph, faded, pixels), QIcon::Disabled);
    return icon;
}

void DrawProgramMark(QPainter& painter, const QRectF& box)
{
    // Drawn on a 100-unit square: a film strip leaning behind a phone whose
    // screen shows a play sign.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.topLeft());
    painter.scale(box.width() / 100.0, box.height() / 100.0);

    painter.save();
    painter.translate(50, 50);
    painter.rotate(-14);
    const QRectF strip(-46, -36, 74, 30);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(52, 58, 70));
    painter.drawRoundedRect(strip, 3, 3);
    painter.setBrush(QColor(236, 240, 245));
    for (int hole = 0; hole < 7; ++hole) {
        painter.drawRoundedRect(QRectF(strip.left() + 4 + hole * 10, strip.top() + 3, 5, 4), 1, 1);
        painter.drawRoundedRect(QRectF(strip.left() + 4 + hole * 10, strip.bottom() - 7, 5, 4), 1, 1);
    }
    painter.setBrush(QColor(250, 196, 72));
    painter.drawRect(QRectF(strip.left() + 6, strip.top() + 10, 18, 10));
    painter.setBrush(QColor(236, 112, 99));
    painter.drawRect(QRectF(strip.left() + 28, strip.top() + 10, 18, 10));
    painter.setBrush(QColor(102, 204, 153));
    painter.drawRect(QRectF(strip.left() + 50, strip.top() + 10, 18, 10));
    painter.restore();

    const QRectF body(26, 18, 52, 78);
    QLinearGradient shell(body.topLeft(), body.bottomRight());
    shell.setColorAt(0, QColor(64, 72, 86));
    shell.setColorAt(1, QColor(24, 28, 36));
    painter.setPen(QPen(QColor(18, 22, 28), 1.2));
    painter.setBrush(shell);
    painter.drawRoundedRect(body, 9, 9);
    const QRectF screen = body.adjusted(4.5, 10, -4.5, -12);
    QLinearGradient glass(screen.topLeft(), screen.bottomLeft());
    glass.setColorAt(0, QColor(120, 200, 255));
    glass.setColorAt(1, QColor(33, 113, 196));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glass);
    painter.drawRoundedRect(screen, 2.5, 2.5);
    painter.setBrush(QColor(255, 255, 255, 235));
    QPainterPath play;
    const QPointF c = screen.center();
    play.moveTo(c.x() - 7, c.y() - 10);
    play.lineTo(c.x() + 10, c.y());
    play.lineTo(c.x() - 7, c.y() + 10);
    play.closeSubpath();
    painter.drawPath(play);
    painter.setBrush(QColor(90, 100, 116));
    painter.drawEllipse(QPointF(c.x(), body.bottom() - 6), 3, 3);
    painter.drawRoundedRect(QRectF(c.x() - 6, body.top() + 4, 12, 2), 1, 1);
    painter.restore();
}
