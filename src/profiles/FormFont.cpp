#include "profiles/FormFont.h"

#include <QAbstractButton>
#include <QLabel>

namespace {

constexpr int LabelGap = 4;

} // namespace

void UseFormFont(QWidget* form)
{
    QFont font = form->font();
    font.setPixelSize(11);
    form->setFont(font);
}

void GrowToCaption(QAbstractButton* button, int rightEdge)
{
    const int wanted = qMin(button->sizeHint().width(), rightEdge - button->x());
    if (wanted > button->width())
        button->resize(wanted, button->height());
}

void KeepClearOf(QWidget* box, const QLabel* label)
{
    const int textEnd = label->x() + label->sizeHint().width() + LabelGap;
    if (textEnd <= box->x())
        return;
    const QRect place = box->geometry();
    box->setGeometry(QRect(QPoint(textEnd, place.top()), place.bottomRight()));
}
