#pragma once
// The eight preferences the Settings dialog holds, and how they come from and go to
// "Preferences.ini". The dialog's controls hold the live values; these functions only
// move them between the file and a plain record at the moments the dialog reads or
// saves.
#include <string>

namespace vuvide {

// The dialog's values in the order it takes and restores them: the two texts, the
// three completion actions, then the three overwrite choices. The three choices are
// kept as read; applied in the order Ask, Overwrite, Rename, a true one replaces any
// earlier selection and a false one selects nothing, so the last true one wins and
// none true leaves no choice selected.
struct SettingsSnapshot {
  std::string OutputFile;
  std::string TempDir;
  bool OpenDir = false;
  bool Exit = false;
  bool TurnOff = false;
  bool Ask = false;
  bool Overwrite = false;
  bool Rename = false;
};

// The section "Main": a missing "Temp Dir" is appDir + "temp/", a missing "Auto Open
// Dir" and a missing "Ask" read true, the rest empty or false.
SettingsSnapshot ReadMainSettings(const std::string& file, const std::string& appDir);

// The factory values of the section "Default". It has no temp folder, so tempDir is
// kept as given; a missing "Auto Open Dir" reads false here, a missing "Ask" true.
SettingsSnapshot ReadDefaultSettings(const std::string& file, const std::string& tempDir);

// Writes the eight keys of "Main" in the record's order. A key that cannot be written
// throws Failure("Unable to write to <file>"); the keys before it stay written and the
// later ones are not written.
void WriteMainSettings(const std::string& file, const SettingsSnapshot& values);

}  // namespace vuvide
