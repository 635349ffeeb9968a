#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

// "Video Size of output files": turns the "Custom Size" choice into a width-by-height text.
// Created once at start and reused, so its boxes keep their text from one showing to the next.
// Shown without a modal loop; the main window takes no input while it is open.
class TSizeForm : public QWidget
{
    Q_OBJECT
public:
    explicit TSizeForm(QWidget *parent = nullptr);

    void FormShow();
    void btnOKClick();
    void btnCancelClick();
    // Runs on every way of closing, the title-bar button included.
    void FormClose();

    QLineEdit *edtWidth = nullptr;
    QLineEdit *edtHeight = nullptr;
    QPushButton *btnOK = nullptr;
    QPushButton *btnCancel = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
};

extern TSizeForm *SizeForm;
