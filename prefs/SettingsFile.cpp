#include "prefs/SettingsFile.h"

#include "app/PathRoutines.h"
#include "prefs/IniFile.h"
#include "prefs/Preferences.h"

namespace vuvide {
namespace {

// The keys the two sections share, with the one default that differs between them.
SettingsSnapshot ReadSection(const std::string& file, const char* section, bool openDirDefault) {
  SettingsSnapshot values;
  values.OutputFile = ReadIniString(file, section, prefs::kOutputFile, "");
  values.OpenDir = ReadIniBool(file, section, prefs::kAutoOpenDir, openDirDefault);
  values.Exit = ReadIniBool(file, section, prefs::kAutoExit, false);
  values.TurnOff = ReadIniBool(file, section, prefs::kAutoTurnOff, false);
  values.Ask = ReadIniBool(file, section, prefs::kAsk, true);
  values.Overwrite = ReadIniBool(file, section, prefs::kOverwrite, false);
  values.Rename = ReadIniBool(file, section, prefs::kRename, false);
  return values;
}

}  // namespace

SettingsSnapshot ReadMainSettings(const std::string& file, const std::string& appDir) {
  SettingsSnapshot values = ReadSection(file, prefs::kMain, true);
  values.TempDir =
      ReadIniString(file, prefs::kMain, prefs::kTempDir, AddTrailingBackslash(appDir) + "temp/");
  return values;
}

SettingsSnapshot ReadDefaultSettings(const std::string& file, const std::string& tempDir) {
  SettingsSnapshot values = ReadSection(file, prefs::kDefault, false);
  values.TempDir = tempDir;
  return values;
}

void WriteMainSettings(const std::string& file, const SettingsSnapshot& values) {
  WriteIniString(file, prefs::kMain, prefs::kOutputFile, values.OutputFile);
  WriteIniString(file, prefs::kMain, prefs::kTempDir, values.TempDir);
  WriteIniBool(file, prefs::kMain, prefs::kAutoOpenDir, values.OpenDir);
  WriteIniBool(file, prefs::kMain, prefs::kAutoExit, values.Exit);
  WriteIniBool(file, prefs::kMain, prefs::kAutoTurnOff, values.TurnOff);
  WriteIniBool(file, prefs::kMain, prefs::kAsk, values.Ask);
  WriteIniBool(file, prefs::kMain, prefs::kOverwrite, values.Overwrite);
  WriteIniBool(file, prefs::kMain, prefs::kRename, values.Rename);
}

}  // namespace vuvide
