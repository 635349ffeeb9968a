// The main window's controls, at the places and sizes of its fixed layout.
#include "app/mainform.h"
#include "app/placedwidget.h"

#include "profiles/gridsection.h"
#include "profiles/valuelisteditor.h"
#include "tasks/tasklistmodel.h"
#include "tasks/tasklistview.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QColor SectionHeaderColor(91, 172, 242);
const QColor CaptionColor(235, 235, 235);
const QColor TaskHeaderColor(202, 227, 255);

QWidget *panel(QWidget *parent, const QString &name, const QRect &geometry, const QColor &color)
{
    auto *widget = MakePlaced<QWidget>(parent, name, geometry);
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    return widget;
}

QToolButton *flatButton(QWidget *parent, const QString &name, const QString &caption,
                        const QRect &geometry)
{
    auto *button = MakePlaced<QToolButton>(parent, name, geometry);
    button->setText(caption);
    button->setToolTip(caption);
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

QLabel *label(QWidget *parent, const QString &text, const QPoint &at)
{
    auto *widget = new QLabel(text, parent);
    widget->move(at);
    widget->adjustSize();
    return widget;
}

// The darker backdrop of the tool bars and bottom panels, in the program's blue.
const QColor Backdrop(46, 88, 140);

} // namespace

void TMainForm::createControls()
{
    setFixedSize(812, 547);
    // The layout is laid out in pixels for a small dialog font.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    panTop = panel(this, QStringLiteral("panTop"), QRect(0, 0, 812, 15), Qt::white);
    createTaskPane();
    createProfilePane();
    createBottomPane();
}

void TMainForm::createTaskPane()
{
    panMain = panel(this, QStringLiteral("panMain"), QRect(0, 15, 552, 442), Backdrop);
    panel(panMain, QStringLiteral("panMainStrip"), QRect(0, 0, 10, 442), Qt::white);

    ltvTaskItems = new TTaskListModel(this);
    ltvTask = new TAdvListView(ltvTaskItems, panMain);
    ltvTask->setObjectName(QStringLiteral("ltvTask"));
    ltvTask->setGeometry(18, 12, 519, 323);
    ltvTask->header()->setStyleSheet(
            QStringLiteral("QHeaderView::section { background-color: %1; }")
                    .arg(TaskHeaderColor.name()));

    panSmallToolbar
            = panel(panMain, QStringLiteral("panSmallToolbar"), QRect(18, 334, 519, 35), Qt::white);
    const QStringList small
            = {QStringLiteral("Delete"),    QStringLiteral("Clear"), QStringLiteral("Move Up"),
               QStringLiteral("Move Down"), QStringLiteral("About"), QStringLiteral("Help")};
    QToolButton **smallButtons[]
            = {&sbtnDelete, &sbtnClear, &sbtnUp, &sbtnDown, &sbtnAbout, &sbtnHelp};
    const QStringList smallNames = {QStringLiteral("sbtnDelete"), QStringLiteral("sbtnClear"),
                                    QStringLiteral("sbtnUp"),     QStringLiteral("sbtnDown"),
                                    QStringLiteral("sbtnAbout"),  QStringLiteral("sbtnHelp")};
    for (int i = 0; i < small.size(); ++i) {
        const int x = i < 4 ? 4 + i * 78 : 519 - (6 - i) * 62 - 4;
        *smallButtons[i] = flatButton(panSmallToolbar, smallNames.at(i), small.at(i),
                                      QRect(x, 5, i < 4 ? 74 : 58, 25));
    }

    panbg = panel(panMain, QStringLiteral("panbg"), QRect(18, 12, 519, 357), Qt::white);
    labProgramName = new QLabel(panbg);
    labProgramName->setObjectName(QStringLiteral("labProgramName"));
    labProgramName->setGeometry(0, 140, 519, 40);
    labProgramName->setAlignment(Qt::AlignCenter);
    QFont nameFont(QStringLiteral("Verdana"), 18, QFont::Bold);
    nameFont.setItalic(true);
    labProgramName->setFont(nameFont);
    labProgramName->setStyleSheet(QStringLiteral("color: rgb(46, 88, 140);"));
    auto *hint = new QLabel(QStringLiteral("Add files or folders, or drop them here."), panbg);
    hint->setGeometry(0, 185, 519, 20);
    hint->setAlignment(Qt::AlignCenter);

    panToolbar = panel(panMain, QStringLiteral("panToolbar"), QRect(10, 380, 542, 62), Backdrop);
    sbtnAddFile = flatButton(panToolbar, QStringLiteral("sbtnAddFile"), QStringLiteral("Add File"),
                             QRect(8, 8, 96, 46));
    sbtnAddDir = flatButton(panToolbar, QStringLiteral("sbtnAddDir"), QStringLiteral("Add Dir"),
                            QRect(110, 8, 96, 46));
    sbtnOptions = flatButton(panToolbar, QStringLiteral("sbtnOptions"), QStringLiteral("Settings"),
                             QRect(212, 8, 96, 46));
    for (QToolButton *button : {sbtnAddFile, sbtnAddDir, sbtnOptions})
        button->setStyleSheet(QStringLiteral("QToolButton { color: %1; font-weight: bold; }")
                                      .arg(CaptionColor.name()));
}

