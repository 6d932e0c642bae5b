#pragma once
// Small line drawings for the flat buttons, drawn in code in one colour.
#include <QColor>
#include <QIcon>

enum class Glyph { AddFile, AddDir, Settings, Play, Pause, Stop, Delete, Clear, MoveUp, MoveDown, About, Help };

// The glyph at `pixels` square, in `colour`; the disabled look is a faded copy.
QIcon GlyphIcon(Glyph glyph, const QColor& colour, int pixels);
// The program's mark (a phone playing a film), used by the window icon's
// fallback and the pictures.
class QPainter;
class QRectF;
void DrawProgramMark(QPainter& painter, const QRectF& box);
