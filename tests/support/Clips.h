#pragma once
// Test clips made at test time with ffmpeg's test sources; nothing large is committed.
#include <string>

namespace vuvide::test {

struct ClipSpec {
  double seconds = 2.0;
  int width = 320;
  int height = 240;
  int fps = 25;
  bool audio = true;
  int sampleRate = 44100;
  int channels = 2;
  // Extra ffmpeg output arguments (codecs, container options), placed before the output name.
  std::string extraArgs;
};

// Writes a clip to path (container by its extension). Throws std::runtime_error when
// ffmpeg fails. Returns path.
std::string MakeClip(const std::string& path, const ClipSpec& spec = {});

// Runs a shell command and returns its standard output; throws on a non-zero exit.
std::string RunCommand(const std::string& command);

// Quotes a text for /bin/sh.
std::string ShellQuote(const std::string& text);

}  // namespace vuvide::test
