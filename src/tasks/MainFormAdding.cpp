// The four ways of adding media: the Add File dialog, the Add Dir picker,
// items dropped on the window and the command line at start-up.
#include "app/MainForm.h"

#include <QFrame>
#include <QTreeWidget>

#include "app/PathText.h"
#include "convert/Probe.h"
#include "platform/Platform.h"
#include "tasks/IntakeQueue.h"
#include "tasks/MediaIntake.h"
#include "tasks/TaskRows.h"

namespace {

bool IsListed(const QTreeWidget& list, const QString& path)
{
    for (int row = 0; row < list.topLevelItemCount(); ++row)
        if (list.topLevelItem(row)->text(0) == path)
            return true;
    return false;
}

std::vector<std::string> ToStdStrings(const QStringList& texts)
{
    std::vector<std::string> result;
    result.reserve(static_cast<std::size_t>(texts.size()));
    for (const QString& text : texts)
        result.push_back(text.toStdString());
    return result;
}

}  // namespace

void TMainForm::AddTask(const QString& path)
{
    panbg->hide();
    if (IsListed(*ltvTask, path))
        return;
    ltvTask->addTopLevelItem(NewTaskRow(path));
    const std::string input = path.toStdString();
    const ProbeResult probe =
        ProbeMedia(encoderPath().toStdString(), input, IntakeQueue::of(*this).probeTimeoutMs());
    ProbeLength = QString::fromStdString(probe.Length);
    ProbeSize = QString::fromStdString(probe.Size);
    SetItemData(ltvTask->topLevelItemCount() - 1, PartWhole,
                NewTaskRecord(input, probe.Length, probe.Size, OutputExtension.toStdString()));
}

void TMainForm::AddFolder(const QString& folder)
{
    const std::string base = AddTrailingBackslash(folder.toStdString());
    QStringList paths;
    for (const std::string& name : ListSupportedFiles(base, supportedPatterns().toStdString()))
        paths << QString::fromStdString(base + name);
    IntakeQueue::of(*this).enqueue(paths);
}

void TMainForm::tbtnAddFileClick()
{
    const QStringList files = platform().openFileNames(this, openDialogQtFilter());
    // The dialog reports the file clicked last first; it is added last.
    for (qsizetype i = 1; i < files.size(); ++i)
        AddTask(files[i]);
    if (!files.isEmpty())
        AddTask(files.first());
    if (ltvTask->topLevelItemCount() == 1) {
        ltvTask->setCurrentItem(ltvTask->topLevelItem(0), 0,
                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        ShowTaskOptions();
    }
    ltvTask->setFocus();
    EnableCommandsWhenRows();
}

void TMainForm::tbtnAddDirClick()
{
    QString folder;
    if (platform().browseForFolder(this, QStringLiteral("Add a directory to the Task List"), QString(), folder))
        AddFolder(folder);
    ltvTask->setFocus();
    EnableCommandsWhenRows();
}

void TMainForm::DropItems(const QStringList& paths)
{
    if (!ltvTask->isEnabledTo(this))   // a batch is running
        return;
    for (const QString& path : paths) {
        const std::string item = path.toStdString();
        if (KindOfPath(item) == PathKind::Folder)
            AddFolder(path);
        else if (IsSupportedFile(item, inputExtensions()))
            IntakeQueue::of(*this).enqueue({path});
    }
    EnableCommandsWhenRows();
}

void TMainForm::AddCommandLineInputs(const QStringList& arguments)
{
    const CommandLineCandidates candidates = ReadCommandLineCandidates(ToStdStrings(arguments));
    if (!candidates.ListFileError.empty())
        platform().showMessage(this, QStringLiteral("Command Line"),
                               QStringLiteral("The list of input files can't be opened:\n%1\n\n%2\n\n"
                                              "The program starts without these inputs.")
                                   .arg(QString::fromStdString(candidates.ListFile),
                                        QString::fromStdString(candidates.ListFileError)),
                               MessageIcon::Warning, MessageButtons::Ok);
    for (const std::string& candidate : candidates.Paths) {
        const PathKind kind = KindOfPath(candidate);
        if (kind == PathKind::Folder)
            AddFolder(QString::fromStdString(candidate));
        else if (kind == PathKind::File && IsSupportedFile(candidate, inputExtensions()))
            IntakeQueue::of(*this).enqueue({QString::fromStdString(candidate)});
    }
    EnableCommandsWhenRows();
}
