// Encoder runs, the job clock, the two passes and the job control of the main window.
#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <array>
#include <filesystem>
#include <system_error>

#include "app/MainForm.h"
#include "app/PathRoutines.h"
#include "app/PictureButton.h"
#include "engine/CommandLine.h"
#include "engine/EncoderProcess.h"
#include "engine/JobCommands.h"
#include "engine/Progress.h"
#include "prefs/SettingForm.h"
#include "profiles/OutputSettingsForm.h"
#include "tasks/TimeText.h"

namespace vuvide {
namespace {

// While a run waits for output the window keeps handling events: it polls the pipe for
// this long, lets pending events run, and polls again.
constexpr int kOutputPollMs = 5;

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

// A row's play time for the progress sums; a length that is not a time text counts 0.
double PlayTime(const ltvItemData& record) {
  return record.LengthSeconds() > 0 ? record.LengthSeconds() : 0;
}

void DeleteIfExists(const std::string& path) {
  if (FileExists(path)) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
  }
}

// What is known of the output file before the join run, to tell afterwards whether the
// run wrote it.
struct FileMark {
  bool exists = false;
  std::filesystem::file_time_type written{};
  std::uintmax_t size = 0;
};

FileMark MarkOf(const std::string& path) {
  FileMark mark;
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return mark;
  mark.written = std::filesystem::last_write_time(path, error);
  if (!error) mark.size = std::filesystem::file_size(path, error);
  mark.exists = !error;
  return mark;
}

// The run wrote the file: it is there and differs from what was there before.
bool Written(const FileMark& before, const FileMark& after) {
  return after.exists &&
         (!before.exists || after.written != before.written || after.size != before.size);
}

}  // namespace

void TMainForm::ConnectEngine() {
  connect(timerTime, &QTimer::timeout, this, [this] { timerTimeTimer(); });
}

bool TMainForm::RunEncoder(const std::string& commandLine, const ProgressStep& progressStep) {
  if (!EncoderProcess) EncoderProcess = std::make_shared<vuvide::EncoderProcess>();
  // Held here as well, so the process outlives a window that goes while the run waits.
  const std::shared_ptr<vuvide::EncoderProcess> process = EncoderProcess;
  if (!process->Start(EncoderPath, SplitCommandLine(commandLine))) return false;

  PositionText.clear();
  RunReader reader;
  std::array<char, kReadBufferSize> ReadBuffer{};
  for (;;) {
    // Pending events run before every read, and keep running while the encoder is
    // quiet, so clock ticks and Stop are handled at once.
    do {
      QCoreApplication::processEvents(QEventLoop::AllEvents);
    } while (!process->WaitReadable(kOutputPollMs));

    ReadBuffer.fill(0);
    const size_t count = process->Read(ReadBuffer.data(), kReadSize);
    if (count == 0) break;  // the output has ended
    if (!reader.Take(ChunkText(ReadBuffer.data(), count))) continue;
    PositionText = reader.PositionText();
    try {
      progressStep(PositionText);
    } catch (...) {
      // An error while showing one figure leaves the display as it was; the run goes on.
    }
  }
  process->FinishRun();
  return true;
}

void TMainForm::TerminateEncoder() {
  if (EncoderProcess) EncoderProcess->Terminate();
}

void TMainForm::ShowProgress(std::optional<int> current, std::optional<int> total) {
  if (current) pgbCurrent->setValue(ClampPercent(*current));
  if (total) pgbTotal->setValue(ClampPercent(*total));
  // A bar that was never set holds one below its minimum; the labels show 0 then.
  labCurProgress->setText(Text(PercentText(ClampPercent(pgbCurrent->value()))));
  labTotalProgress->setText(Text(PercentText(ClampPercent(pgbTotal->value()))));
}

