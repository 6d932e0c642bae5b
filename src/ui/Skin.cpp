#include "ui/Skin.h"

#include <QApplication>
#include <QFile>
#include <QStyleFactory>

void ApplySkin(QApplication& application)
{
    application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}
