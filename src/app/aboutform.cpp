#include "app/aboutform.h"

#include "app/appglobals.h"
#include "app/mainform.h"
#include "app/programinfo.h"
#include "platform/platform.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

TAboutForm *AboutForm = nullptr;

namespace {

QLabel *link(QWidget *parent, const QString &name, const QRect &geometry, QObject *filter)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setStyleSheet(QStringLiteral("color: blue;"));
    label->setCursor(Qt::PointingHandCursor);
    label->installEventFilter(filter);
    return label;
}

} // namespace

TAboutForm::TAboutForm(QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("AboutForm"));
    AboutForm = this;
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(476, 330);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(236, 243, 252));
    setPalette(palette);

    labProgramName = new QLabel(this);
    labProgramName->setObjectName(QStringLiteral("labProgramName"));
    labProgramName->setGeometry(20, 30, 436, 36);
    labProgramName->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont nameFont(QStringLiteral("Verdana"), 16, QFont::Bold);
    nameFont.setItalic(true);
    labProgramName->setFont(nameFont);
    labVersion = new QLabel(this);
    labVersion->setObjectName(QStringLiteral("labVersion"));
    labVersion->setGeometry(20, 70, 436, 18);
    labVersion->setAlignment(Qt::AlignRight);
    labCopyright = new QLabel(this);
    labCopyright->setObjectName(QStringLiteral("labCopyright"));
    labCopyright->setGeometry(20, 100, 436, 18);
    labCopyright->setAlignment(Qt::AlignRight);
    labVisitWebsite = new QLabel(QStringLiteral("Visit our website"), this);
    labVisitWebsite->setObjectName(QStringLiteral("labVisitWebsite"));
    labVisitWebsite->setGeometry(30, 150, 120, 18);
    labWebsite = link(this, QStringLiteral("labWebsite"), QRect(150, 150, 300, 18), this);
    QFont underlined = labWebsite->font();
    underlined.setUnderline(true);
    labWebsite->setFont(underlined);
    Label7 = new QLabel(QStringLiteral("More video converting softwares"), this);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setGeometry(30, 180, 200, 18);
    labMore = link(this, QStringLiteral("labMore"), QRect(232, 180, 60, 18), this);
    labMore->setText(QStringLiteral("(More)"));
    Label8 = link(this, QStringLiteral("Label8"), QRect(50, 204, 300, 18), this);
    Label9 = link(this, QStringLiteral("Label9"), QRect(50, 226, 300, 18), this);
    Label10 = link(this, QStringLiteral("Label10"), QRect(50, 248, 300, 18), this);
    btnOK = new QPushButton(QStringLiteral("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(376, 288, 80, 26);
    connect(btnOK, &QPushButton::clicked, this, &TAboutForm::btnOKClick);
    FormCreate();
}

void TAboutForm::FormCreate()
{
    using namespace ProgramInfo;
    labProgramName->setText(ProductName);
    labVersion->setText(QStringLiteral("Version ") + VersionText);
    labCopyright->setText(QStringLiteral("Copyright (C) %1 %2").arg(ProductYear, CompanyName));
    labWebsite->setText(WebsiteUrl);
    QLabel *products[] = {Label8, Label9, Label10};
    for (int i = 0; i < 3; ++i)
        products[i]->setText(OtherProductNames.value(i));
}

void TAboutForm::btnOKClick()
{
    close();
}

void TAboutForm::labWebsiteClick()
{
    Platform::ShellOpen(this, labWebsite->text());
}

void TAboutForm::labMoreClick()
{
    Platform::ShellOpen(this, ProgramInfo::MoreProductsUrl);
}

void TAboutForm::Label8Click()
{
    Platform::ShellOpen(this, ProgramInfo::OtherProductUrls.value(0));
}

void TAboutForm::Label9Click()
{
    Platform::ShellOpen(this, ProgramInfo::OtherProductUrls.value(1));
}

void TAboutForm::Label10Click()
{
    Platform::ShellOpen(this, ProgramInfo::OtherProductUrls.value(2));
}

void TAboutForm::showEvent(QShowEvent *event)
{
    if (MainForm) {
        MainForm->setEnabled(false);
        move(MainForm->geometry().center() - rect().center());
    }
    QWidget::showEvent(event);
}

void TAboutForm::hideEvent(QHideEvent *event)
{
    // Hiding by any means gives the main window back.
    if (MainForm)
        MainForm->setEnabled(true);
    QWidget::hideEvent(event);
}

bool TAboutForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == labWebsite)
            labWebsiteClick();
        else if (watched == labMore)
            labMoreClick();
        else if (watched == Label8)
            Label8Click();
        else if (watched == Label9)
            Label9Click();
        else if (watched == Label10)
            Label10Click();
    }
    return QWidget::eventFilter(watched, event);
}
