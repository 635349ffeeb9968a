#include "platform/platform.h"

#include "platform/realplatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace Platform {

namespace {
Services *g_replacement = nullptr;
} // namespace

Services &services()
{
    if (g_replacement)
        return *g_replacement;
    static RealServices real;
    return real;
}

void setServices(Services *replacement)
{
    g_replacement = replacement;
}

int MessageBox(QWidget *owner, const QString &text, const QString &caption, MessageIcon icon,
               MessageButtons buttons)
{
    return services().messageBox(owner, text, caption, icon, buttons);
}

void ShowMessage(const QString &text)
{
    services().showMessage(text);
}

void ShellOpen(QWidget *owner, const QString &target)
{
    services().shellOpen(owner, target);
}

bool BrowseForFolder(QWidget *owner, const QString &title, const QString &root, QString &folder)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder.clear();
    return services().browseForFolder(owner, title, root, folder);
}

void PowerOff()
{
    services().powerOff();
}

void ShowBalloonTip(QWidget *window, int icon, const QString &title, const QString &text)
{
    services().showBalloonTip(window, icon, title, text);
}

void ProcessMessages()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

QStringList FilterToNameFilters(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts.at(i);
        // The stored descriptions carry their patterns in parentheses already; Qt wants them
        // once, separated by blanks.
        const int open = description.indexOf(QLatin1Char('('));
        if (open >= 0)
            description.truncate(open);
        const QStringList patterns = parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        result << description.trimmed() + QLatin1String(" (") + patterns.join(QLatin1Char(' '))
                        + QLatin1Char(')');
    }
    return result;
}

} // namespace Platform
