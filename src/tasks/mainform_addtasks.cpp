// Adding tasks: the Add File and Add Dir commands, drops from the file managers and the
// command line all end in AddTask and AddFolder.
#include "app/mainform.h"

#include "app/appglobals.h"
#include "platform/platform.h"
#include "profiles/profilecatalogue.h"
#include "tasks/tasklistmodel.h"
#include "tasks/tasklistview.h"
#include "tasks/taskrecord.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QToolButton>
#include <QUrl>

#include <algorithm>

namespace {

// The name after the folder part. A colon marks a drive only on Windows; elsewhere it may be
// part of a name, as in "Episode 1: Pilot.avi".
QString fileNamePart(const QString &path)
{
#ifdef Q_OS_WIN
    return ExtractFileName(path);
#else
    return path.mid(path.lastIndexOf(QDir::separator()) + 1);
#endif
}

// The local files and folders a drag carries, as native paths.
QStringList localPaths(const QMimeData *data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            paths << QDir::toNativeSeparators(url.toLocalFile());
    }
    return paths;
}

// Files are only read, never taken away: a drop is accepted as a copy (or a link), because a
// file manager deletes the originals of a drop accepted as a move.
bool acceptWithoutMove(QDropEvent *event)
{
    for (const Qt::DropAction action : {Qt::CopyAction, Qt::LinkAction}) {
        if (event->possibleActions() & action) {
            event->setDropAction(action);
            event->accept();
            return true;
        }
    }
    event->ignore();
    return false;
}

} // namespace

void TMainForm::bindTaskHandlers()
{
    connect(sbtnAddFile, &QToolButton::clicked, this, &TMainForm::tbtnAddFileClick);
    connect(sbtnAddDir, &QToolButton::clicked, this, &TMainForm::tbtnAddDirClick);
}

bool TMainForm::HasInputExtension(const QString &path, const QStringList &extensions)
{
    const QString name = fileNamePart(path);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot < 0 ? QString() : name.mid(dot).toLower();
    return extensions.contains(extension);
}

void TMainForm::AddTask(const QString &path)
{
    panbg->hide();
    for (int row = 0; row < ltvTaskItems->Count(); ++row) {
        if (ltvTaskItems->Caption(row) == path)
            return;
    }
    const int row = ltvTaskItems->AddRow(path);
    ProbeMedia(path);

    ltvItemData record;
    record.InputFile = path;
    record.Duration = ProbeLength;
    record.FrameSize = ProbeFrameSize;
    record.Status = QStringLiteral("OK");
    record.NewFileName = RemoveFileExt(fileNamePart(path));
    record.OutputExt = ProfileExt;
    record.FileStartTime = ProbeStart;
    record.FileEndTime = ProbeEnd;
    record.ClipDuration = ProbeLength;
    record.ClipStartTime = ProbeStart;
    record.ClipEndTime = ProbeEnd;
    WriteTask(*ltvTaskItems, row, tfAll, record);
}

void TMainForm::AddFolder(const QString &folder)
{
    const QDir dir(folder);
    // Without QDir::Hidden and QDir::System, hidden files and special files stay out; name
    // filters match without regard to case unless told otherwise.
    QStringList names = dir.entryList(InputMask.split(QLatin1Char(';'), Qt::SkipEmptyParts),
                                      QDir::Files, QDir::Unsorted);
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    const QString prefix = WithTrailingBackslash(QDir::toNativeSeparators(dir.absolutePath()));
    for (const QString &name : std::as_const(names)) {
        Platform::ProcessMessages();
        AddTask(prefix + name);
    }
}

void TMainForm::tbtnAddFileClick()
{
    const QStringList files = Platform::services().getOpenFileNames(this, OpenDialogFilter);
    if (!files.isEmpty()) {
        for (int i = 1; i < files.size(); ++i)
            AddTask(files.at(i));
        AddTask(files.constFirst());
    }
    if (ltvTaskItems->Count() == 1) {
        ltvTaskItems->SetSelected(0, true);
        ltvTask->selectionModel()->setCurrentIndex(ltvTaskItems->index(0, 0),
                                                   QItemSelectionModel::NoUpdate);
        ltvTaskClick();
    }
    ltvTask->setFocus();
}

void TMainForm::tbtnAddDirClick()
{
    QString folder;
    if (Platform::BrowseForFolder(this, QStringLiteral("Add a directory to the Task List"),
                                  QString(), folder))
        AddFolder(folder);
    ltvTask->setFocus();
}

void TMainForm::dragEnterEvent(QDragEnterEvent *event)
{
    if (ltvTask->isEnabled() && !localPaths(event->mimeData()).isEmpty())
        acceptWithoutMove(event);
    else
        event->ignore();
}

void TMainForm::dragMoveEvent(QDragMoveEvent *event)
{
    if (ltvTask->isEnabled() && !localPaths(event->mimeData()).isEmpty())
        acceptWithoutMove(event);
    else
        event->ignore();
}

void TMainForm::dropEvent(QDropEvent *event)
{
    const QStringList names = localPaths(event->mimeData());
    if (!ltvTask->isEnabled() || names.isEmpty() || !acceptWithoutMove(event)) {
        event->ignore();
        return;
    }
    // Probing takes a while; the file manager that dropped should not wait for it.
    QMetaObject::invokeMethod(
            this, [this, names] { WMDropFiles(names); }, Qt::QueuedConnection);
}

void TMainForm::WMDropFiles(const QStringList &names)
{
    if (!ltvTask->isEnabled())
        return;
    for (const QString &name : names) {
        if (QFileInfo(name).isDir())
            AddFolder(name);
        else if (HasInputExtension(name, InputExtensions))
            AddTask(name);
    }
}

void TMainForm::TakeCommandLine(const QStringList &parameters)
{
    if (parameters.isEmpty())
        return;
    QStringList paths = parameters;
    const QString first = parameters.constFirst();
    if (HasInputExtension(first, {QStringLiteral(".tmp")})) {
        paths.clear();
        QFile list(first);
        if (!list.open(QIODevice::ReadOnly)) {
            // The window must come up all the same; the list's paths are simply missing.
            Platform::ShowMessage(
                    QStringLiteral("Cannot open file \"%1\". %2").arg(first, list.errorString()));
            return;
        }
        const QString text = QString::fromLocal8Bit(list.readAll());
        for (QString line : text.split(QLatin1Char('\n'))) {
            if (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
            paths << line;
        }
    }
    for (const QString &path : std::as_const(paths)) {
        if (path.isEmpty())
            continue;
        const QFileInfo info(path);
        if (info.isFile()) {
            if (HasInputExtension(path, InputExtensions))
                AddTask(path);
        } else if (info.isDir()) {
            AddFolder(path);
        }
    }
}
