#pragma once
// Puts the scripted fake encoder into a test's program folder and reads what it saw.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/TempAppDir.h"

namespace vuvide::test {

inline void InstallFakeEncoder(const TempAppDir& app) {
  std::filesystem::create_symlink(VUVIDE_FAKE_ENCODER, app.path() + "asapi.dll");
}

// The script of every run without a script of its own, or of run n.
inline void WriteFakeScript(const TempAppDir& app, const std::string& script, int run = -1) {
  app.write(run < 0 ? "fake-run.txt" : "fake-run-" + std::to_string(run) + ".txt", script);
}

// The arguments that run n of the fake encoder received; empty when it did not run.
inline std::vector<std::string> FakeRunArguments(const TempAppDir& app, int run) {
  const std::string path = app.path() + "fake-args-" + std::to_string(run);
  std::error_code error;
  const auto size = std::filesystem::file_size(path, error);
  std::string all(error ? 0 : size, '\0');
  std::ifstream(path, std::ios::binary).read(all.data(), static_cast<std::streamsize>(all.size()));
  std::vector<std::string> arguments;
  size_t start = 0;
  for (size_t i = 0; i < all.size(); ++i)
    if (all[i] == '\0') {
      arguments.push_back(all.substr(start, i - start));
      start = i + 1;
    }
  return arguments;
}

inline int FakeRunCount(const TempAppDir& app) {
  int run = 0;
  while (std::filesystem::exists(app.path() + "fake-args-" + std::to_string(run))) ++run;
  return run;
}

// Twenty banner chunks: the part of a run that is never examined.
inline std::string FakeBanner() {
  return "repeat 20 MEncoder banner line Pos: 999.0s\\n\n";
}

}  // namespace vuvide::test
