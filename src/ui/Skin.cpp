#include "ui/Skin.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QIcon>
#include <QStyleFactory>

namespace {

constexpr int SkinFontPixels = 11;

} // namespace

// The resources live in a static library: their registration must be pulled
// in by name, outside any namespace.
static void InitSkinResources()
{
    Q_INIT_RESOURCE(skin);
}

QString SkinStyleSheet()
{
    InitSkinResources();
    QFile sheet(QStringLiteral(":/skin/lumora.qss"));
    if (!sheet.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(sheet.readAll());
}

QIcon ProgramIcon()
{
    InitSkinResources();
    return QIcon(QStringLiteral(":/icons/lumora.svg"));
}

void ApplySkin(QApplication& application)
{
    InitSkinResources();
    application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Every window is laid out at fixed places for a small 8-point face; the
    // standard dialogs match them.
    QFont font = QApplication::font();
    font.setPixelSize(SkinFontPixels);
    QApplication::setFont(font);
    application.setStyleSheet(SkinStyleSheet());
    application.setWindowIcon(ProgramIcon());
}
