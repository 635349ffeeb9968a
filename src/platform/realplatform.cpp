#include "platform/realplatform.h"

#include <QApplication>
#include <QBuffer>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPixmap>
#include <QProcess>
#include <QStyle>
#include <QToolTip>
#include <QUrl>
#include <QWidget>

namespace Platform {

int RealServices::messageBox(QWidget *owner, const QString &text, const QString &caption,
                             MessageIcon icon, MessageButtons buttons)
{
    QMessageBox::Icon qtIcon = QMessageBox::NoIcon;
    switch (icon) {
    case MessageIcon::None:
        qtIcon = QMessageBox::NoIcon;
        break;
    case MessageIcon::Information:
        qtIcon = QMessageBox::Information;
        break;
    case MessageIcon::Question:
        qtIcon = QMessageBox::Question;
        break;
    case MessageIcon::Warning:
        qtIcon = QMessageBox::Warning;
        break;
    case MessageIcon::Error:
        qtIcon = QMessageBox::Critical;
        break;
    }
    QMessageBox box(qtIcon, caption, text,
                    buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                     : QMessageBox::Ok,
                    owner);
    const int answer = box.exec();
    if (answer == QMessageBox::Yes)
        return IdYes;
    if (answer == QMessageBox::No)
        return IdNo;
    return IdOk;
}

void RealServices::showMessage(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

bool RealServices::shellOpen(QWidget *, const QString &target)
{
    const QUrl url = QUrl::fromUserInput(target, QString(), QUrl::AssumeLocalFile);
    return QDesktopServices::openUrl(url);
}

bool RealServices::browseForFolder(QWidget *owner, const QString &title, const QString &root,
                                   QString &folder)
{
    QFileDialog dialog(owner, title, folder.isEmpty() ? root : folder);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    folder = QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
    return true;
}

QStringList RealServices::getOpenFileNames(QWidget *owner, const QString &filter)
{
    QFileDialog dialog(owner);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilters(FilterToNameFilters(filter));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    QStringList files;
    for (const QString &file : dialog.selectedFiles())
        files << QDir::toNativeSeparators(file);
    return files;
}

QString RealServices::getSaveFileName(QWidget *owner, const QString &defaultExt,
                                      const QString &filter)
{
    QFileDialog dialog(owner);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(FilterToNameFilters(filter));
    QString suffix = defaultExt;
    if (suffix.startsWith(QLatin1Char('.')))
        suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

void RealServices::powerOff()
{
#ifdef Q_OS_WIN
    QProcess::startDetached(QStringLiteral("shutdown"),
                            {QStringLiteral("/s"), QStringLiteral("/t"), QStringLiteral("0")});
#else
    QProcess::startDetached(QStringLiteral("systemctl"), {QStringLiteral("poweroff")});
#endif
}

namespace {

// The standard icon of a tooltip icon number, as an inline picture for the tip's rich text.
QString tipIconHtml(int icon)
{
    QStyle::StandardPixmap standard;
    switch (icon) {
    case TipInfo:
        standard = QStyle::SP_MessageBoxInformation;
        break;
    case TipWarning:
        standard = QStyle::SP_MessageBoxWarning;
        break;
    case TipError:
        standard = QStyle::SP_MessageBoxCritical;
        break;
    default:
        return {};
    }
    const QPixmap pixmap = QApplication::style()->standardIcon(standard).pixmap(16, 16);
    QByteArray png;
    QBuffer buffer(&png);
    if (pixmap.isNull() || !buffer.open(QIODevice::WriteOnly) || !pixmap.save(&buffer, "PNG"))
        return {};
    return QStringLiteral("<img src=\"data:image/png;base64,%1\" width=\"16\" height=\"16\" "
                          "align=\"middle\">&nbsp;")
            .arg(QString::fromLatin1(png.toBase64()));
}

} // namespace

// A tooltip at the pointer in the form of a balloon: icon and bold title over the text.
void RealServices::showBalloonTip(QWidget *window, int icon, const QString &title,
                                  const QString &text)
{
    const QString tip
            = QStringLiteral("<p style=\"white-space:pre\">%1<b>%2</b></p>%3")
                      .arg(tipIconHtml(icon), title.toHtmlEscaped(), text.toHtmlEscaped());
    QToolTip::showText(QCursor::pos(), tip, window);
}

} // namespace Platform