void TMainForm::timerTimeTimer() {
  ++ElapsedSeconds;
  labElapsed->setText(Text(FormatTimeText(ElapsedSeconds)));
  if (const auto remaining = RemainingSecondsFor(ElapsedSeconds, ClampPercent(pgbTotal->value())))
    RemainingSeconds = *remaining;
  labRemaining->setText(Text(FormatTimeText(RemainingSeconds < 0 ? 0 : RemainingSeconds)));
}

// ---- the conversion pass ----

std::string TMainForm::RunConversionPass(const std::string& frameSize) {
  labProcessTitle->setText("Prepare (Converting):");
  labConvertingFile->show();
  labConvertingFile->setText("");
  labElapsed->setText("");
  labRemaining->setText("");
  pgbCurrent->setValue(0);
  pgbTotal->setValue(0);
  labCurProgress->setText("0%");
  labTotalProgress->setText("0%");
  panBottomCenter->hide();
  panBottomLeft->show();
  JobState = jsRunning;
  double done = 0;
  double total = 0;
  ElapsedSeconds = 0;
  RemainingSeconds = 0;
  timerTime->start();

  const int rows = ltvTask->topLevelItemCount();
  ltvItemData record;
  for (int row = 0; row < rows; ++row) {
    ReadRow(row, kPartWholeRow, record);
    total += PlayTime(record);
  }

  std::string problem;
  TempFolder = PrepareTempFolder(SettingForm->edtTempDir->text().toStdString(), AppDir, problem);
  if (TempFolder.empty()) {
    // No folder for the intermediates: the job ends as when the encoder cannot start,
    // with the reason instead.
    timerTime->stop();
    shell().messageBox({this, Text(problem), Text(Info.productName), MsgIcon::Information});
    panBottomLeft->hide();
    panBottomCenter->show();
    JobState = jsStopped;
    return TempFolder;
  }

  for (int row = 0; row < rows; ++row) {
    QCoreApplication::processEvents();
    double position = 0;
    ReadRow(row, kPartWholeRow, record);
    record.StatusText() = "Converting";
    WriteRow(row, kStatusItem, record);
    labConvertingFile->setText(Text(ExtractFileName(record.Path)));
    const std::string line =
        ConversionCommandLine(record.Path, IntermediatePath(TempFolder, row), frameSize);
    const double playTime = PlayTime(record);
    const auto step = [&](const std::string& figure) {
      if (const auto value = ParseFigure(figure)) position = *value;
      ShowProgress(Percentage(position, playTime),
                   ConversionTotalPercentage(done, position, total));
    };

    // A Stop that came while the row was being set up ends the pass before its run
    // starts: the user need not wait for a whole conversion that is thrown away.
    const bool stoppedBeforeRun = JobState == jsStopped;
    if (!stoppedBeforeRun && !RunEncoder(line, step)) {
      shell().messageBox({this, Text("Error. Please re-install " + Info.productName),
                          Text(Info.productName), MsgIcon::None});
      timerTime->stop();
      panBottomLeft->hide();
      panBottomCenter->show();
      JobState = jsStopped;
      return TempFolder;
    }

    if (JobState == jsStopped) {
      timerTime->stop();
      record.StatusText() = "Stop";
      WriteRow(row, kStatusItem, record);
      for (int n = 0; n < ltvTask->topLevelItemCount(); ++n)
        DeleteIfExists(IntermediatePath(TempFolder, n));
      shell().messageBox({this, "The Coversion is canceled.", "Cancel", MsgIcon::Information});
      panBottomLeft->hide();
      panBottomCenter->show();
      return TempFolder;
    }

    done += playTime;
    record.StatusText() = "Waiting for joining";
    WriteRow(row, kStatusItem, record);
    if (row != rows - 1) {
      pgbCurrent->setValue(0);
      labCurProgress->setText("0%");
    }
    TerminateEncoder();
  }
  return TempFolder;
}

// ---- the joining pass ----

