#include "ui/Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "ui/Glyphs.h"

namespace {

constexpr int ButtonWidth = 133;
constexpr int ButtonHeight = 65;

QPixmap blank(QSize size)
{
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    return picture;
}

void fillVertical(QPainter& painter, const QRectF& area, const QColor& top, const QColor& bottom)
{
    QLinearGradient fill(area.topLeft(), area.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    painter.fillRect(area, fill);
}

QFont pictureFont(int pixels, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void drawDarkStrip(QPainter& painter, const QRectF& area)
{
    fillVertical(painter, area, LookColours::darkTop(), LookColours::darkBottom());
    // A faint sheen on the upper part and a highlight line on the top edge.
    QLinearGradient sheen(area.topLeft(), QPointF(area.left(), area.top() + area.height() * 0.5));
    sheen.setColorAt(0, QColor(255, 255, 255, 22));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillRect(QRectF(area.left(), area.top(), area.width(), area.height() * 0.5), sheen);
    painter.setPen(QColor(255, 255, 255, 40));
    painter.drawLine(QPointF(area.left(), area.top() + 0.5), QPointF(area.right(), area.top() + 0.5));
}

enum class Glyph2 { Play, Square };

QPixmap drawBigButton(const QColor& base, Glyph2 glyph, const QString& caption, int state)
{
    QPixmap picture = blank(QSize(ButtonWidth, ButtonHeight));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const int offset = state == 2 ? 1 : 0;
    // A soft shadow under the button, smaller while pressed.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, state == 2 ? 40 : 70));
    painter.drawRoundedRect(QRectF(4, 6, ButtonWidth - 8, ButtonHeight - 8), 15, 15);

    const QColor top = state == 1 ? base.lighter(128) : (state == 2 ? base.darker(112) : base.lighter(112));
    const QColor bottom = state == 2 ? base.darker(140) : (state == 1 ? base : base.darker(115));
    QLinearGradient fill(0, 0, 0, ButtonHeight);
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    const QRectF body(3 + offset, 2 + offset, ButtonWidth - 7, ButtonHeight - 7);
    painter.setPen(QPen(base.darker(165), 1.2));
    painter.setBrush(fill);
    painter.drawRoundedRect(body, 14, 14);

    // Glass highlight on the upper half.
    QPainterPath shine;
    shine.addRoundedRect(QRectF(body.left() + 4, body.top() + 3, body.width() - 8, body.height() / 2 - 3), 11, 11);
    QLinearGradient gloss(0, body.top(), 0, body.center().y());
    gloss.setColorAt(0, QColor(255, 255, 255, state == 2 ? 40 : 90));
    gloss.setColorAt(1, QColor(255, 255, 255, 8));
    painter.fillPath(shine, gloss);

    const QRectF disc(body.left() + 11, body.top() + 11, 36, 36);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 240));
    painter.drawEllipse(disc);
    painter.setBrush(base.darker(125));
    if (glyph == Glyph2::Play) {
        QPainterPath triangle;
        triangle.moveTo(disc.left() + 14, disc.top() + 9);
        triangle.lineTo(disc.left() + 14, disc.bottom() - 9);
        triangle.lineTo(disc.right() - 8, disc.center().y());
        triangle.closeSubpath();
        painter.drawPath(triangle);
    } else {
        painter.drawRoundedRect(QRectF(disc.left() + 11, disc.top() + 11, 14, 14), 2, 2);
    }

    painter.setFont(pictureFont(21, true));
    const QRectF textArea(disc.right() + 7, body.top(), body.right() - disc.right() - 9, body.height());
    painter.setPen(QColor(0, 0, 0, 70));
    painter.drawText(textArea.translated(0, 1), Qt::AlignVCenter | Qt::AlignLeft, caption);
    painter.setPen(Qt::white);
    painter.drawText(textArea, Qt::AlignVCenter | Qt::AlignLeft, caption);
    return picture;
}

std::array<QPixmap, 3> drawStates(const QColor& base, Glyph2 glyph, const QString& caption)
{
    return {drawBigButton(base, glyph, caption, 0), drawBigButton(base, glyph, caption, 1),
            drawBigButton(base, glyph, caption, 2)};
}

// A landscape phone whose screen shows a little landscape and a play sign.
void drawPhoneScene(QPainter& painter, const QRectF& body)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 30));
    painter.drawRoundedRect(body.translated(0, 5), 22, 22);
    QLinearGradient shell(body.topLeft(), body.bottomLeft());
    shell.setColorAt(0, QColor(70, 80, 96));
    shell.setColorAt(1, QColor(26, 31, 40));
    painter.setPen(QPen(QColor(18, 22, 28), 1.5));
    painter.setBrush(shell);
    painter.drawRoundedRect(body, 22, 22);

    const QRectF screen = body.adjusted(26, 9, -26, -9);
    painter.save();
    QPainterPath clip;
    clip.addRoundedRect(screen, 5, 5);
    painter.setClipPath(clip);
    fillVertical(painter, screen, QColor(125, 200, 250), QColor(214, 238, 255));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 214, 90));
    painter.drawEllipse(QPointF(screen.right() - 34, screen.top() + 26), 13, 13);
    QPainterPath far;
    far.moveTo(screen.left(), screen.bottom() - 30);
    far.lineTo(screen.left() + screen.width() * 0.30, screen.top() + 40);
    far.lineTo(screen.left() + screen.width() * 0.55, screen.bottom() - 36);
    far.lineTo(screen.left() + screen.width() * 0.78, screen.top() + 52);
    far.lineTo(screen.right(), screen.bottom() - 40);
    far.lineTo(screen.right(), screen.bottom());
    far.lineTo(screen.left(), screen.bottom());
    far.closeSubpath();
    painter.setBrush(QColor(72, 160, 140));
    painter.drawPath(far);
    QPainterPath near;
    near.moveTo(screen.left(), screen.bottom() - 14);
    near.cubicTo(screen.left() + 60, screen.bottom() - 34, screen.right() - 80, screen.bottom() - 4,
                 screen.right(), screen.bottom() - 22);
    near.lineTo(screen.right(), screen.bottom());
    near.lineTo(screen.left(), screen.bottom());
    near.closeSubpath();
    painter.setBrush(QColor(46, 125, 104));
    painter.drawPath(near);
    painter.restore();

    const QPointF c = screen.center();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 210));
    painter.drawEllipse(c, 21, 21);
    painter.setBrush(LookColours::accentDeep());
    QPainterPath play;
    play.moveTo(c.x() - 6, c.y() - 10);
    play.lineTo(c.x() + 11, c.y());
    play.lineTo(c.x() - 6, c.y() + 10);
    play.closeSubpath();
    painter.drawPath(play);
    // Home button and speaker.
    painter.setBrush(QColor(92, 102, 118));
    painter.drawEllipse(QPointF(body.right() - 13, body.center().y()), 6, 6);
    painter.drawRoundedRect(QRectF(body.left() + 10, body.center().y() - 9, 3, 18), 1.5, 1.5);
}

