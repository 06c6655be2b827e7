#include "tests/support/Clips.h"

#include <sys/wait.h>
#include <array>
#include <cstdio>
#include <stdexcept>

namespace vuvide::test {

std::string ShellQuote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    if (c == '\'')
      quoted += "'\\''";
    else
      quoted += c;
  }
  return quoted + "'";
}

std::string RunCommand(const std::string& command) {
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) throw std::runtime_error("cannot run: " + command);
  std::string output;
  std::array<char, 4096> buffer{};
  size_t n = 0;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) output.append(buffer.data(), n);
  int status = pclose(pipe);
  if (status == -1 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
    throw std::runtime_error("command failed: " + command + "\n" + output);
  return output;
}

std::string MakeClip(const std::string& path, const ClipSpec& spec) {
  std::string cmd =
      "ffmpeg -nostdin -v error -y -f lavfi -i " +
      ShellQuote("testsrc2=size=" + std::to_string(spec.width) + "x" + std::to_string(spec.height) +
                 ":rate=" + std::to_string(spec.fps) + ":duration=" + std::to_string(spec.seconds));
  if (spec.audio) {
    cmd += " -f lavfi -i " +
           ShellQuote("sine=frequency=440:sample_rate=" + std::to_string(spec.sampleRate) +
                      ":duration=" + std::to_string(spec.seconds)) +
           " -ac " + std::to_string(spec.channels);
  }
  cmd += " -shortest " + spec.extraArgs + " " + ShellQuote(path) + " 2>&1";
  RunCommand(cmd);
  return path;
}

}  // namespace vuvide::test
