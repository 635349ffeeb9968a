#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// The About box: shown without a modal loop, but the main window takes no input while it is up.
class TAboutForm : public QWidget
{
    Q_OBJECT
public:
    explicit TAboutForm(QWidget *parent = nullptr);

    void FormCreate();
    void btnOKClick();
    void labWebsiteClick();
    void labMoreClick();
    void Label8Click();
    void Label9Click();
    void Label10Click();

    QLabel *labProgramName = nullptr;
    QLabel *labVersion = nullptr;
    QLabel *labVisitWebsite = nullptr;
    QLabel *labWebsite = nullptr;
    QLabel *labCopyright = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *labMore = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *Label10 = nullptr;
    QPushButton *btnOK = nullptr;

protected:
    void showEvent(QShowEvent *event) override; // FormShow
    void hideEvent(QHideEvent *event) override; // FormClose, however it closes
    bool eventFilter(QObject *watched, QEvent *event) override;
};

extern TAboutForm *AboutForm;
