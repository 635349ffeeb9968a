#include "profiles/sizeform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TSizeForm *SizeForm = nullptr;

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
}
