#pragma once

#include "platform/platform.h"

namespace Platform {

// The services as the operating system and Qt give them.
class RealServices : public Services
{
public:
    int messageBox(QWidget *owner, const QString &text, const QString &caption, MessageIcon icon,
                   MessageButtons buttons) override;
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
};

} // namespace Platform
