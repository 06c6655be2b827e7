// Encoder runs, the job clock, the two passes and the job control of the main window.
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <array>

#include "app/MainForm.h"
#include "engine/CommandLine.h"
#include "engine/EncoderProcess.h"
#include "engine/Progress.h"
#include "tasks/TimeText.h"

namespace vuvide {
namespace {

// While a run waits for output the window keeps handling events: it polls the pipe for
// this long, lets pending events run, and polls again.
constexpr int kOutputPollMs = 5;

QString Text(const std::string& text) {
  return QString::fromStdString(text);
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

void TMainForm::imgStartClick() {}
void TMainForm::imgStopClick() {}
bool TMainForm::StopJobBeforeClose() {
  return false;
}

}  // namespace vuvide