void TMainForm::RunJoiningPass(const std::string& options, const std::string& tempFolder) {
  labProcessTitle->setText("Final Step: Joining all files...");
  labConvertingFile->hide();
  panBottomCenter->hide();
  panBottomLeft->show();
  JobState = jsRunning;
  double total = 0;

  const int rows = ltvTask->topLevelItemCount();
  std::vector<std::string> intermediates;
  ltvItemData record;
  for (int row = 0; row < rows; ++row) {
    QCoreApplication::processEvents();
    ReadRow(row, kPartWholeRow, record);
    record.StatusText() = "Joining";
    WriteRow(row, kStatusItem, record);
    total += PlayTime(record);
    intermediates.push_back(IntermediatePath(tempFolder, row));
  }

  const std::string outputName = edtOutputFile->text().toStdString();
  std::string output = outputName;
  if (FileExists(outputName) && SettingForm->rdbRename->isChecked())
    output = RenamedOutput(outputName, OpSettingForm->OutputExtension);
  const std::string line = JoiningCommandLine(intermediates, output, options);

  double position = 0;
  const auto step = [&](const std::string& figure) {
    if (const auto value = ParseFigure(figure); value && *value > position) position = *value;
    ShowProgress(Percentage(position, total), JoiningTotalPercentage(position, total));
  };
  const auto setStatusOfAllRows = [&](const char* status, bool letEventsRun) {
    for (int row = 0; row < ltvTask->topLevelItemCount(); ++row) {
      if (letEventsRun) QCoreApplication::processEvents();
      ReadRow(row, kPartWholeRow, record);
      record.StatusText() = status;
      WriteRow(row, kStatusItem, record);
      DeleteIfExists(IntermediatePath(tempFolder, row));
    }
  };
  const auto showSetupView = [&] {
    panBottomLeft->hide();
    panBottomCenter->show();
  };

  const FileMark before = MarkOf(output);
  // A Stop during the row loop above ends the job before the run starts.
  const bool stoppedBeforeRun = JobState == jsStopped;
  if (!stoppedBeforeRun && !RunEncoder(line, step)) {
    shell().messageBox({this, Text("Error. Please re-install " + Info.productName),
                        Text(Info.productName), MsgIcon::None});
    timerTime->stop();
    showSetupView();
    JobState = jsIdle;
    return;
  }

  if (JobState == jsStopped) {
    timerTime->stop();
    setStatusOfAllRows("Stop", false);
    // What the stopped run wrote is an unfinished file: it goes too. A file the run
    // did not touch (stopped before it began writing) stays as it was.
    if (Written(before, MarkOf(output))) DeleteIfExists(output);
    shell().messageBox({this, "The Joining is canceled.", "Cancel", MsgIcon::Information});
    showSetupView();
    JobState = jsIdle;
    return;
  }

  const FileMark after = MarkOf(output);
  if (!Written(before, after) || after.size == 0) {
    // The run ended without an output: this is no success, and no completion action
    // (turning off, exiting) may hide it.
    timerTime->stop();
    setStatusOfAllRows("Failed", false);
    if (after.exists && after.size == 0) DeleteIfExists(output);
    shell().messageBox({this,
                        Text("The joining has failed: the output file " + output +
                             " was not written. Please check the input files and the "
                             "output settings."),
                        Text(Info.productName), MsgIcon::Error});
    showSetupView();
    JobState = jsIdle;
    return;
  }

  pgbCurrent->setValue(100);
  pgbTotal->setValue(100);
  labCurProgress->setText("100%");
  labTotalProgress->setText("100%");
  timerTime->stop();
  setStatusOfAllRows("Complete", true);

  if (SettingForm->chkTurnoff->isChecked()) {
    TurnOffComputer();
    JobInProgress = false;
    close();
    return;
  }
  if (SettingForm->chkExit->isChecked()) {
    JobInProgress = false;
    close();
    return;
  }
  shell().messageBox(
      {this, "The joining is completed successfully.", "Complete", MsgIcon::Information});
  if (SettingForm->chkOpenDir->isChecked())
    shell().shellOpen(this, Text(ExtractFilePath(outputName)));
  JobState = jsIdle;
  showSetupView();
}

