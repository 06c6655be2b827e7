#pragma once
// Profile files and the current output selection.
//
// A profile is a read-only INI file in the program folder's "Profiles" folder: section
// "Main" names the output file type, and each of eleven setting sections lists the
// choices of one chooser of the output settings dialog (Items, Caption0..., Index,
// Description) with, where a choice stands for an encoder option value, its token
// (value0...). Section and key names match without regard to letter case.
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace vuvide {

// The eleven settings, in the order in which a profile is loaded.
enum class Setting : int {
  VideoCodec,
  VideoSize,
  VideoBitrate,
  Aspect,
  AudioCodec,
  Mp3Encode,
  VbrQuality,
  AbrCbrBitrate,
  AudioBitrate,
  SampleRate,
  Channels,
};
inline constexpr std::size_t kSettingCount = 11;

struct SettingInfo {
  Setting setting;
  const char* section;       // the profile section, also the chooser's hint text
  bool freeText;             // a free-text chooser; otherwise a list chooser
  const char* tokenDefault;  // the token when the "value" key is missing; null: no tokens
};

// Every setting in load order.
const std::array<SettingInfo, kSettingCount>& Settings();
const SettingInfo& InfoOf(Setting setting);

// One chooser's state: its choices, the selected choice number (-1 for none) and its
// text (a list chooser's text is the selected caption; a free-text chooser's text is
// whatever was typed or picked).
struct ChooserState {
  std::vector<std::string> choices;
  int selected = -1;
  std::string text;

  bool operator==(const ChooserState&) const = default;
};

// The current output choices of the running program. At start every chooser is empty,
// the size comes from the "Video Size" list and the width and height texts are empty.
struct OutputSelection {
  std::array<ChooserState, kSettingCount> choosers;
  bool manualSize = false;
  std::string widthText;
  std::string heightText;

  ChooserState& operator[](Setting s) { return choosers[static_cast<std::size_t>(s)]; }
  const ChooserState& operator[](Setting s) const { return choosers[static_cast<std::size_t>(s)]; }
};

// "." + "Type" of section "Main" ("avi" when missing).
std::string ReadProfileExtension(const std::string& profilePath);

// One setting section as a profile load puts it into its chooser: Items captions
// (missing ones empty), the choice Index selected when it lies in range (else none) and
// the selected caption as the text. Malformed Items and Index read as 0 and -1.
ChooserState ReadProfileSetting(const std::string& profilePath, Setting setting);

// The "Description" line of the setting's section; empty when missing.
std::string ReadSettingDescription(const std::string& profilePath, Setting setting);

// The token of the selected choice: key "value" + the choice number (so "value-1" when
// nothing is selected), or the setting's token default when the key is missing.
std::string ReadSettingToken(const std::string& profilePath, Setting setting, int selected);

// A whole number as the dialog and the option builder accept it: an optional sign and
// decimal digits only, within the signed 32-bit range. No blanks, no hexadecimal: the
// text goes onto the encoder's command line, where either would break the option.
std::optional<int> ParseWholeNumberText(const std::string& text);

}  // namespace vuvide
