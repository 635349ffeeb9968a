#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

// "Video Size of output files": turns the "Custom Size" choice into a width-by-height text.
// Created once at start and reused, so its boxes keep their text from one showing to the next.
class TSizeForm : public QWidget
{
    Q_OBJECT
public:
    explicit TSizeForm(QWidget *parent = nullptr);

    QLineEdit *edtWidth = nullptr;
    QLineEdit *edtHeight = nullptr;
    QPushButton *btnOK = nullptr;
    QPushButton *btnCancel = nullptr;
};

extern TSizeForm *SizeForm;
