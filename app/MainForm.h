#pragma once
// The main window: toolbar, task list, bottom bar with its setup and job views, the
// logo panel with Start and Stop, and the welcome panel over the task list.
//
// The window's handlers are split by subsystem: this file's MainForm.cpp lays the
// window out and runs start-up and close; MainFormButtons.cpp holds the picture
// buttons and the output-file buttons; tasks/MainFormTasks.cpp the task list;
// engine/MainFormEngine.cpp the encoder runs, the passes and the job control.
#include <QPixmap>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "about/ProgramInfo.h"
#include "platform/Shell.h"
#include "tasks/TaskRow.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QAction;
class QProgressBar;
class QPushButton;
class QTimer;
class QToolButton;
class QTreeWidget;

namespace vuvide {

class PictureButton;
class TopSettingForm;
class TSettingForm;
class TAboutForm;
struct EncoderProcess;

// The job state shared by the passes and the Start and Stop buttons.
enum JobStateValue : int { jsIdle = 0, jsRunning = 1, jsStopped = 2 };

class TMainForm : public QWidget {
  Q_OBJECT

 public:
  // Runs the window's creation steps (FormCreate). appDir is the program folder
  // (ending in the separator); arguments are the command-line parameters without the
  // program name.
  TMainForm(Shell& shell, const std::string& appDir, const QStringList& arguments,
            QWidget* parent = nullptr);
  ~TMainForm() override;

  // The dialogs are created after the main window; the program hands them over here.
  void AttachDialogs(TopSettingForm* opSetting, TSettingForm* setting, TAboutForm* about);

  Shell& shell() { return shell_; }

  // ---- program-wide values fixed at start-up ----
  std::string AppDir;
  std::string EncoderPath;
  std::string VersionText;
  ProgramInfo Info;
  std::string HelpFile;
  FileDialogSpec OpenDialog1;
  FileDialogSpec SaveDialog1;

  // ---- the other windows ----
  TopSettingForm* OpSettingForm = nullptr;
  TSettingForm* SettingForm = nullptr;
  TAboutForm* AboutForm = nullptr;

  // ---- toolbar ----
  QFrame* panToolbar = nullptr;
  QToolButton* tbtnAddFile = nullptr;
  QToolButton* tbtnAddDir = nullptr;
  QToolButton* tbtnSetting = nullptr;
  QToolButton* tbtnAbout = nullptr;
  QToolButton* tbtnHelp = nullptr;

  // ---- task list area ----
  QFrame* panMain = nullptr;
  QFrame* panLeft = nullptr;
  QFrame* panRight = nullptr;
  QFrame* Panel1 = nullptr;
  QTreeWidget* ltvTask = nullptr;
  QFrame* Panel2 = nullptr;
  QToolButton* tbtnRemove = nullptr;
  QToolButton* tbtnClear = nullptr;
  QToolButton* tbtnUp = nullptr;
  QToolButton* tbtnDown = nullptr;
  QMenu* ppmTask = nullptr;
  QAction* Open1 = nullptr;
  QAction* AddFiles1 = nullptr;
  QAction* AddDirectorys1 = nullptr;
  QAction* Remove1 = nullptr;
  QAction* Clear1 = nullptr;

  // ---- welcome panel over the task list area ----
  QFrame* panltvTask = nullptr;
  QLabel* Image12 = nullptr;
  QLabel* Image13 = nullptr;
  QLabel* labProgramName = nullptr;

  // ---- bottom bar ----
  QFrame* panBottom = nullptr;
  QFrame* panBottomCenter = nullptr;  // setup view
  QComboBox* cmbProfile = nullptr;
  QPushButton* bbtnSetting = nullptr;
  QLineEdit* edtOutputFile = nullptr;
  QPushButton* bbtnBrowser = nullptr;
  QPushButton* bbtnOpen = nullptr;
  QFrame* panBottomLeft = nullptr;  // job view
  QLabel* labProcessTitle = nullptr;
  QLabel* labConvertingFile = nullptr;
  QLabel* labElapsed = nullptr;
  QLabel* labRemaining = nullptr;
  QProgressBar* pgbCurrent = nullptr;
  QLabel* labCurProgress = nullptr;
  QProgressBar* pgbTotal = nullptr;
  QLabel* labTotalProgress = nullptr;
  QLabel* imgBottomBack = nullptr;  // stretched background between the views and the logo
  QFrame* panLogo = nullptr;
  QLabel* Image9 = nullptr;
  PictureButton* imgStart = nullptr;
  PictureButton* imgStop = nullptr;
  // Normal, hover and pressed looks of Start and Stop.
  std::array<QPixmap, 3> ImageList4;
  std::array<QPixmap, 3> ImageList5;

