#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QComboBox;
class QAction;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QSlider;
class QTimer;
class QToolButton;
class QVBoxLayout;
class TAdvListView;
class TEncoderProcess;
class TPreviewGraph;
class TTaskListModel;
class TValueListEditor;

// What the program was started as: its own file and its command-line parameters.
struct StartupInfo
{
    QString programFile;
    QStringList parameters;
};

// The main window. Its handlers are defined beside the subsystem they belong to:
// app/ (creation, show, close, the output folder buttons), tasks/ (adding tasks, list commands,
// output settings), profiles/ (profile list and grids), conversion/ (the run), preview/.
class TMainForm : public QWidget
{
    Q_OBJECT
public:
    explicit TMainForm(const StartupInfo &startup, QWidget *parent = nullptr);
    ~TMainForm() override;

    // --- Application shell ---------------------------------------------------------------
    void FormCreate();
    void bbtnBrowserClick();
    void bbtnOpenClick();
    // Grid numbers: 0 vleOutput, 1 vleVideo, 2 vleAudio, 3 vleAdvanced; others change nothing.
    void SetGridValue(int grid, const QString &key, const QString &value);
    TValueListEditor *Grid(int number) const;

    QString EncoderPath;
    QStringList InputExtensions;
    QString InputMask;
    QString OpenDialogFilter;

    // The collapsible sections of the parameter column; each is bound to its header's button
    // and to a double click on the header.
    void bindSectionHandlers();
    void btnOutputClick();
    void btnVideoClick();
    void btnAudioClick();
    void btnAdvancedClick();

    // --- Task list -------------------------------------------------------------------------
    void bindTaskCommands();
    void bindOutputSettings();
    void ltvTaskClick();
    void vleOutputValidate(int col, int row, const QString &key, const QString &value);
    void vleOutputMouseDown(Qt::MouseButton button, const QPoint &pos);
    void vleOutputClick();
    // May change the cell's font and brush colours before it is drawn.
    void vleOutputDrawCell(int col, int row, const QRect &rect, QColor &font, QColor &brush);
    void tbtnRemoveClick();
    void tbtnClearClick();
    void tbtnUpClick();
    void tbtnDownClick();
    void ppmTaskPopup();
    void ltvTaskKeyDown(int key, Qt::KeyboardModifiers modifiers);
    // Adds one file as a task unless a task has that very path; probes it first.
    void AddTask(const QString &path);
    // Adds the accepted files lying directly in the folder, by name, letter case ignored.
    void AddFolder(const QString &folder);
    // Whether the extension of the path's file name, lower-cased, is one of `extensions`.
    static bool HasInputExtension(const QString &path, const QStringList &extensions);
    void tbtnAddFileClick();
    void tbtnAddDirClick();
    // Dropped files and folders, taken in after the drop has been answered.
    void WMDropFiles(const QStringList &names);
    // The files and folders named on the command line, or in a ".tmp" list file named first.
    void TakeCommandLine(const QStringList &parameters);
    // Runs the encoder on the file and leaves its length and frame size in the Probe fields.
    void ProbeMedia(const QString &path);
    void bindTaskHandlers();
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

    QString ProbeLength;
    QString ProbeFrameSize;
    QString ProbeStart;
    QString ProbeEnd;
    // A probe still running after this long is ended; the task keeps what the report gave.
    int ProbeTimeoutMs = 30000;

    // --- Profiles ------------------------------------------------------------------------
    QString ProfileExt; // "." + the loaded profile's type; empty before the first load
    void bindProfileHandlers();
    // Loads the profile chosen in cmbProfile. Bound to the user's pick; preferences and the
    // settings dialog call it directly after setting the list's position.
    void cmbProfileChange();
    // Fills vleVideo, vleAudio and vleAdvanced from the profile and sets ProfileExt. Throws
    // EListError for an "Index" outside its list and EIniFileError for file access.
    void LoadProfile(const QString &path);
    void vleVideoDrawCell(int col, int row, const QRect &rect, QColor &font, QColor &brush);
    void vleAudioDrawCell(int col, int row, const QRect &rect, QColor &font, QColor &brush);
    void vleAdvancedDrawCell(int col, int row, const QRect &rect, QColor &font, QColor &brush);
    void vleVideoMouseDown(Qt::MouseButton button, const QPoint &pos);
    void vleAudioMouseDown(Qt::MouseButton button, const QPoint &pos);
    void vleAdvancedMouseDown(Qt::MouseButton button, const QPoint &pos);
    void vleVideoStringsChange();

    // --- Preferences ---------------------------------------------------------------------
    void bindPreferencesHandlers();
    // Shown: the output folder and the preferred profile from Preferences.ini.
    void FormShow();
    // Closing: the preferred profile, the output folder and the settings dialog's general page
    // into Preferences.ini. A file that cannot be written is reported; the close goes on.
    void FormClose();
    // The settings dialog on its "General" page.
    void tbtnSettingClick();
    // The settings dialog on its "Profiles" page, showing this window's profile as stored.
    void bbtnSettingClick();

