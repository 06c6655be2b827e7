// How to run: build target bench_encoder_vs_ffmpeg, then run it (VUVIDE_APPDIR may name
// another program folder). It times the whole two-pass work of the joiner on two 60 s
// inputs (one asapi.dll conversion run per input, then the join) against one ffmpeg run
// that scales, concatenates and encodes the same inputs to the same final settings, in the
// same run, and prints the ratio.
#include <cstdint>
#include <cstdio>

#include "bench/encoder/BenchCommon.h"

using namespace vuvide::bench;

int main() {
  const auto dir = std::filesystem::temp_directory_path() / "vuvide-bench-ffmpeg";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  const auto inputs = MakeInputs(dir, 60);

  std::vector<std::string> join;
  double conversion = 0;
  uintmax_t intermediateBytes = 0;
  for (size_t i = 0; i < inputs.size(); ++i) {
    const std::string temp = (dir / (std::to_string(i) + ".avi")).string();
    conversion += Timed(Quote(Asapi()) +
                        Quoted({inputs[i], "-o", temp, "-oac", "mp3lame", "-ovc", "lavc", "-ofps",
                                "30", "-vf", "scale=640:480"}) +
                        " >/dev/null 2>&1");
    join.push_back(temp);
    intermediateBytes += std::filesystem::file_size(temp);
  }
  join.push_back("-o");
  join.push_back((dir / "joined.avi").string());
  for (const auto& word : Words(kJoinOptions)) join.push_back(word);
  const double joining = Timed(Quote(Asapi()) + Quoted(join) + " >/dev/null 2>&1");

  std::string ffmpegInputs, graph;
  for (size_t i = 0; i < inputs.size(); ++i) {
    const std::string n = std::to_string(i);
    ffmpegInputs += " -i " + Quote(inputs[i]);
    graph += "[" + n + ":v]scale=640:480,setsar=1,fps=30[v" + n + "];[" + n +
             ":a]aresample=44100[a" + n + "];";
  }
  for (size_t i = 0; i < inputs.size(); ++i)
    graph += "[v" + std::to_string(i) + "][a" + std::to_string(i) + "]";
  graph += "concat=n=" + std::to_string(inputs.size()) + ":v=1:a=1[v][a]";
  const double ffmpeg =
      Timed("ffmpeg -nostdin -v error -y" + ffmpegInputs + " -filter_complex " + Quote(graph) +
            " -map '[v]' -map '[a]' " + kFfmpegOutput + " " + Quote((dir / "ffmpeg.avi").string()));

  std::printf(
      "two-pass work: conversions %.2f s + join %.2f s = %.2f s; single-pass ffmpeg "
      "%.2f s; ratio %.3f\n",
      conversion, joining, conversion + joining, ffmpeg, (conversion + joining) / ffmpeg);
  // Temporary space the conversion pass needs, per minute of input at the join's frame size.
  std::printf("intermediates: %.1f MB for %zu min at 640x480, %.1f MB per minute\n",
              static_cast<double>(intermediateBytes) / 1e6, inputs.size(),
              static_cast<double>(intermediateBytes) / 1e6 / static_cast<double>(inputs.size()));
  std::filesystem::remove_all(dir);
  return 0;
}
