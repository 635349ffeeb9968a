#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Everything that leaves the program's own windows goes through here: message boxes, the file
// and folder dialogs, the shell, the power switch. Tests install a recording fake with
// setServices(), so no test ever opens a modal dialog or powers the machine off.
namespace Platform {

enum class MessageIcon { None, Information, Question, Warning, Error };
enum class MessageButtons { Ok, YesNo };
enum MessageResult { IdOk = 1, IdCancel = 2, IdYes = 6, IdNo = 7 };

// Standard tooltip icon numbers, as the balloon tip takes them.
enum TipIcon { TipNone = 0, TipInfo = 1, TipWarning = 2, TipError = 3 };

class Services
{
public:
    virtual ~Services() = default;

    virtual int messageBox(QWidget *owner, const QString &text, const QString &caption,
                           MessageIcon icon, MessageButtons buttons)
            = 0;
    // The bare standard message dialog: the text, an OK button, the application's title.
    virtual void showMessage(const QString &text) = 0;
    // The shell's "open" for a folder, a file or a web address.
    virtual bool shellOpen(QWidget *owner, const QString &target) = 0;
    // Returns true and the chosen folder when the user confirmed one; `folder` is the start.
    virtual bool browseForFolder(QWidget *owner, const QString &title, const QString &root,
                                 QString &folder)
            = 0;
    // `filter` is in the "Description|*.a;*.b|..." form the program stores.
    virtual QStringList getOpenFileNames(QWidget *owner, const QString &filter) = 0;
    virtual QString getSaveFileName(QWidget *owner, const QString &defaultExt,
                                    const QString &filter)
            = 0;
    virtual void powerOff() = 0;
    virtual void showBalloonTip(QWidget *window, int icon, const QString &title,
                                const QString &text)
            = 0;
};

Services &services();
// Replaces the services for the rest of the process; the caller keeps ownership.
// nullptr brings back the real ones.
void setServices(Services *replacement);

int MessageBox(QWidget *owner, const QString &text, const QString &caption,
               MessageIcon icon = MessageIcon::Information,
               MessageButtons buttons = MessageButtons::Ok);
void ShowMessage(const QString &text);
void ShellOpen(QWidget *owner, const QString &target);
// Empties `folder` first when it names no existing folder, then shows the folder dialog.
bool BrowseForFolder(QWidget *owner, const QString &title, const QString &root, QString &folder);
void PowerOff();
void ShowBalloonTip(QWidget *window, int icon, const QString &title, const QString &text);
// Lets the window process its pending messages (the nested message loop).
void ProcessMessages();

// The Qt form of a "Description|pattern;pattern|..." filter, one entry per pair.
QStringList FilterToNameFilters(const QString &filter);

} // namespace Platform
