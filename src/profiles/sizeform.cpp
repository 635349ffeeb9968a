#include "profiles/sizeform.h"

#include "app/mainform.h"
#include "platform/platform.h"
#include "profiles/newinifiles.h"
#include "profiles/valuelisteditor.h"

#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QWindow>

TSizeForm *SizeForm = nullptr;

namespace {

const QString VideoSize = QStringLiteral("Video Size");

// Whole numbers as the settings files read them; the text itself is what gets written.
bool IsWholeNumber(const QString &text)
{
    int value = 0;
    return TryStrToInt(text, value);
}

} // namespace

TSizeForm::TSizeForm(QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("SizeForm"));
    SizeForm = this;
    setWindowTitle(QStringLiteral("Video Size of output files"));
    setFixedSize(240, 120);
    auto *widthLabel = new QLabel(QStringLiteral("Width:"), this);
    widthLabel->setGeometry(16, 18, 60, 20);
    edtWidth = new QLineEdit(this);
    edtWidth->setObjectName(QStringLiteral("edtWidth"));
    edtWidth->setGeometry(80, 16, 140, 22);
    auto *heightLabel = new QLabel(QStringLiteral("Height:"), this);
    heightLabel->setGeometry(16, 48, 60, 20);
    edtHeight = new QLineEdit(this);
    edtHeight->setObjectName(QStringLiteral("edtHeight"));
    edtHeight->setGeometry(80, 46, 140, 22);
    btnOK = new QPushButton(QStringLiteral("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(64, 84, 75, 25);
    btnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(145, 84, 75, 25);
    connect(btnOK, &QPushButton::clicked, this, &TSizeForm::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TSizeForm::btnCancelClick);
}

void TSizeForm::FormShow()
{
    if (!MainForm)
        return;
    // Kept above the main window, which takes no clicks that could raise it over the dialog.
    if (windowHandle())
        windowHandle()->setTransientParent(MainForm->windowHandle());
    const QRect frame = frameGeometry();
    move(MainForm->frameGeometry().center() - QPoint(frame.width() / 2, frame.height() / 2));
    MainForm->setEnabled(false);
}

void TSizeForm::btnOKClick()
{
    if (!IsWholeNumber(edtWidth->text())) {
        Platform::MessageBox(this,
                             QStringLiteral("Please specify a proper width for output videos."),
                             QStringLiteral("Incorrect Width"), Platform::MessageIcon::Information,
                             Platform::MessageButtons::Ok);
        edtWidth->setFocus();
        return;
    }
    if (!IsWholeNumber(edtHeight->text())) {
        Platform::MessageBox(this,
                             QStringLiteral("Please specify a proper height for output videos."),
                             QStringLiteral("Incorrect Height"), Platform::MessageIcon::Information,
                             Platform::MessageButtons::Ok);
        edtHeight->setFocus();
        return;
    }
    if (MainForm)
        MainForm->vleVideo->SetValues(VideoSize,
                                      edtWidth->text() + QLatin1Char('x') + edtHeight->text());
    close();
}

void TSizeForm::btnCancelClick()
{
    close();
}

void TSizeForm::FormClose()
{
    if (!MainForm)
        return;
    if (MainForm->vleVideo->Values(VideoSize) == QLatin1String("Custom Size"))
        MainForm->vleVideo->SetValues(VideoSize, QStringLiteral("Original Size"));
    MainForm->setEnabled(true);
}

void TSizeForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TSizeForm::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    // Every close ends up here (OK, Cancel, the title-bar button); a minimised window does not.
    if (!event->spontaneous())
        FormClose();
}