// A strip of film frames running from `from` towards `to`.
void drawFilmStrip(QPainter& painter, const QPointF& from, const QPointF& to, int frames)
{
    const QLineF axis(from, to);
    painter.save();
    painter.translate(from);
    painter.rotate(-axis.angle());
    const double length = axis.length();
    const double height = 46;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 25));
    painter.drawRoundedRect(QRectF(0, -height / 2 + 4, length, height), 4, 4);
    painter.setBrush(QColor(48, 54, 66));
    painter.drawRoundedRect(QRectF(0, -height / 2, length, height), 4, 4);
    painter.setBrush(QColor(236, 240, 245));
    for (double x = 5; x + 6 < length; x += 13) {
        painter.drawRoundedRect(QRectF(x, -height / 2 + 4, 7, 5), 1.2, 1.2);
        painter.drawRoundedRect(QRectF(x, height / 2 - 9, 7, 5), 1.2, 1.2);
    }
    const QColor tints[] = {QColor(250, 196, 72), QColor(236, 112, 99), QColor(102, 204, 153),
                            QColor(120, 180, 250)};
    const double frameWidth = (length - 6.0 * (frames + 1)) / frames;
    for (int i = 0; i < frames; ++i) {
        const QRectF frame(6 + i * (frameWidth + 6), -height / 2 + 12, frameWidth, height - 24);
        QLinearGradient tint(frame.topLeft(), frame.bottomLeft());
        tint.setColorAt(0, tints[i % 4].lighter(120));
        tint.setColorAt(1, tints[i % 4]);
        painter.setBrush(tint);
        painter.drawRect(frame);
    }
    painter.restore();
}

} // namespace

