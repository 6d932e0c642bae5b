#include "support/TaskRowsForTests.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTreeWidget>

#include "app/MainForm.h"
#include "tasks/TaskRows.h"

int AddTestTask(TMainForm& main, const ltvItemData& task)
{
    main.ltvTask->addTopLevelItem(NewTaskRow(QString::fromStdString(task.InputFile)));
    const int row = main.ltvTask->topLevelItemCount() - 1;
    main.SetItemData(row, PartWhole, task);
    return row;
}

ltvItemData TestTask(const std::string& name, const std::string& length)
{
    return NewTaskRecord("/videos/" + name + ".avi", length, " 320x240", ".mp4");
}

void AddTestTasks(TMainForm& main, const QStringList& names)
{
    for (const QString& name : names)
        AddTestTask(main, TestTask(name.toStdString()));
}

ltvItemData ReadTask(const TMainForm& main, int row)
{
    ltvItemData task;
    main.GetItemData(row, PartWhole, task);
    return task;
}

QStringList RowCaptions(const TMainForm& main)
{
    QStringList captions;
    for (int row = 0; row < main.ltvTask->topLevelItemCount(); ++row)
        captions << main.ltvTask->topLevelItem(row)->text(0);
    return captions;
}

void SelectRows(TMainForm& main, const QList<int>& rows)
{
    QItemSelectionModel* selection = main.ltvTask->selectionModel();
    selection->clearSelection();
    for (int row : rows)
        selection->select(main.ltvTask->model()->index(row, 0),
                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

QList<int> SelectedRows(const TMainForm& main)
{
    QList<int> rows;
    for (int row = 0; row < main.ltvTask->topLevelItemCount(); ++row)
        if (main.ltvTask->topLevelItem(row)->isSelected())
            rows << row;
    return rows;
}

void ClickTaskRow(TMainForm& main, int row)
{
    QTreeWidget& list = *main.ltvTask;
    QWidget* viewport = list.viewport();
    QPoint at(viewport->width() / 2, viewport->height() - 2);
    if (row >= 0)
        at = list.visualItemRect(list.topLevelItem(row)).center();
    list.setFocus(Qt::MouseFocusReason);
    QMouseEvent press(QEvent::MouseButtonPress, at, viewport->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, viewport->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &release);
    QCoreApplication::processEvents();   // the list click is handled after the release
}

void PressKeyInList(TMainForm& main, int key)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(main.ltvTask, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(main.ltvTask, &up);
}
