#include "fakeplatform.h"

int FakePlatform::messageBox(QWidget *owner, const QString &text, const QString &caption,
                             Platform::MessageIcon icon, Platform::MessageButtons buttons)
{
    const Message message {owner, text, caption, icon, buttons};
    messages << message;
    if (onMessage)
        onMessage(message);
    if (buttons == Platform::MessageButtons::YesNo)
        return messageAnswers.isEmpty() ? Platform::IdNo : messageAnswers.dequeue();
    return Platform::IdOk;
}

void FakePlatform::showMessage(const QString &text)
{
    plainMessages << text;
}

bool FakePlatform::shellOpen(QWidget *, const QString &target)
{
    shellOpens << target;
    return true;
}

bool FakePlatform::browseForFolder(QWidget *, const QString &title, const QString &root,
                                   QString &folder)
{
    folderRequests << FolderRequest {title, root, folder};
    const QString answer = folderAnswers.isEmpty() ? QString() : folderAnswers.dequeue();
    if (answer.isEmpty())
        return false;
    folder = answer;
    return true;
}

QStringList FakePlatform::getOpenFileNames(QWidget *, const QString &filter)
{
    openFileFilters << filter;
    return openFileAnswers.isEmpty() ? QStringList() : openFileAnswers.dequeue();
}

QString FakePlatform::getSaveFileName(QWidget *, const QString &defaultExt, const QString &filter)
{
    saveRequests << defaultExt + QLatin1Char('|') + filter;
    return saveFileAnswers.isEmpty() ? QString() : saveFileAnswers.dequeue();
}

void FakePlatform::powerOff()
{
    ++powerOffCount;
}

void FakePlatform::showBalloonTip(QWidget *window, int icon, const QString &title,
                                  const QString &text)
{
    tips << Tip {window, icon, title, text};
}

void FakePlatform::reset()
{
    messageAnswers.clear();
    folderAnswers.clear();
    openFileAnswers.clear();
    saveFileAnswers.clear();
    messages.clear();
    plainMessages.clear();
    shellOpens.clear();
    folderRequests.clear();
    openFileFilters.clear();
    saveRequests.clear();
    powerOffCount = 0;
    tips.clear();
    onMessage = nullptr;
}

FakePlatform &fakePlatform()
{
    static FakePlatform fake;
    return fake;
}
