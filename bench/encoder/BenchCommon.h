#pragma once
// Shared pieces of the encoder benchmarks: shell commands, wall clocks, the test inputs.
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace vuvide::bench {

inline std::string Quote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

inline std::string Quoted(const std::vector<std::string>& args) {
  std::string line;
  for (const auto& arg : args) line += " " + Quote(arg);
  return line;
}

// Runs a shell command; throws when it fails.
inline std::string Run(const std::string& command) {
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) throw std::runtime_error("cannot run: " + command);
  std::string output;
  std::array<char, 4096> buffer{};
  for (size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
    output.append(buffer.data(), n);
  const int status = pclose(pipe);
  if (status == -1 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
    throw std::runtime_error("command failed: " + command);
  return output;
}

// Wall time of a shell command in seconds.
inline double Timed(const std::string& command) {
  const auto start = std::chrono::steady_clock::now();
  Run(command);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

inline std::string Asapi() {
  const char* dir = std::getenv("VUVIDE_APPDIR");
  return std::string(dir ? dir : VUVIDE_DEFAULT_APPDIR) + "/asapi.dll";
}

// The two 60 s inputs of the comparison: different containers, sizes, rates and sound.
inline std::vector<std::string> MakeInputs(const std::filesystem::path& dir, int seconds) {
  const std::string d = std::to_string(seconds);
  const std::vector<std::string> inputs = {(dir / "one.mp4").string(), (dir / "two.avi").string()};
  Run("ffmpeg -nostdin -v error -y -f lavfi -i testsrc2=size=1280x720:rate=30:duration=" + d +
      " -f lavfi -i sine=frequency=440:sample_rate=48000:duration=" + d +
      " -c:v libx264 -preset veryfast -c:a aac " + Quote(inputs[0]));
  Run("ffmpeg -nostdin -v error -y -f lavfi -i testsrc2=size=640x360:rate=25:duration=" + d +
      " -f lavfi -i sine=frequency=660:sample_rate=44100:duration=" + d +
      " -c:v mpeg4 -q:v 3 -c:a libmp3lame " + Quote(inputs[1]));
  return inputs;
}

// The join options the option builder writes for an AVI with MPEG-4 video and MP3 sound.
inline const char* kJoinOptions =
    "-ovc lavc -lavcopts vcodec=mpeg4:vbitrate=800:mbd=2:autoaspect -oac mp3lame -lameopts "
    "vbr=2:q=6 -channels 2 -vf scale=640:480 -srate 44100";
// The same final settings for ffmpeg.
inline const char* kFfmpegOutput =
    "-c:v mpeg4 -b:v 800k -mbd 2 -c:a libmp3lame -q:a 6 -ac 2 -ar 44100";

inline std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::string word;
  for (char c : text + " ") {
    if (c == ' ') {
      if (!word.empty()) words.push_back(word);
      word.clear();
    } else {
      word += c;
    }
  }
  return words;
}

}  // namespace vuvide::bench
