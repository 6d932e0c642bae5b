// The task list's commands on 10,000 tasks, next to a bare QTreeWidget doing
// the same commands the plain way (row by row, one exchange or deletion at a
// time), measured in the same run. Also the heap taken per row.
// The bare list's moves take tens of seconds on 10,000 rows; a smaller count
// can be given as the first argument for a quick look.
#include <QApplication>
#include <QElapsedTimer>
#include <QItemSelection>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <malloc.h>
#include <string>

#include "app/MainForm.h"
#include "platform/QtPlatform.h"
#include "tasks/TaskRecord.h"
#include "tasks/TaskRows.h"

namespace {

int Rows = 10000;
constexpr int HiddenRoleBase = Qt::UserRole + 100;

ltvItemData TaskNumber(int number)
{
    return NewTaskRecord("/home/user/Videos/holiday/clip-" + std::to_string(number) + ".avi",
                         "00:01:23.45", " 640x480", ".mp4");
}

std::size_t HeapInUse()
{
    return mallinfo2().uordblks;
}

double Milliseconds(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    QCoreApplication::processEvents();   // the view's deferred layout belongs to the command
    return timer.nsecsElapsed() / 1e6;
}

void SelectEveryOther(QTreeWidget& list, int first)
{
    QItemSelection selection;
    const int lastColumn = list.columnCount() - 1;
    for (int row = first; row < list.topLevelItemCount(); row += 2)
        selection.select(list.model()->index(row, 0), list.model()->index(row, lastColumn));
    list.selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void SelectBlock(QTreeWidget& list, int first, int count)
{
    list.selectionModel()->select(
        QItemSelection(list.model()->index(first, 0), list.model()->index(first + count - 1, list.columnCount() - 1)),
        QItemSelectionModel::ClearAndSelect);
}

QStringList Captions(const QTreeWidget& list)
{
    QStringList captions;
    for (int row = 0; row < list.topLevelItemCount(); ++row)
        captions << list.topLevelItem(row)->text(0);
    return captions;
}

// ---- the program's list ----

void FillProgram(TMainForm& main)
{
    for (int number = 0; number < Rows; ++number) {
        main.ltvTask->addTopLevelItem(NewTaskRow(QString()));
        main.SetItemData(main.ltvTask->topLevelItemCount() - 1, PartWhole, TaskNumber(number));
    }
}

// ---- the bare QTreeWidget, same row layout, commands done the plain way ----

QTreeWidgetItem* BareRow(int number)
{
    const ltvItemData task = TaskNumber(number);
    auto* row = new QTreeWidgetItem;
    row->setText(0, QString::fromStdString(task.InputFile));
    for (int part = 0; part < SubItemCount; ++part) {
        const QString text = QString::fromStdString(*SubItemField(task, part));
        if (part < 3)
            row->setText(part + 1, text);
        else
            row->setData(0, HiddenRoleBase + part, text);
    }
    return row;
}

void FillBare(QTreeWidget& list)
{
    for (int number = 0; number < Rows; ++number)
        list.addTopLevelItem(BareRow(number));
}

void ExchangeRows(QTreeWidget& list, int a, int b)
{
    QTreeWidgetItem* first = list.topLevelItem(a);
    QTreeWidgetItem* second = list.topLevelItem(b);
    for (int column = 0; column < 4; ++column) {
        const QString text = first->text(column);
        first->setText(column, second->text(column));
        second->setText(column, text);
    }
    for (int part = 3; part < SubItemCount; ++part) {
        const QVariant value = first->data(0, HiddenRoleBase + part);
        first->setData(0, HiddenRoleBase + part, second->data(0, HiddenRoleBase + part));
        second->setData(0, HiddenRoleBase + part, value);
    }
}

void BareMoveUp(QTreeWidget& list)
{
    for (int row = 1; row < list.topLevelItemCount(); ++row)
        if (list.topLevelItem(row)->isSelected()) {
            ExchangeRows(list, row, row - 1);
            list.topLevelItem(row - 1)->setSelected(true);
            list.topLevelItem(row)->setSelected(false);
        }
}

void BareMoveDown(QTreeWidget& list)
{
    for (int row = list.topLevelItemCount() - 2; row >= 0; --row)
        if (list.topLevelItem(row)->isSelected()) {
            ExchangeRows(list, row, row + 1);
            list.topLevelItem(row + 1)->setSelected(true);
            list.topLevelItem(row)->setSelected(false);
        }
}

void BareRemove(QTreeWidget& list)
{
    for (int row = list.topLevelItemCount() - 1; row >= 0; --row)
        if (list.topLevelItem(row)->isSelected())
            delete list.topLevelItem(row);
}

void BareClear(QTreeWidget& list)
{
    for (int row = list.topLevelItemCount() - 1; row >= 0; --row)
        delete list.topLevelItem(row);
}

void Report(const char* operation, double program, double bare, bool same)
{
    std::printf("%-36s %10.1f ms %12.1f ms %8.1fx   %s\n", operation, program, bare, bare / program,
                same ? "same result" : "RESULTS DIFFER");
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc > 1 && std::atoi(argv[1]) >= 2)
        Rows = std::atoi(argv[1]);

    QTemporaryDir folder;
    QtPlatform desktop;
    TMainForm main(desktop, folder.path() + QLatin1Char('/'), {});
    main.show();
    QTreeWidget bare;
    bare.setColumnCount(4);
    bare.setRootIsDecorated(false);
    bare.setSelectionMode(QAbstractItemView::ExtendedSelection);
    bare.setSelectionBehavior(QAbstractItemView::SelectRows);
    bare.setUniformRowHeights(true);
    bare.resize(519, 323);
    bare.show();
    QCoreApplication::processEvents();

    std::printf("Task list with %d tasks (offscreen); selections of %d rows\n\n", Rows, Rows / 2);
    std::printf("%-36s %13s %15s %9s\n", "command", "program", "bare QTreeWidget", "bare/prog");

    std::size_t before = HeapInUse();
    const double fillProgram = Milliseconds([&] { FillProgram(main); });
    const double programBytes = double(HeapInUse() - before) / Rows;
    before = HeapInUse();
    const double fillBare = Milliseconds([&] { FillBare(bare); });
    const double bareBytes = double(HeapInUse() - before) / Rows;
    Report("add the rows", fillProgram, fillBare, Captions(*main.ltvTask) == Captions(bare));

    const struct {
        const char* name;
        std::function<void(QTreeWidget&)> select;
    } selections[] = {
        {"every other row", [](QTreeWidget& list) { SelectEveryOther(list, 1); }},
        {"the middle half as a block", [](QTreeWidget& list) { SelectBlock(list, Rows / 4, Rows / 2); }},
    };
    for (const auto& selection : selections) {
        selection.select(*main.ltvTask);
        selection.select(bare);
        const double up = Milliseconds([&] { main.tbtnUpClick(); });
        const double bareUp = Milliseconds([&] { BareMoveUp(bare); });
        Report((std::string("move up, ") + selection.name).c_str(), up, bareUp,
               Captions(*main.ltvTask) == Captions(bare));
        const double down = Milliseconds([&] { main.tbtnDownClick(); });
        const double bareDown = Milliseconds([&] { BareMoveDown(bare); });
        Report((std::string("move down, ") + selection.name).c_str(), down, bareDown,
               Captions(*main.ltvTask) == Captions(bare));
    }

    SelectEveryOther(*main.ltvTask, 0);
    SelectEveryOther(bare, 0);
    const double remove = Milliseconds([&] { main.tbtnRemoveClick(); });
    const double bareRemove = Milliseconds([&] { BareRemove(bare); });
    Report("remove every other row", remove, bareRemove, Captions(*main.ltvTask) == Captions(bare));

    main.tbtnClearClick();
    BareClear(bare);
    FillProgram(main);
    FillBare(bare);
    const double clear = Milliseconds([&] { main.tbtnClearClick(); });
    const double bareClear = Milliseconds([&] { BareClear(bare); });
    Report("clear all rows", clear, bareClear, main.ltvTask->topLevelItemCount() == bare.topLevelItemCount());

    std::printf("\nheap per row: program %.0f bytes, bare QTreeWidget %.0f bytes (goal: under 2048)\n",
                programBytes, bareBytes);
    return 0;
}
