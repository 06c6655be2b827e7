// A two-input job run through the program (offscreen, dialogs answered by the scripted
// seam) against the same encoder command lines run back to back from a shell, in the
// same run. Goal: program / shell <= 1.02. Run by hand:
//   build/bench/engine/bench_engine_job [seconds-per-clip] [rounds]
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRadioButton>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "app/MainForm.h"
#include "app/Program.h"
#include "engine/CommandLine.h"
#include "engine/JobCommands.h"
#include "prefs/SettingForm.h"
#include "profiles/OutputSettingsForm.h"
#include "tests/support/Clips.h"
#include "tests/support/ScriptedShell.h"
#include "tests/support/TempAppDir.h"

namespace {

using vuvide::test::ShellQuote;

// The command for /bin/sh that runs the encoder with the arguments of one line.
std::string ShellCommand(const std::string& encoder, const std::string& line) {
  std::string command = ShellQuote(encoder);
  for (const auto& argument : vuvide::SplitCommandLine(line)) command += " " + ShellQuote(argument);
  return command + " >/dev/null 2>&1";
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  std::setlocale(LC_ALL, "");
  std::setlocale(LC_NUMERIC, "C");
  QApplication application(argc, argv);
  const double seconds = argc > 1 ? std::atof(argv[1]) : 30.0;
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 2;

  vuvide::test::TempAppDir app;
  app.copyShippedProfiles();
  const std::string encoder = app.path() + "asapi.dll";
  std::filesystem::create_symlink(std::string(VUVIDE_APPDIR) + "/asapi.dll", encoder);
  vuvide::test::ClipSpec a{seconds, 640, 360, 30, true, 44100, 2, ""};
  vuvide::test::ClipSpec b{seconds, 480, 360, 25, true, 48000, 2, ""};
  const std::vector<std::string> clips = {vuvide::test::MakeClip(app.path() + "a.mp4", a),
                                          vuvide::test::MakeClip(app.path() + "b.mp4", b)};

  vuvide::test::ScriptedShell shell;
  vuvide::Program program(shell, app.path(), {});
  vuvide::TMainForm& main = *program.MainForm;
  main.show();
  QApplication::processEvents();
  for (const auto& clip : clips) main.AddFile(clip);
  main.cmbProfile->setCurrentIndex(main.cmbProfile->findText("MP4 - MPEG-4 + AAC"));
  main.cmbProfileChange();
  const std::string temp = app.path() + "work/";
  const std::string output = app.path() + "joined.mp4";
  main.SettingForm->edtTempDir->setText(QString::fromStdString(temp));
  main.SettingForm->rdbOverWrite->setChecked(true);
  main.SettingForm->chkExit->setChecked(false);
  main.SettingForm->chkTurnoff->setChecked(false);
  main.SettingForm->chkOpenDir->setChecked(false);

  const std::string profile = main.ProfilePath();
  const std::string frameSize = main.OpSettingForm->GetFrameSize(profile);
  const std::string options = main.OpSettingForm->BuildJoinOptions(profile);
  std::string shellScript;
  std::vector<std::string> intermediates;
  for (size_t i = 0; i < clips.size(); ++i) {
    intermediates.push_back(vuvide::IntermediatePath(temp, static_cast<int>(i)));
    shellScript += ShellCommand(encoder, vuvide::ConversionCommandLine(
                                             clips[i], intermediates.back(), frameSize)) +
                   " && ";
  }
  shellScript += ShellCommand(encoder, vuvide::JoiningCommandLine(intermediates, output, options));

  double programTotal = 0, shellTotal = 0;
  for (int round = 0; round < rounds; ++round) {
    // The order alternates from round to round, so a drift in the machine's load
    // does not favour one side.
    double programSeconds = 0, shellSeconds = 0;
    bool succeeded = false;
    int status = 0;
    const auto runProgram = [&] {
      main.edtOutputFile->setText(QString::fromStdString(output));
      shell.messages.clear();
      QElapsedTimer timer;
      timer.start();
      main.imgStartClick();
      programSeconds = timer.elapsed() / 1000.0;
      succeeded = shell.messages.size() == 1 &&
                  shell.messages[0].text == "The joining is completed successfully.";
      std::filesystem::remove(output);
    };
    const auto runShell = [&] {
      QElapsedTimer timer;
      timer.start();
      status = std::system(shellScript.c_str());
      shellSeconds = timer.elapsed() / 1000.0;
      for (const auto& file : intermediates) std::filesystem::remove(file);
      std::filesystem::remove(output);
    };
    if (round % 2 == 0) {
      runProgram();
      runShell();
    } else {
      runShell();
      runProgram();
    }

    std::printf("round %d: program %.2f s (%s), shell %.2f s (exit %d), ratio %.3f\n", round + 1,
                programSeconds, succeeded ? "completed" : "FAILED", shellSeconds, status,
                programSeconds / shellSeconds);
    if (!succeeded || status != 0) return 1;
    programTotal += programSeconds;
    shellTotal += shellSeconds;
  }
  std::printf(
      "two %.0f s clips, %d rounds: program %.2f s, shell %.2f s, ratio %.3f (goal <= 1.02)\n",
      seconds, rounds, programTotal, shellTotal, programTotal / shellTotal);
  return 0;
}
