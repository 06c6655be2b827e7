// Encoder runs of the main window against the scripted fake encoder.
#include <sys/wait.h>

#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <filesystem>

#include "engine/CommandLine.h"
#include "engine/EncoderProcess.h"
#include "engine/Progress.h"
#include "tests/engine/FakeEncoderScript.h"
#include "tests/support/GuiTest.h"

namespace vuvide::test {
namespace {

class EncoderRunTest : public GuiTest {
 protected:
  void SetUp() override {
    Start();
    InstallFakeEncoder(app);
  }

  // Runs the encoder with a step that records every figure text it is given.
  bool Run(const std::string& script, std::vector<std::string>& figures,
           const std::string& line = " \"in.avi\"") {
    WriteFakeScript(app, script);
    return main().RunEncoder(line, [&](const std::string& figure) { figures.push_back(figure); });
  }
};

TEST_F(EncoderRunTest, TwentyChunksOrFewerGiveNoFigure) {
  std::vector<std::string> figures;
  EXPECT_TRUE(Run(FakeBanner(), figures));
  EXPECT_TRUE(figures.empty());
  EXPECT_TRUE(Run(FakeBanner() + "chunk Pos:   3.0s\n", figures));
  EXPECT_EQ(figures, std::vector<std::string>{"   3.0"});
}

TEST_F(EncoderRunTest, CutsEachChunkAsItArrives) {
  std::vector<std::string> figures;
  const std::string script = FakeBanner() +
                             "chunk Pos:   1.0s   30f\\rPos:   1.1s   33f\\r\n"  // first counts
                             "chunk A-V: 0.01 no figure\n"                       // keeps it
                             "chunk Pos:   2.0\n"                                // no "s": empty
                             "chunk Pos: \t 2.5 s  75f\\r\n"                     // blanks around
                             "chunk Pos:   3.0\\0s  90f\\r\n"  // zero byte ends text
                             "chunk junk\\0Pos:   9.0s\n"      // figure after zero
                             "chunk Pos:1000.5s 1f\\r\n";
  EXPECT_TRUE(Run(script, figures));
  const std::vector<std::string> expected = {"   1.0", "   1.0", "", " \t 2.5 ", "", "", "1000.5"};
  EXPECT_EQ(figures, expected);
  EXPECT_EQ(main().PositionText, "1000.5");
  std::vector<std::optional<double>> numbers;
  for (const auto& figure : figures) numbers.push_back(ParseFigure(figure));
  EXPECT_EQ(numbers, (std::vector<std::optional<double>>{1.0, 1.0, std::nullopt, 2.5, std::nullopt,
                                                         std::nullopt, 1000.5}));
}

TEST_F(EncoderRunTest, BarsAndLabelsAreClampedAndNeedADenominator) {
  // A step like the passes': current over an 8 s play time, total over 0 s.
  double position = 0;
  const auto step = [&](const std::string& figure) {
    if (auto value = ParseFigure(figure)) position = *value;
    main().ShowProgress(Percentage(position, 8), Percentage(position, 0));
  };
  main().ShowProgress(0, 37);
  const struct {
    std::string chunk;
    int bar;
    std::string label;
  } cases[] = {{"Pos:   4.0s", 50, "50%"}, {"Pos:  12.0s", 100, "100%"},
               {"Pos:  -3.0s", 0, "0%"},   {"Pos:   1.0s", 12, "12%"},
               {"Pos:   x.0s", 12, "12%"}, {"Pos:   3.0s", 38, "38%"}};
  for (const auto& c : cases) {
    WriteFakeScript(app, FakeBanner() + "chunk " + c.chunk + "\n");
    ASSERT_TRUE(main().RunEncoder(" x", step));
    EXPECT_EQ(main().pgbCurrent->value(), c.bar) << c.chunk;
    EXPECT_EQ(main().labCurProgress->text().toStdString(), c.label) << c.chunk;
    EXPECT_EQ(main().pgbTotal->value(), 37) << c.chunk;
    EXPECT_EQ(main().labTotalProgress->text(), "37%") << c.chunk;
  }
}

TEST_F(EncoderRunTest, ARunThatCannotStartReturnsFalse) {
  bool called = false;
  const auto step = [&](const std::string&) { called = true; };
  main().EncoderPath = app.path() + "missing/asapi.dll";
  EXPECT_FALSE(main().RunEncoder(" x", step));
  main().EncoderPath = app.write("not-a-program.dll", "text, not executable");
  EXPECT_FALSE(main().RunEncoder(" x", step));
  std::filesystem::create_directory(app.path() + "a-folder.dll");
  main().EncoderPath = app.path() + "a-folder.dll";
  EXPECT_FALSE(main().RunEncoder(" x", step));
  EXPECT_FALSE(called);
  main().TerminateEncoder();  // nothing to terminate: no effect
}

TEST_F(EncoderRunTest, ArgumentsReachTheEncoderIntact) {
  const std::vector<std::string> names = {"/tmp/with blank.avi", "/tmp/\"quoted\" name.avi",
                                          R"(/tmp/back\slash\)", "/tmp/ünïcødé 日本.avi",
                                          "-leading-dash.avi",   "",
                                          "tab\there",           "a\\\"b"};
  std::string line;
  for (const auto& name : names) line += " " + QuoteArgument(name);
  line += "  -oac mp3lame -vf scale=640:480";
  std::vector<std::string> figures;
  ASSERT_TRUE(Run("", figures, line));
  std::vector<std::string> expected = names;
  for (const char* word : {"-oac", "mp3lame", "-vf", "scale=640:480"}) expected.push_back(word);
  EXPECT_EQ(FakeRunArguments(app, 0), expected);
}

TEST_F(EncoderRunTest, TerminateMidRunEndsTheRunThroughTheFailedRead) {
  int calls = 0;
  WriteFakeScript(app, FakeBanner() + "chunk Pos:   1.0s\nhang\ntouch survived\n");
  const bool ran = main().RunEncoder(" x", [&](const std::string&) {
    ++calls;
    main().TerminateEncoder();
  });
  EXPECT_TRUE(ran);
  EXPECT_EQ(calls, 1);
  EXPECT_FALSE(std::filesystem::exists(app.path() + "survived"));
  // The process is gone: reaping it does not wait, and it died by the kill.
  main().EncoderProcess->Reap();
  // Terminating again after the run and after reaping does nothing.
  main().TerminateEncoder();
}

TEST_F(EncoderRunTest, KilledProcessIsReportedAsKilled) {
  EncoderProcess process;
  ASSERT_TRUE(process.Start("/bin/sleep", {"30"}));
  process.Terminate();
  char buffer[16];
  EXPECT_EQ(process.Read(buffer, sizeof buffer), 0u);
  process.FinishRun();
  const pid_t pid = process.Pid();
  process.Reap();
  EXPECT_TRUE(WIFSIGNALED(process.WaitStatus()));
  EXPECT_EQ(WTERMSIG(process.WaitStatus()), SIGKILL);
  // The id is released now; a later terminate must not signal whatever gets it.
  process.Terminate();
  EXPECT_FALSE(process.Started());
  EXPECT_GT(pid, 0);
}

TEST_F(EncoderRunTest, TheWindowAnswersWhileTheEncoderIsQuiet) {
  // The encoder waits, without writing anything, for a file that only a timer of the
  // window creates: the run can end only if events are handled during the wait.
  int ticks = 0;
  QTimer timer;
  timer.setInterval(5);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    if (++ticks == 3) app.write("go", "x");
  });
  timer.start();
  std::vector<std::string> figures;
  EXPECT_TRUE(Run(FakeBanner() + "waitfile go\nchunk Pos:   2.0s\n", figures));
  EXPECT_GE(ticks, 3);
  EXPECT_EQ(figures, std::vector<std::string>{"   2.0"});
}

