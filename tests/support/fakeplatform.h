#pragma once

#include "platform/platform.h"

#include <QList>
#include <QPointer>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

// Records every dialog, message, shell request and power-off, and answers dialogs from queues
// the test fills beforehand. An empty queue answers as a user pressing Cancel (or OK / No).
class FakePlatform : public Platform::Services
{
public:
    struct Message
    {
        QPointer<QWidget> owner;
        QString text;
        QString caption;
        Platform::MessageIcon icon;
        Platform::MessageButtons buttons;
    };
    struct Tip
    {
        QPointer<QWidget> window;
        int icon;
        QString title;
        QString text;
    };
    struct FolderRequest
    {
        QString title;
        QString root;
        QString start;
    };

    int messageBox(QWidget *owner, const QString &text, const QString &caption,
                   Platform::MessageIcon icon, Platform::MessageButtons buttons) override;
    void showMessage(const QString &text) override;
    bool shellOpen(QWidget *owner, const QString &target) override;
    bool browseForFolder(QWidget *owner, const QString &title, const QString &root,
                         QString &folder) override;
    QStringList getOpenFileNames(QWidget *owner, const QString &filter) override;
    QString getSaveFileName(QWidget *owner, const QString &defaultExt,
                            const QString &filter) override;
    void powerOff() override;
    void showBalloonTip(QWidget *window, int icon, const QString &title,
                        const QString &text) override;

    void reset();

    // Answers, consumed in order.
    QQueue<int> messageAnswers; // for Yes/No boxes; default IdNo
    QQueue<QString> folderAnswers; // empty string = Cancel
    QQueue<QStringList> openFileAnswers; // empty list = Cancel
    QQueue<QString> saveFileAnswers; // empty string = Cancel

    // What happened.
    QList<Message> messages;
    QStringList plainMessages;
    QStringList shellOpens;
    QList<FolderRequest> folderRequests;
    QStringList openFileFilters;
    QStringList saveRequests; // "defaultExt|filter"
    int powerOffCount = 0;
    QList<Tip> tips;
    // Called inside messageBox, before it returns, e.g. to check the state at that moment.
    std::function<void(const Message &)> onMessage;
};

// The one fake of the test process, installed by the test main before any window exists.
FakePlatform &fakePlatform();
