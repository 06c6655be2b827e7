#pragma once
// Names and defaults of "Preferences.ini", the file beside the program that keeps the
// user's choices from one run to the next.
#include <string>

namespace vuvide::prefs {

inline constexpr const char* kFileName = "Preferences.ini";
inline constexpr const char* kMain = "Main";
inline constexpr const char* kDefault = "Default";

inline constexpr const char* kOutputFile = "Output File";
inline constexpr const char* kProfile = "Profile";
inline constexpr const char* kTempDir = "Temp Dir";
inline constexpr const char* kAutoOpenDir = "Auto Open Dir";
inline constexpr const char* kAutoExit = "Auto Exit";
inline constexpr const char* kAutoTurnOff = "Auto Turn Off";
inline constexpr const char* kAsk = "Ask";
inline constexpr const char* kOverwrite = "Overwrite";
inline constexpr const char* kRename = "Rename";
inline constexpr const char* kVersion = "Version";

inline constexpr const char* kDefaultVersion = "1.5";

// AppDir + "Preferences.ini".
inline std::string PreferencesFile(const std::string& appDir) {
  return appDir + kFileName;
}

}  // namespace vuvide::prefs
