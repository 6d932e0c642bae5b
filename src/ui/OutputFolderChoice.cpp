#include "ui/OutputFolderChoice.h"

#include <QLineEdit>

#include "app/PathText.h"
#include "platform/Platform.h"

void ChooseOutputFolder(Platform& platform, QWidget* owner, QLineEdit& box)
{
    QString folder;
    if (platform.browseForFolder(owner, QStringLiteral("Select the output directory."), QString(), folder))
        box.setText(QString::fromStdString(AddTrailingBackslash(folder.toStdString())));
}
