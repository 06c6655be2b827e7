// asapi.dll as a process, with a scripted fake MEncoder in MEncoder's place: its output
// reaches the joiner unchanged, a run whose position stops is ended, and killing asapi.dll
// ends the run it started.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "encoder/Runner.h"

namespace {

using Args = std::vector<std::string>;

std::string AsapiPath() {
  const char* dir = std::getenv("VUVIDE_APPDIR");
  return std::string(dir ? dir : ".") + "/asapi.dll";
}

const Args kConversion = {"/nonexistent/in put.mp4",
                          "-o",
                          "/tmp/none/0.avi",
                          "-oac",
                          "mp3lame",
                          "-ovc",
                          "lavc",
                          "-ofps",
                          "30",
                          "-vf",
                          "scale=320:240"};

class EncoderProcess : public ::testing::Test {
 protected:
  void SetUp() override {
    char dir[] = "/tmp/asapi-fake-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    dir_ = dir;
    script_ = dir_ + "/script";
    log_ = dir_ + "/log";
  }
  void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }

  void Script(const std::string& text) { std::ofstream(script_) << text; }

  // Starts asapi.dll with the fake encoder; its standard output and error go to one pipe.
  pid_t Start(const Args& args, const std::string& stallSeconds = "30",
              const std::string& encoder = FAKE_MENCODER_PATH) {
    int out[2];
    EXPECT_EQ(pipe2(out, O_CLOEXEC), 0);
    const std::string asapi = AsapiPath();
    std::vector<std::string> all = {asapi};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
      dup2(out[1], 1);
      dup2(out[1], 2);
      setenv("VUVIDE_MENCODER", encoder.c_str(), 1);
      setenv("VUVIDE_FAKE_SCRIPT", script_.c_str(), 1);
      setenv("VUVIDE_FAKE_LOG", log_.c_str(), 1);
      setenv("VUVIDE_ENCODER_STALL_SECONDS", stallSeconds.c_str(), 1);
      execv(argv[0], argv.data());
      _exit(99);
    }
    close(out[1]);
    out_ = out[0];
    return pid;
  }

  std::string ReadAll() {
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(out_, buffer, sizeof buffer)) > 0;)
      text.append(buffer, static_cast<size_t>(n));
    close(out_);
    return text;
  }

  static int Wait(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }

  std::vector<std::string> LogLines() {
    std::ifstream in(log_);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

  pid_t FakePid() {
    const auto lines = LogLines();
    return lines.empty() ? -1 : static_cast<pid_t>(std::atoi(lines[0].substr(4).c_str()));
  }

  // True when the process has ended (gone, or a zombie nobody has reaped yet).
  static bool Ended(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text;
    if (!std::getline(stat, text)) return true;
    const auto close = text.rfind(')');
    return close != std::string::npos && close + 2 < text.size() && text[close + 2] == 'Z';
  }

  // Waits for an event that happens at once when the code works; the bound only keeps a
  // broken build from hanging.
  template <typename Condition>
  static bool Eventually(Condition condition) {
    for (int i = 0; i < 1000; ++i) {
      if (condition()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return condition();
  }

  std::string dir_, script_, log_;
  int out_ = -1;
};

TEST_F(EncoderProcess, PassesTheEncodersOutputOnUnchanged) {
  std::string expected = "MEncoder banner\nstream details\n";
  std::string script = "write MEncoder banner\\nstream details\\n\n";
  for (int i = 0; i < 30; ++i) {
    const std::string pos = "Pos:  " + std::to_string(i) + ".5s   " + std::to_string(i) + "f (3%)";
    expected += pos + "\r";
    script += "write " + pos + "\\r\n";
  }
  expected += std::string("zero\0byte\n", 10);
  script += "write zero\\0byte\\n\n";
  Script(script);
  const pid_t pid = Start(kConversion);
  EXPECT_EQ(ReadAll(), expected);
  EXPECT_EQ(Wait(pid), 0);

  const auto log = LogLines();
  ASSERT_GE(log.size(), 3u);
  EXPECT_EQ(log[1], "stdin null");
  EXPECT_EQ(log[log.size() - 2], "/nonexistent/in put.mp4");  // the input comes last
}

TEST_F(EncoderProcess, ReportsTheEncodersExitCode) {
  for (const int code : {0, 1, 3}) {
    Script("write Pos:   1.0s\\r\nexit " + std::to_string(code) + "\n");
    const pid_t pid = Start(kConversion);
    ReadAll();
    EXPECT_EQ(Wait(pid), code);
  }
}

TEST_F(EncoderProcess, HandsOtherLinesOnAsTheyAre) {
  Script("exit 0\n");
  const Args args = {"-ovc", "help", "a b"};
  const pid_t pid = Start(args);
  ReadAll();
  EXPECT_EQ(Wait(pid), 0);
  const auto log = LogLines();
  EXPECT_EQ(log, (std::vector<std::string>{log.empty() ? "" : log[0], "stdin null", "-ovc", "help",
                                           "a b", "end"}));
}

TEST_F(EncoderProcess, EndsARunWhosePositionStops) {
  Script("write Pos:   1.0s\\r\nwrite Pos:   2.0s\\r\nwrite Pos:   3.0s\\r\nhang\n");
  const pid_t pid = Start(kConversion, "1");
  const std::string output = ReadAll();
  EXPECT_EQ(Wait(pid), vuvide::encoder::kExitStalled);
  EXPECT_NE(output.find("Pos:   3.0s"), std::string::npos);
  const pid_t fake = FakePid();
  ASSERT_GT(fake, 0);
  EXPECT_TRUE(Eventually([&] { return Ended(fake); }));
}

TEST_F(EncoderProcess, EndsARunThatNeverShowsAPosition) {
  Script("write banner only\\n\nhang\n");
  const pid_t pid = Start(kConversion, "1");
  ReadAll();
  EXPECT_EQ(Wait(pid), vuvide::encoder::kExitStalled);
}

TEST_F(EncoderProcess, LeavesAnAdvancingRunAlone) {
  std::string script;
  for (int i = 1; i <= 8; ++i)
    script += "write Pos:   " + std::to_string(i) + ".0s\\r\nsleep 200\n";
  script += "exit 0\n";
  Script(script);
  const pid_t pid = Start(kConversion, "3");
  ReadAll();
  EXPECT_EQ(Wait(pid), 0);
}

TEST_F(EncoderProcess, KillingItEndsTheEncoder) {
  Script("write Pos:   1.0s\\r\nhang\n");
  const pid_t pid = Start(kConversion);
  ASSERT_TRUE(Eventually([&] { return FakePid() > 0; }));
  const pid_t fake = FakePid();
  EXPECT_FALSE(Ended(fake));
  kill(pid, SIGKILL);
  EXPECT_EQ(Wait(pid), 128 + SIGKILL);
  EXPECT_TRUE(Eventually([&] { return Ended(fake); }));
  ReadAll();  // the pipe ends once no process holds it
}

TEST_F(EncoderProcess, FailsWhenTheEncoderCannotStart) {
  Script("exit 0\n");
  const pid_t pid = Start(kConversion, "30", "/nonexistent/mencoder");
  const std::string output = ReadAll();
  EXPECT_EQ(Wait(pid), vuvide::encoder::kExitCannotStart);
  EXPECT_EQ(output.find("Pos:"), std::string::npos);
}

TEST_F(EncoderProcess, JoinWithoutReadableInputsStartsNothing) {
  Script("exit 0\n");
  const Args join = {"/nonexistent/0.avi",
                     "/nonexistent/1.avi",
                     "-o",
                     "/tmp/none/out.avi",
                     "-ovc",
                     "lavc",
                     "-lavcopts",
                     "vcodec=mpeg4",
                     "-oac",
                     "pcm",
                     "-channels",
                     "2",
                     "-vf",
                     "scale=320:240",
                     "-srate",
                     "44100"};
  const pid_t pid = Start(join);
  const std::string output = ReadAll();
  EXPECT_EQ(Wait(pid), vuvide::encoder::kExitNoInput);
  EXPECT_EQ(output.find("Pos:"), std::string::npos);
  EXPECT_TRUE(LogLines().empty());
}

}  // namespace
