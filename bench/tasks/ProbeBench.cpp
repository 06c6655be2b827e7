// Probe speed per file: ProbeMediaFile, AddFolder in the real main window (offscreen)
// and the mediainfo command-line tool run once per file, on one folder of generated
// clips. The goal is a probe at most 0.3 of the command-line tool's time per file.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QTreeWidget>
#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/Application.h"
#include "app/MainForm.h"
#include "app/Program.h"
#include "tasks/MediaProbe.h"
#include "tasks/TaskList.h"
#include "tests/support/Clips.h"
#include "tests/support/TempAppDir.h"

extern char** environ;

namespace {
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Answers every dialog with its default; nothing is shown.
class QuietShell final : public vuvide::Shell {
 public:
  vuvide::MsgResult messageBox(const vuvide::MessageRequest& request) override {
    ++messages;
    return request.buttons == vuvide::MsgButtons::YesNo ? request.defaultButton
                                                        : vuvide::MsgResult::Ok;
  }
  QStringList openFiles(QWidget*, const vuvide::FileDialogSpec&) override { return {}; }
  std::optional<QString> saveFile(QWidget*, const vuvide::FileDialogSpec&) override {
    return std::nullopt;
  }
  std::optional<QString> browseFolder(QWidget*, const QString&) override { return std::nullopt; }
  void shellOpen(QWidget*, const QString&) override {}
  void powerOff() override {}
  int messages = 0;
};

// Runs a program with its output thrown away; the exit status.
int RunQuietly(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  for (const auto& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return -1;
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct Figures {
  double totalMs = 0;
  double medianMs = 0;
};

Figures Summarise(std::vector<double> times) {
  Figures f;
  for (double t : times) f.totalMs += t;
  std::sort(times.begin(), times.end());
  if (!times.empty()) f.medianMs = times[times.size() / 2];
  return f;
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  std::setlocale(LC_ALL, "");
  std::setlocale(LC_NUMERIC, "C");
  vuvide::Application app(argc, argv);

  const vuvide::test::TempAppDir work;
  const std::string folder = work.path() + "clips";
  fs::create_directories(folder);
  std::printf("Making %d clips in %s ...\n", count, folder.c_str());
  std::fflush(stdout);
  const char* containers[] = {".avi", ".mp4", ".mov", ".mpg"};
  std::vector<std::string> files;
  for (int i = 0; i < count; ++i) {
    vuvide::test::ClipSpec spec;
    spec.seconds = 1 + (i % 4) * 0.5;
    spec.width = 160 + (i % 3) * 16;
    spec.height = 120;
    char name[32];
    std::snprintf(name, sizeof name, "clip%04d", i);
    files.push_back(vuvide::test::MakeClip(folder + "/" + name + containers[i % 4], spec));
  }

  // Warm the page cache so that no method pays for the first read of the files.
  for (const auto& f : files) vuvide::ProbeMediaFile(f);

  std::vector<double> cli, cliFull, probe;
  for (const auto& f : files) {
    auto start = Clock::now();
    if (RunQuietly({"mediainfo", "--Output=General;%Duration%", f}) != 0)
      std::fprintf(stderr, "mediainfo failed on %s\n", f.c_str());
    cli.push_back(MsSince(start));
    start = Clock::now();
    RunQuietly({"mediainfo", f});
    cliFull.push_back(MsSince(start));
  }
  for (const auto& f : files) {
    const auto start = Clock::now();
    vuvide::ProbeMediaFile(f);
    probe.push_back(MsSince(start));
  }

  // The whole folder through the main window's own AddFolder.
  QuietShell shell;
  app.setShell(&shell);
  double addFolderMs = 0;
  int rows = 0;
  {
    vuvide::Program program(shell, work.path(), {});
    const auto start = Clock::now();
    program.MainForm->AddFolder(folder);
    addFolderMs = MsSince(start);
    rows = program.MainForm->ltvTask->topLevelItemCount();
  }
  app.setShell(nullptr);

  const Figures c = Summarise(cli), cf = Summarise(cliFull), p = Summarise(probe);
  const double n = static_cast<double>(count);
  std::printf("\nPer file, %d clips:\n", count);
  std::printf("  mediainfo CLI (--Output=General;%%Duration%%)  mean %7.2f ms  median %7.2f ms\n",
              c.totalMs / n, c.medianMs);
  std::printf("  mediainfo CLI (full report)                  mean %7.2f ms  median %7.2f ms\n",
              cf.totalMs / n, cf.medianMs);
  std::printf("  ProbeMediaFile                               mean %7.2f ms  median %7.2f ms\n",
              p.totalMs / n, p.medianMs);
  std::printf("  AddFolder (offscreen window, %d rows)        mean %7.2f ms\n", rows,
              addFolderMs / n);
  const double ratio = (p.totalMs / n) / (c.totalMs / n);
  const double folderRatio = (addFolderMs / n) / (c.totalMs / n);
  std::printf("\nProbe / CLI: %.3f   AddFolder / CLI: %.3f   goal <= 0.3: %s\n", ratio, folderRatio,
              ratio <= 0.3 && folderRatio <= 0.3 ? "met" : "MISSED");
  if (rows != count || shell.messages != 0)
    std::printf("warning: %d rows, %d messages\n", rows, shell.messages);
  return 0;
}