  // ---- job clock and state ----
  QTimer* timerTime = nullptr;
  int ElapsedSeconds = 0;
  int RemainingSeconds = 0;
  int JobState = jsIdle;

  // ---- start-up and close ----
  void FormCreate(const QStringList& arguments);
  void FormShow();
  void FormClose();
  void cmbProfileChange();
  // AppDir + "Profiles/" + the profile chooser's text + ".bpf".
  std::string ProfilePath() const;

  // ---- dialogs opened from the main window ----
  void bbtnSettingClick();
  void tbtnSettingClick();
  void tbtnAboutClick();

  // ---- picture buttons and output-file buttons (MainFormButtons.cpp) ----
  void imgStartMouseMove();
  void imgStartMouseDown();
  void imgStartMouseUp();
  void imgStopMouseMove();
  void imgStopMouseDown();
  void imgStopMouseUp();
  void Image1MouseMove();
  // Picture state steps shared by Start (ImageList4) and Stop (ImageList5).
  void PictureMouseMove(PictureButton* button, const std::array<QPixmap, 3>& pictures);
  void PictureMouseDown(PictureButton* button, const std::array<QPixmap, 3>& pictures);
  void PictureMouseUp(PictureButton* button, const std::array<QPixmap, 3>& pictures);
  void LoadArtwork();
  void bbtnBrowserClick();
  void bbtnOpenClick();
  void tbtnHelpClick();

  // ---- task list (tasks/MainFormTasks.cpp) ----
  void AddFile(const std::string& path);
  void AddFolder(const std::string& folder);
  void TakeCommandLine(const QStringList& arguments);
  void ReadRow(int row, int part, ltvItemData& record) const;
  void WriteRow(int row, int part, const ltvItemData& record);
  void tbtnAddFileClick();
  void tbtnAddDirClick();
  void tbtnRemoveClick();
  void tbtnClearClick();
  void tbtnUpClick();
  void tbtnDownClick();
  void ltvTaskDblClick();
  void ppmTaskPopup();
  void WMDropFiles(const QStringList& names);
  void SetListBarButtonsEnabled(bool enabled);
  // A key went down in the list; true when the key was one of the list's own.
  bool ltvTaskKeyDown(int key);
  void ltvTaskResize();
  int RememberedWidth = 0;

  // ---- encoder runs, passes and job control (engine/MainFormEngine.cpp) ----
  void imgStartClick();
  void imgStopClick();
  // The pass's own handling of each figure text cut from the encoder's output.
  using ProgressStep = std::function<void(const std::string& figure)>;
  // One encoder run: false when the pipe or the process cannot be made, true once the
  // started run's output has ended (finished, failed or terminated).
  bool RunEncoder(const std::string& commandLine, const ProgressStep& progressStep);
  // Kills the encoder of the current (or last) run; does nothing once it has ended.
  void TerminateEncoder();
  void timerTimeTimer();
  // Sets each bar that has a value, then both labels from the bars.
  void ShowProgress(std::optional<int> current, std::optional<int> total);
  std::string RunConversionPass(const std::string& frameSize);
  void RunJoiningPass(const std::string& options, const std::string& tempFolder);
  void LockJobControls();
  void UnlockJobControls();
  void TurnOffComputer();
  // Called when the window is asked to close: true while a job runs, which is then
  // stopped; the window closes once the job has ended.
  bool StopJobBeforeClose();
  std::shared_ptr<vuvide::EncoderProcess> EncoderProcess;  // process of the current run
  std::string PositionText;  // the figure text last cut from the output
  std::string TempFolder;
  bool JobInProgress = false;     // from the lock of a Start to its unlock
  bool CloseWhenJobEnds = false;  // the window was asked to close during a job

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildLayout();
  void BuildToolbar();
  void BuildTaskArea();
  void BuildBottomBar();
  void BuildWelcomePanel();
  void ConnectHandlers();
  // Each subsystem wires its own handlers.
  void ConnectButtons();
  void ConnectTaskList();
  void ConnectEngine();

  Shell& shell_;
};

}  // namespace vuvide