void TMainForm::TurnOffComputer() {
  // The seam asks the system to power off (no force); its result does not matter.
  shell().powerOff();
}

// ---- job control ----

void TMainForm::LockJobControls() {
  for (QToolButton* button : {tbtnAddFile, tbtnAddDir, tbtnUp, tbtnDown, tbtnRemove, tbtnClear})
    button->setEnabled(false);
  imgStart->hide();
  imgStop->show();
  tbtnSetting->setEnabled(false);
  ltvTask->setEnabled(false);
}

void TMainForm::UnlockJobControls() {
  for (QToolButton* button : {tbtnAddFile, tbtnAddDir, tbtnUp, tbtnDown, tbtnRemove, tbtnClear})
    button->setEnabled(true);
  imgStart->show();
  imgStop->hide();
  tbtnSetting->setEnabled(true);
  ltvTask->setEnabled(true);
}

void TMainForm::imgStartClick() {
  // A Start while an earlier one has not returned (Stop shows Start again while the
  // stopped run winds down) must not begin a second job inside the first.
  if (JobInProgress) return;
  const auto inform = [this](const char* text, const char* caption) {
    shell().messageBox({this, text, caption, MsgIcon::Information});
  };

  if (ltvTask->topLevelItemCount() < 2) {
    inform("Please add at least 2 videos to the task for joining.", "Add More Videos");
    return;
  }
  ltvTask->setFocus();
  std::string output = edtOutputFile->text().toStdString();
  const std::string folder = ExtractFilePath(output);
  if (folder.empty() || !DirectoryExists(folder)) {
    inform("The output path does not exist. Please specify another one.",
           "Output path does not exist");
    edtOutputFile->setFocus();
    return;
  }
  if (ExtractFileName(output).empty()) {
    inform("Please specify the output file.", "Icorrect Filename");
    edtOutputFile->setFocus();
    return;
  }
  const std::string withExtension = WithOutputExtension(output, OpSettingForm->OutputExtension);
  if (withExtension != output) {
    output = withExtension;
    edtOutputFile->setText(Text(output));
  }
  if (FileExists(output) && SettingForm->rdbAsk->isChecked()) {
    MessageRequest question{
        this,
        "The output file is existent. Do you want to continue and overwrite it? \n\r"
        "Click \"No\" to specify another output filename.",
        "File Exists",
        MsgIcon::Question,
        MsgButtons::YesNo,
        MsgResult::Yes};
    if (shell().messageBox(question) != MsgResult::Yes) {
      edtOutputFile->setFocus();
      return;
    }
  }

  LockJobControls();
  JobInProgress = true;
  try {
    const std::string profile = ProfilePath();
    const std::string frameSize = OpSettingForm->GetFrameSize(profile);
    TempFolder = RunConversionPass(frameSize);
    if (JobState != jsStopped) {
      const std::string options = OpSettingForm->BuildJoinOptions(profile);
      RunJoiningPass(options, TempFolder);
    }
  } catch (...) {
    // A failure the passes do not handle ends the job here (the error box shows it):
    // no encoder, clock or job view is left running.
    TerminateEncoder();
    timerTime->stop();
    panBottomLeft->hide();
    panBottomCenter->show();
    JobState = jsIdle;
    JobInProgress = false;
    UnlockJobControls();
    throw;
  }
  JobInProgress = false;
  UnlockJobControls();
  if (CloseWhenJobEnds) {
    CloseWhenJobEnds = false;
    close();
  }
}

void TMainForm::imgStopClick() {
  if (JobState != jsRunning) return;
  imgStop->hide();
  imgStart->show();
  JobState = jsStopped;
  TerminateEncoder();
}

bool TMainForm::StopJobBeforeClose() {
  if (!JobInProgress) return false;
  CloseWhenJobEnds = true;
  imgStopClick();
  return true;
}

}  // namespace vuvide
