#include "ui/CollapsibleSection.h"

#include <QEvent>
#include <QLabel>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/ValueListGrid.h"

namespace {

const QString CollapseCaption = QStringLiteral("-");
const QString ExpandCaption = QStringLiteral("+");
constexpr int ButtonLeft = 5;
constexpr int ButtonTop = 3;

QFont boldFont(QFont font)
{
    font.setBold(true);
    return font;
}

} // namespace

CollapsibleSection::CollapsibleSection(const QString& title, const QString& panelName,
                                       const QString& buttonName, ValueListGrid* grid,
                                       bool toggleOnDoubleClick, QWidget* parent)
    : QWidget(parent), grid_(grid)
{
    panel_ = new QLabel(QStringLiteral("      ") + title, this);
    panel_->setObjectName(panelName);
    panel_->setTextFormat(Qt::PlainText);
    panel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    panel_->setFixedHeight(PanelHeight);
    panel_->setFont(boldFont(panel_->font()));
    // Its own role: a window-coloured scroll box around it must not show through.
    panel_->setBackgroundRole(QPalette::Window);
    panel_->setAutoFillBackground(true);
    setTitleColor(panel_->palette().color(QPalette::Dark));
    if (toggleOnDoubleClick)
        panel_->installEventFilter(this);

    button_ = new QToolButton(panel_);
    button_->setObjectName(buttonName);
    button_->setText(CollapseCaption);
    button_->setFont(boldFont(button_->font()));
    button_->setGeometry(ButtonLeft, ButtonTop, ButtonSize, ButtonSize);
    button_->setFocusPolicy(Qt::TabFocus);
    button_->setAccessibleName(title);
    button_->setAccessibleDescription(tr("Collapse"));
    connect(button_, &QToolButton::clicked, this, &CollapsibleSection::toggleRequested);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel_);
    layout->addWidget(grid_);
}

void CollapsibleSection::setTitleColor(const QColor& colour)
{
    QPalette colours = panel_->palette();
    colours.setColor(QPalette::Window, colour);
    colours.setColor(QPalette::WindowText, Qt::black);
    panel_->setPalette(colours);
}

bool CollapsibleSection::isExpanded() const
{
    return button_->text() != ExpandCaption;
}

void CollapsibleSection::toggle()
{
    const bool expand = !isExpanded();
    grid_->setFixedHeight(expand ? grid_->expandedHeight() : 1);
    button_->setText(expand ? CollapseCaption : ExpandCaption);
    button_->setAccessibleDescription(expand ? tr("Collapse") : tr("Expand"));
}

bool CollapsibleSection::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == panel_ && event->type() == QEvent::MouseButtonDblClick) {
        emit toggleRequested();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void StackSections(QScrollArea* area, const QList<CollapsibleSection*>& sections)
{
    auto* content = new QWidget;
    content->setBackgroundRole(QPalette::Base);
    content->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (CollapsibleSection* section : sections)
        layout->addWidget(section);
    layout->addStretch(1);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setWidgetResizable(true);
    area->setWidget(content);
}
