#include "profiles/SizeForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/MainForm.h"
#include "platform/Platform.h"
#include "profiles/FormFont.h"
#include "settings/NumberText.h"
#include "ui/ValueListGrid.h"
#include "ui/WidgetMaking.h"

namespace {

const QString VideoSize = QStringLiteral("Video Size");
const QString CustomSize = QStringLiteral("Custom Size");

QLineEdit* makeEdit(QWidget* parent, const char* name, const QRect& geometry, QLabel* label)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(geometry);
    label->setBuddy(edit);
    edit->setAccessibleName(label->text().chopped(1));
    return edit;
}

} // namespace

TSizeForm::TSizeForm(TMainForm& mainForm)
    : OwnedDialog(&mainForm, QStringLiteral("Video Size of output files"), 240, 120), mainForm_(mainForm)
{
    setObjectName(QStringLiteral("TSizeForm"));
    UseFormFont(this);
    labWidth = makeLabel(this, "labWidth", "Width:", QPoint(24, 20));
    edtWidth = makeEdit(this, "edtWidth", QRect(80, 16, 136, 21), labWidth);
    labHeight = makeLabel(this, "labHeight", "Height:", QPoint(24, 52));
    edtHeight = makeEdit(this, "edtHeight", QRect(80, 48, 136, 21), labHeight);
    btnOK = makeButton(this, "btnOK", "&OK", QRect(56, 84, 75, 25));
    btnCancel = makeButton(this, "btnCancel", "&Cancel", QRect(141, 84, 75, 25));
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &TSizeForm::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TSizeForm::btnCancelClick);
}

bool TSizeForm::checkWholeNumber(QLineEdit* box, const QString& caption, const QString& text)
{
    if (ParseInteger32(box->text().toStdString()))
        return true;
    mainForm_.platform().showMessage(this, caption, text, MessageIcon::Information, MessageButtons::Ok);
    box->setFocus();
    return false;
}

void TSizeForm::btnOKClick()
{
    if (!checkWholeNumber(edtWidth, QStringLiteral("Incorrect Width"),
                          QStringLiteral("Please specify a proper width for output videos.")))
        return;
    if (!checkWholeNumber(edtHeight, QStringLiteral("Incorrect Height"),
                          QStringLiteral("Please specify a proper height for output videos.")))
        return;
    // Kept exactly as typed: the encoder gets the size as the user wrote it.
    mainForm_.vleVideo->setValueOf(VideoSize, edtWidth->text() + QLatin1Char('x') + edtHeight->text());
    close();
}

void TSizeForm::btnCancelClick()
{
    close();
}

void TSizeForm::FormClose()
{
    ValueListGrid* grid = mainForm_.vleVideo;
    const int row = grid->findRow(VideoSize);
    if (row >= 0 && grid->value(row) == CustomSize)
        grid->setValue(row, QStringLiteral("Original Size"));
}
