#pragma once
// A titled section over a ValueListGrid: a coloured title panel with a small
// "-"/"+" button that collapses the grid to one pixel or expands it to show
// all its rows. Sections stacked in a scroll area move as one changes height.
// The button (and, if wanted, a double click on the panel) only asks for the
// toggle: the window's handler for the button decides and calls toggle().
#include <QColor>
#include <QList>
#include <QWidget>

class QLabel;
class QScrollArea;
class QToolButton;
class ValueListGrid;

class CollapsibleSection : public QWidget {
    Q_OBJECT
public:
    static constexpr int PanelHeight = 18;
    static constexpr int ButtonSize = 12;

    // The panel shows `title` after six spaces, in bold; its objectName is
    // panelName ("panVideo"), the button's buttonName ("btnVideo"). The grid is
    // taken in below the panel and keeps its height. With toggleOnDoubleClick
    // a double click on the panel asks for the toggle too.
    CollapsibleSection(const QString& title, const QString& panelName, const QString& buttonName,
                       ValueListGrid* grid, bool toggleOnDoubleClick, QWidget* parent = nullptr);

    // The panel starts in the system's button-shadow colour.
    void setTitleColor(const QColor& colour);

    QLabel* titlePanel() const { return panel_; }
    QToolButton* button() const { return button_; }
    ValueListGrid* grid() const { return grid_; }
    // The button shows "-" while the section is open.
    bool isExpanded() const;

public slots:
    // "+" expands the grid to its rows × 17 + rows + 1 pixels and shows "-";
    // otherwise the grid collapses to 1 pixel and the button shows "+".
    void toggle();

signals:
    // The button was clicked or the title panel double-clicked.
    void toggleRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* panel_;
    QToolButton* button_;
    ValueListGrid* grid_;
};

// Puts the sections into the scroll area, stacked from the top, full width.
void StackSections(QScrollArea* area, const QList<CollapsibleSection*>& sections);