    // --- Conversion ----------------------------------------------------------------------
    // The one encoder process, used by the probe and the run in turn; owned by the form.
    TEncoderProcess *Encoder = nullptr;
    // Ends the encoder process started last, if it still runs.
    void TerminateEncoder();
    void bindConversionHandlers();
    // The Start command: checks the output folder, then converts every task in list order.
    // Ignored while a run is in progress.
    void tbtnStartClick();
    // The Stop command: ends the current encoder; the run then marks its task "Stop".
    void tbtnStopClick();
    void imgStartClick();
    void imgStopClick();
    void LockControls();
    void UnlockControls();
    // The chosen profile's encoder switches with the values the parameter grids show.
    QString ProfileArguments() const;
    void RunConversion(const QString &profileArguments);
    // The end of a stopped run at task `task`: marked "Stop", the message, the idle panel back.
    void EndStoppedRun(int task);
    // Clock off, idle panel back, idle state: what every run that does not close ends with.
    void EndRun();
    // The end actions of a run that converted every task: power off, exit, or the message
    // (naming the failed tasks, if any) and the output folder.
    void CompleteRun(int failed, int count);
    void timerTimeTimer();
    // Called first when the window closes: a run in progress ends its encoder, marks its task
    // "Stop" and returns without asking anything, so the close goes on as usual.
    void StopRunForClose();

    int RunState = 0; // 0 idle, 1 running, 2 stop requested
    int ElapsedSeconds = 0;
    int RemainingSeconds = 0;
    // How many of a failed task's last report lines its row shows when the pointer rests on it.
    static constexpr int FailedTaskHintLines = 10;
    // Set while the window closes during a run: the run then ends without its messages.
    bool RunClosing = false;
    // Set while the end actions run: closing the window then is one of them.
    bool RunEnding = false;

    // --- Preview -------------------------------------------------------------------------
    // The player's graph, a child of VideoWindow1; tests may put another in its place.
    TPreviewGraph *FilterGraph = nullptr;
    void bindPreviewHandlers();
    // Plays the selected task with the lowest row from its beginning.
    void PreviewSelectedTask();
    void ltvTaskDblClick();
    void sbtnPlayClick();
    void sbtnPauseClick();
    void sbtnStopClick();
    // Once a second while playing: the bar follows the graph unless its thumb is held, then
    // TrackBarTimer.
    void TrackBarTick();
    void TrackBarTimer();

    // --- Controls ------------------------------------------------------------------------
    QWidget *panTop = nullptr;
    QWidget *panMain = nullptr;
    TTaskListModel *ltvTaskItems = nullptr;
    TAdvListView *ltvTask = nullptr;
    QWidget *panSmallToolbar = nullptr;
    QToolButton *sbtnDelete = nullptr;
    QToolButton *sbtnClear = nullptr;
    QToolButton *sbtnUp = nullptr;
    QToolButton *sbtnDown = nullptr;
    QToolButton *sbtnAbout = nullptr;
    QToolButton *sbtnHelp = nullptr;
    QWidget *panbg = nullptr;
    QLabel *labProgramName = nullptr;
    QWidget *panToolbar = nullptr;
    QToolButton *sbtnAddFile = nullptr;
    QToolButton *sbtnAddDir = nullptr;
    QToolButton *sbtnOptions = nullptr;

    QWidget *panProfile = nullptr;
    QWidget *panPreview = nullptr;
    QScrollArea *sbxProfile = nullptr;
    QWidget *panOutput = nullptr;
    QToolButton *btnOutput = nullptr;
    TValueListEditor *vleOutput = nullptr;
    QWidget *panVideo = nullptr;
    QToolButton *btnVideo = nullptr;
    TValueListEditor *vleVideo = nullptr;
    QWidget *panAudio = nullptr;
    QToolButton *btnAudio = nullptr;
    TValueListEditor *vleAudio = nullptr;
    QWidget *panAdvanced = nullptr;
    QToolButton *btnAdvanced = nullptr;
    TValueListEditor *vleAdvanced = nullptr;

    QWidget *panBottom = nullptr;
    QWidget *panBottomCenter = nullptr;
    QComboBox *cmbProfile = nullptr;
    QPushButton *bbtnSetting = nullptr;
    QLineEdit *edtOutputdir = nullptr;
    QPushButton *bbtnBrowser = nullptr;
    QPushButton *bbtnOpen = nullptr;
    QWidget *panBottomLeft = nullptr;
    QWidget *panBottomRight = nullptr;
    QToolButton *imgStart = nullptr;
    QToolButton *imgStop = nullptr;

    // Task list
    QMenu *ppmTask = nullptr;
    QAction *mniOpen = nullptr;
    QAction *mniAddFiles = nullptr;
    QAction *mniAddDirs = nullptr;
    QAction *mniRemove = nullptr;
    QAction *mniClear = nullptr;

    // Conversion
    QLabel *labConvertingFile = nullptr;
    QLabel *labElapsed = nullptr;
    QLabel *labRemaining = nullptr;
    QProgressBar *pgbCurrent = nullptr;
    QLabel *labCurProgress = nullptr;
    QProgressBar *pgbTotal = nullptr;
    QLabel *labTotalProgress = nullptr;
    QTimer *timerTime = nullptr;

    // Preview
    QWidget *VideoWindow1 = nullptr;
    QSlider *TrackBar = nullptr;
    QTimer *tmrTrackBar = nullptr;
    QToolButton *sbtnPlay = nullptr;
    QToolButton *sbtnPause = nullptr;
    QToolButton *sbtnStop = nullptr;
    QLabel *labPreviewTime = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void createTaskPane();
    void createProfilePane();
    void createBottomPane();

    StartupInfo m_startup;
};

extern TMainForm *MainForm;
