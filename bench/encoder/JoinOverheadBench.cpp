// How to run: build target bench_encoder_join_overhead, then run it (from anywhere;
// VUVIDE_APPDIR may name another program folder). It converts two 60 s inputs with
// asapi.dll, then times the join and every MEncoder run the join makes (through a timing
// stand-in for MEncoder), and prints asapi.dll's wall time against the main MEncoder run's.
#include <cstdio>
#include <fstream>
#include <sstream>

#include "bench/encoder/BenchCommon.h"

using namespace vuvide::bench;

int main() {
  const auto dir = std::filesystem::temp_directory_path() / "vuvide-bench-join";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  const auto inputs = MakeInputs(dir, 60);
  std::vector<std::string> join;
  for (size_t i = 0; i < inputs.size(); ++i) {
    const std::string temp = (dir / (std::to_string(i) + ".avi")).string();
    Run(Quote(Asapi()) +
        Quoted({inputs[i], "-o", temp, "-oac", "mp3lame", "-ovc", "lavc", "-ofps", "30", "-vf",
                "scale=640:480"}) +
        " >/dev/null 2>&1");
    join.push_back(temp);
  }
  join.push_back("-o");
  join.push_back((dir / "joined.avi").string());
  for (const auto& word : Words(kJoinOptions)) join.push_back(word);

  const std::string log = (dir / "runs.log").string();
  const double total =
      Timed("VUVIDE_MENCODER=" + Quote(TIMING_MENCODER_PATH) + " VUVIDE_BENCH_LOG=" + Quote(log) +
            " " + Quote(Asapi()) + Quoted(join) + " >/dev/null 2>&1");

  double mainRun = 0, helpers = 0;
  int helperRuns = 0;
  std::ifstream in(log);
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line);
    double seconds = 0;
    std::string kind;
    words >> seconds >> kind;
    if (kind == "main") {
      mainRun += seconds;
    } else {
      helpers += seconds;
      ++helperRuns;
    }
  }
  std::printf(
      "join of 2 x 60 s: asapi.dll %.2f s; main MEncoder run %.2f s; %d helper runs "
      "%.2f s (alongside the main run)\n",
      total, mainRun, helperRuns, helpers);
  std::printf(
      "asapi.dll / sum of its MEncoder runs = %.3f; asapi.dll / main run = %.3f; "
      "cost beyond the main run = %.1f %%\n",
      total / (mainRun + helpers), total / mainRun, 100.0 * (total - mainRun) / mainRun);
  std::filesystem::remove_all(dir);
  return 0;
}
