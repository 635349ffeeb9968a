#include "settings/settingform.h"

#include <QPushButton>
#include <QTabWidget>

TSettingForm *SettingForm = nullptr;

TSettingForm::TSettingForm(QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("SettingForm"));
    SettingForm = this;
    setWindowTitle(QStringLiteral("Settings"));
    setFixedSize(391, 498);

    pgcSetting = new QTabWidget(this);
    pgcSetting->setObjectName(QStringLiteral("pgcSetting"));
    pgcSetting->setGeometry(8, 8, 375, 446);
    tabGeneral = new QWidget;
    tabGeneral->setObjectName(QStringLiteral("tabGeneral"));
    tabProfiles = new QWidget;
    tabProfiles->setObjectName(QStringLiteral("tabProfiles"));
    pgcSetting->addTab(tabGeneral, QStringLiteral("     General     "));
    pgcSetting->addTab(tabProfiles, QStringLiteral("     Profiles     "));

    btnDefault = new QPushButton(QStringLiteral("&Load Default"), this);
    btnDefault->setObjectName(QStringLiteral("btnDefault"));
    btnDefault->setGeometry(8, 464, 96, 25);
    btnOK = new QPushButton(QStringLiteral("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(226, 464, 75, 25);
    btnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(308, 464, 75, 25);
}
