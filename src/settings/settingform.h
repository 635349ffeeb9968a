#pragma once

#include <QWidget>

class QPushButton;
class QTabWidget;

// The settings dialog: the "General" page (preferences) and the "Profiles" page (profile
// editing). Created once at start and kept; shown without a modal loop.
class TSettingForm : public QWidget
{
    Q_OBJECT
public:
    explicit TSettingForm(QWidget *parent = nullptr);

    QTabWidget *pgcSetting = nullptr;
    QWidget *tabGeneral = nullptr;
    QWidget *tabProfiles = nullptr;
    QPushButton *btnDefault = nullptr;
    QPushButton *btnOK = nullptr;
    QPushButton *btnCancel = nullptr;
};

extern TSettingForm *SettingForm;
