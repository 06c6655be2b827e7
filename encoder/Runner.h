#pragma once
// Process side of asapi.dll: starts MEncoder runs so that none of them can outlive this
// program, relays the main run's console output unchanged, and ends a run whose position
// stops advancing.
#include <string>
#include <vector>

namespace vuvide::encoder {

struct RunSettings {
  std::string mencoder = "mencoder";  // program to run (VUVIDE_MENCODER)
  double stallSeconds = 30;           // watchdog limit (VUVIDE_ENCODER_STALL_SECONDS)
};

RunSettings SettingsFromEnvironment();

// Exit codes of asapi.dll besides MEncoder's own.
inline constexpr int kExitCannotStart = 120;
inline constexpr int kExitStalled = 121;
inline constexpr int kExitNoInput = 122;
inline constexpr int kExitIoError = 123;

// One MEncoder run whose output goes to this program's standard output and standard error
// unchanged, under the watchdog. Returns the exit code to report.
int RunRelayed(const RunSettings& settings, const std::vector<std::string>& args);

// The join: inputs are the intermediates in order, options the joiner's option arguments.
int RunJoin(const RunSettings& settings, const std::vector<std::string>& inputs,
            const std::string& output, const std::vector<std::string>& options);

}  // namespace vuvide::encoder