QPixmap TaskSidePicture(QSize size)
{
    QPixmap picture(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    fillVertical(painter, picture.rect(), QColor(247, 250, 253), QColor(229, 236, 245));
    // A soft frame around the list and its small toolbar.
    const QRectF frame(15.5, 9.5, 524, 363);
    for (int ring = 3; ring >= 1; --ring) {
        painter.setPen(QPen(QColor(60, 90, 130, 10 * (4 - ring)), 1.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(frame.adjusted(-ring, -ring + 1, ring, ring + 1), 4 + ring, 4 + ring);
    }
    painter.setPen(LookColours::lightLine());
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(frame, 4, 4);
    return picture;
}

QPixmap DarkStripPicture(QSize size)
{
    QPixmap picture(size);
    QPainter painter(&picture);
    drawDarkStrip(painter, picture.rect());
    return picture;
}

QPixmap SmallToolbarPicture(QSize size)
{
    QPixmap picture(size);
    QPainter painter(&picture);
    fillVertical(painter, picture.rect(), QColor(252, 253, 255), QColor(230, 237, 246));
    painter.setPen(LookColours::lightLine());
    painter.drawLine(0, 0, size.width() - 1, 0);
    painter.drawLine(0, size.height() - 1, size.width() - 1, size.height() - 1);
    return picture;
}

QPixmap PreviewPicture(QSize size)
{
    QPixmap picture(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    drawDarkStrip(painter, picture.rect());
    // A thin frame where the video sits and a groove under the position bar.
    painter.setPen(LookColours::darkLine());
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0.5, 20.5, 233, 141));
    painter.setPen(QColor(0, 0, 0, 60));
    painter.drawLine(QPointF(4, 195.5), QPointF(229, 195.5));
    painter.setPen(QColor(255, 255, 255, 25));
    painter.drawLine(QPointF(4, 196.5), QPointF(229, 196.5));
    return picture;
}

QPixmap TimeDisplayPicture(QSize size)
{
    QPixmap picture = blank(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF display = QRectF(picture.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    fillVertical(painter, display, QColor(12, 18, 26), QColor(24, 34, 46));
    painter.setPen(QColor(0, 0, 0, 140));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(display, 4, 4);
    painter.setPen(QColor(255, 255, 255, 35));
    painter.drawLine(QPointF(display.left() + 4, display.bottom()), QPointF(display.right() - 4, display.bottom()));
    return picture;
}

QPixmap PlaceholderPicture(QSize size)
{
    QPixmap picture(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    fillVertical(painter, picture.rect(), Qt::white, QColor(234, 242, 251));
    // Large soft circles give the empty list some depth.
    const struct {
        QPointF centre;
        double radius;
        int alpha;
    } circles[] = {{{size.width() * 0.85, size.height() * 0.15}, 150, 28},
                   {{size.width() * 0.08, size.height() * 0.95}, 170, 22},
                   {{size.width() * 0.55, size.height() * 1.10}, 120, 18}};
    for (const auto& circle : circles) {
        QRadialGradient glow(circle.centre, circle.radius);
        QColor inner = LookColours::accent();
        inner.setAlpha(circle.alpha);
        QColor outer = inner;
        outer.setAlpha(0);
        glow.setColorAt(0, inner);
        glow.setColorAt(1, outer);
        painter.setPen(Qt::NoPen);
        painter.setBrush(glow);
        painter.drawEllipse(circle.centre, circle.radius, circle.radius);
    }
    painter.setPen(LookColours::lightLine());
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(picture.rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    return picture;
}

QPixmap AvatarPicture(QSize size)
{
    QPixmap picture = blank(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double w = size.width();

    // Film on the left runs into a phone on the right, with chevrons between.
    drawFilmStrip(painter, QPointF(w * 0.04, 150), QPointF(w * 0.40, 104), 3);
    painter.setPen(QPen(LookColours::accent(), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (int i = 0; i < 3; ++i) {
        const double x = w * 0.43 + i * 14;
        QColor chevron = LookColours::accent();
        chevron.setAlpha(110 + i * 60);
        painter.setPen(QPen(chevron, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(QPolygonF({QPointF(x, 88), QPointF(x + 9, 100), QPointF(x, 112)}));
    }
    drawPhoneScene(painter, QRectF(w * 0.55, 38, w * 0.42, 124));

    painter.setPen(LookColours::ink());
    painter.setFont(pictureFont(17, true));
    painter.drawText(QRectF(0, 186, w, 26), Qt::AlignHCenter | Qt::AlignVCenter,
                     QStringLiteral("Drop your videos here"));
    painter.setPen(QColor(96, 110, 128));
    painter.setFont(pictureFont(12, false));
    painter.drawText(QRectF(0, 214, w, 20), Qt::AlignHCenter | Qt::AlignVCenter,
                     QStringLiteral("or click Add File or Add Dir below to fill the task list"));
    return picture;
}

QPixmap AboutPicture(QSize size)
{
    QPixmap picture(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const double w = size.width();
    const double h = size.height();
    painter.fillRect(picture.rect(), Qt::white);

    // Header: a light sky band with soft waves and the program's mark.
    const QRectF header(0, 0, w, 148);
    fillVertical(painter, header, QColor(214, 234, 252), QColor(246, 250, 255));
    for (int wave = 0; wave < 3; ++wave) {
        QPainterPath curve;
        const double base = 96 + wave * 16;
        curve.moveTo(0, base);
        curve.cubicTo(w * 0.3, base - 40 + wave * 8, w * 0.6, base + 30, w, base - 18);
        curve.lineTo(w, header.bottom());
        curve.lineTo(0, header.bottom());
        curve.closeSubpath();
        QColor tint = LookColours::accent();
        tint.setAlpha(26 - wave * 6);
        painter.fillPath(curve, tint);
    }
    DrawProgramMark(painter, QRectF(26, 16, 112, 112));

    QLinearGradient rule(0, 0, w, 0);
    rule.setColorAt(0, QColor(91, 172, 242, 0));
    rule.setColorAt(0.15, LookColours::accent());
    rule.setColorAt(0.85, LookColours::accent());
    rule.setColorAt(1, QColor(91, 172, 242, 0));
    painter.fillRect(QRectF(0, 148, w, 2), rule);

    // Footer behind the OK button.
    const QRectF footer(0, h - 56, w, 56);
    painter.fillRect(footer, LookColours::light());
    painter.setPen(LookColours::lightLine());
    painter.drawLine(QPointF(0, footer.top() + 0.5), QPointF(w, footer.top() + 0.5));
    return picture;
}

std::array<QPixmap, 3> StartButtonPictures()
{
    return drawStates(QColor(46, 160, 67), Glyph2::Play, QStringLiteral("Start"));
}

std::array<QPixmap, 3> StopButtonPictures()
{
    return drawStates(QColor(204, 62, 50), Glyph2::Square, QStringLiteral("Stop"));
}
