#include "profiles/gridsection.h"

#include "profiles/valuelisteditor.h"

#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

GridSection AddGridSection(QVBoxLayout *column, const QString &name, const QColor &headerColor,
                           int width, const QStringList &designRows)
{
    GridSection section;
    section.header = new QWidget;
    section.header->setObjectName(QStringLiteral("pan") + name);
    section.header->setFixedHeight(18);
    section.header->setAutoFillBackground(true);
    QPalette palette = section.header->palette();
    palette.setColor(QPalette::Window, headerColor);
    section.header->setPalette(palette);

    auto *title = new QLabel(QStringLiteral("      ") + name, section.header);
    title->setGeometry(0, 0, width, 18);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    title->setStyleSheet(QStringLiteral("color: black;"));

    section.button = new QToolButton(section.header);
    section.button->setObjectName(QStringLiteral("btn") + name);
    section.button->setGeometry(5, 3, 12, 12);
    section.button->setText(QStringLiteral("-"));

    section.grid = new TValueListEditor;
    section.grid->setObjectName(QStringLiteral("vle") + name);
    for (const QString &row : designRows)
        section.grid->AppendRow(row, QString());
    section.grid->setFixedHeight(section.grid->RowCount()
                                 * (TValueListEditor::DefaultRowHeight + 1));
    column->addWidget(section.header);
    column->addWidget(section.grid);
    return section;
}

void ToggleSection(QToolButton *button, TValueListEditor *grid)
{
    if (button->text() == QLatin1String("+")) {
        const int rows = grid->RowCount();
        grid->setFixedHeight(rows * TValueListEditor::DefaultRowHeight + rows + 1);
        button->setText(QStringLiteral("-"));
    } else {
        grid->setFixedHeight(1);
        button->setText(QStringLiteral("+"));
    }
}

QStringList DesignTimeRows(int grid)
{
    switch (grid) {
    case 0:
        return {QStringLiteral("New Filename"), QStringLiteral("Start Time"),
                QStringLiteral("End Time")};
    case 1:
        return {QStringLiteral("Video Codec"), QStringLiteral("Video Size"),
                QStringLiteral("Bit Rate"),    QStringLiteral("Frame Rate"),
                QStringLiteral("Aspect"),      QStringLiteral("Disable Video")};
    case 2:
        return {QStringLiteral("Audio Codec"), QStringLiteral("Audio Bitrate"),
                QStringLiteral("Sample Rate"), QStringLiteral("Channels"),
                QStringLiteral("Volumn"),      QStringLiteral("Disable Audio")};
    case 3:
        return {QStringLiteral("Bit Exact Algorithms"), QStringLiteral("Deinterlace")};
    default:
        return {};
    }
}