TEST_F(EncoderRunTest, AnErrorInTheProgressStepIsIgnoredForThatChunk) {
  std::vector<std::string> seen;
  WriteFakeScript(app, FakeBanner() + "chunk Pos:   1.0s\nchunk Pos:   2.0s\n");
  EXPECT_TRUE(main().RunEncoder(" x", [&](const std::string& figure) {
    seen.push_back(figure);
    if (seen.size() == 1) throw std::runtime_error("display failed");
  }));
  EXPECT_EQ(seen, (std::vector<std::string>{"   1.0", "   2.0"}));
}

TEST_F(EncoderRunTest, ClockCountsTicksAndEstimatesFromTheTotalBar) {
  main().ElapsedSeconds = 0;
  main().RemainingSeconds = 0;
  main().pgbTotal->setValue(0);
  for (int i = 0; i < 3; ++i) main().timerTimeTimer();
  EXPECT_EQ(main().labElapsed->text(), "00:00:03");
  EXPECT_EQ(main().labRemaining->text(), "00:00:00");
  main().pgbTotal->setValue(25);
  for (int i = 3; i < 30; ++i) main().timerTimeTimer();
  EXPECT_EQ(main().ElapsedSeconds, 30);
  EXPECT_EQ(main().RemainingSeconds, 90);
  EXPECT_EQ(main().labElapsed->text(), "00:00:30");
  EXPECT_EQ(main().labRemaining->text(), "00:01:30");
  // P back to 0 keeps the last estimate; at 100 nothing remains.
  main().pgbTotal->setValue(0);
  main().timerTimeTimer();
  EXPECT_EQ(main().labRemaining->text(), "00:01:30");
  main().pgbTotal->setValue(100);
  main().timerTimeTimer();
  EXPECT_EQ(main().labElapsed->text(), "00:00:32");
  EXPECT_EQ(main().labRemaining->text(), "00:00:00");
}

TEST_F(EncoderRunTest, TheClockTicksThroughTheTimer) {
  main().ElapsedSeconds = 0;
  main().pgbTotal->setValue(50);
  main().timerTime->start();
  EXPECT_TRUE(QTest::qWaitFor([&] { return main().ElapsedSeconds >= 1; }, 10000));
  main().timerTime->stop();
  EXPECT_EQ(main().labElapsed->text(), "00:00:01");
  EXPECT_EQ(main().labRemaining->text(), "00:00:01");
}

}  // namespace
}  // namespace vuvide::test