void TMainForm::createProfilePane()
{
    panProfile = panel(this, QStringLiteral("panProfile"), QRect(552, 15, 260, 442), Backdrop);
    panel(panProfile, QStringLiteral("panProfileStrip"), QRect(250, 0, 10, 442), Qt::white);
    panPreview = panel(panProfile, QStringLiteral("panPreview"), QRect(0, 0, 250, 225), Backdrop);
    auto *caption = label(panProfile, QStringLiteral("Profile"), QPoint(8, 222));
    caption->setStyleSheet(
            QStringLiteral("color: %1; font-weight: bold;").arg(CaptionColor.name()));
    caption->adjustSize();

    sbxProfile = MakePlaced<QScrollArea>(panProfile, QStringLiteral("sbxProfile"),
                                         QRect(0, 238, 237, 196));
    sbxProfile->setFrameShape(QFrame::NoFrame);
    sbxProfile->setWidgetResizable(true);
    sbxProfile->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *content = new QWidget;
    content->setAutoFillBackground(true);
    auto *column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    GridSection output = AddGridSection(column, QStringLiteral("Output"), SectionHeaderColor, 237,
                                        DesignTimeRows(0));
    GridSection video = AddGridSection(column, QStringLiteral("Video"), SectionHeaderColor, 237,
                                       DesignTimeRows(1));
    GridSection audio = AddGridSection(column, QStringLiteral("Audio"), SectionHeaderColor, 237,
                                       DesignTimeRows(2));
    GridSection advanced = AddGridSection(column, QStringLiteral("Advanced"), SectionHeaderColor,
                                          237, DesignTimeRows(3));
    panOutput = output.header;
    btnOutput = output.button;
    vleOutput = output.grid;
    panVideo = video.header;
    btnVideo = video.button;
    vleVideo = video.grid;
    panAudio = audio.header;
    btnAudio = audio.button;
    vleAudio = audio.grid;
    panAdvanced = advanced.header;
    btnAdvanced = advanced.button;
    vleAdvanced = advanced.grid;
    column->addStretch(1);
    sbxProfile->setWidget(content);
}

void TMainForm::createBottomPane()
{
    panBottom = panel(this, QStringLiteral("panBottom"), QRect(0, 457, 812, 90), Backdrop);
    panel(panBottom, QStringLiteral("panBottomStrip"), QRect(0, 0, 10, 90), Qt::white);

    panBottomCenter
            = panel(panBottom, QStringLiteral("panBottomCenter"), QRect(10, 0, 637, 90), Backdrop);
    const QString captionStyle = QStringLiteral("color: %1;").arg(CaptionColor.name());
    label(panBottomCenter, QStringLiteral("Profile:"), QPoint(36, 11))->setStyleSheet(captionStyle);
    cmbProfile = MakePlaced<QComboBox>(panBottomCenter, QStringLiteral("cmbProfile"),
                                       QRect(74, 8, 463, 21));
    cmbProfile->setEditable(false);
    bbtnSetting = MakePlaced<QPushButton>(panBottomCenter, QStringLiteral("bbtnSetting"),
                                          QRect(546, 5, 75, 25));
    bbtnSetting->setText(QStringLiteral("&Detail"));
    label(panBottomCenter, QStringLiteral("Output Path:"), QPoint(2, 44))
            ->setStyleSheet(captionStyle);
    edtOutputdir = MakePlaced<QLineEdit>(panBottomCenter, QStringLiteral("edtOutputdir"),
                                         QRect(75, 39, 329, 21));
    bbtnBrowser = MakePlaced<QPushButton>(panBottomCenter, QStringLiteral("bbtnBrowser"),
                                          QRect(411, 37, 75, 25));
    bbtnBrowser->setText(QStringLiteral("&Browse"));
    bbtnOpen = MakePlaced<QPushButton>(panBottomCenter, QStringLiteral("bbtnOpen"),
                                       QRect(494, 36, 75, 25));
    bbtnOpen->setText(QStringLiteral("&Open"));

    // Swapped with the idle panel while a run lasts; the same place and width.
    panBottomLeft
            = panel(panBottom, QStringLiteral("panBottomLeft"), QRect(0, 0, 637, 90), Backdrop);
    panBottomLeft->hide();

    panBottomRight
            = panel(panBottom, QStringLiteral("panBottomRight"), QRect(628, 0, 184, 90), Backdrop);
    const QString bigStyle = QStringLiteral(
            "QToolButton { color: white; font: bold 14pt; border-radius: 8px; background: %1; }"
            "QToolButton:hover { background: %2; }");
    imgStart = MakePlaced<QToolButton>(panBottomRight, QStringLiteral("imgStart"),
                                       QRect(16, 12, 133, 65));
    imgStart->setText(QStringLiteral("Start"));
    imgStart->setStyleSheet(bigStyle.arg(QStringLiteral("#3c9a3c"), QStringLiteral("#4cb84c")));
    imgStop = MakePlaced<QToolButton>(panBottomRight, QStringLiteral("imgStop"),
                                      QRect(16, 12, 133, 65));
    imgStop->setText(QStringLiteral("Stop"));
    imgStop->setStyleSheet(bigStyle.arg(QStringLiteral("#b83c3c"), QStringLiteral("#d04c4c")));
    imgStop->hide();
}
