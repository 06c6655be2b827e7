#include "profiles/Profile.h"

#include <charconv>
#include <limits>

#include "prefs/IniFile.h"

namespace vuvide {

const std::array<SettingInfo, kSettingCount>& Settings() {
  // MEncoder itself splits -lavcopts at every ":"; the encoder program writes an
  // "aspect=16:9" it is given as the ratio 16/9, so the default can stay in this form.
  static const std::array<SettingInfo, kSettingCount> list{{
      {Setting::VideoCodec, "Video Codec", false, "mpeg4"},
      {Setting::VideoSize, "Video Size", false, "640:480"},
      {Setting::VideoBitrate, "Video Bitrate", true, nullptr},
      {Setting::Aspect, "Aspect", false, "16:9"},
      {Setting::AudioCodec, "Audio Codec", false, "ac3"},
      {Setting::Mp3Encode, "MP3 Encode", false, "vbr"},
      {Setting::VbrQuality, "VBR Quality", false, "6"},
      {Setting::AbrCbrBitrate, "ABR CBR Bitrate", true, "224"},
      {Setting::AudioBitrate, "Audio Bitrate", true, nullptr},
      {Setting::SampleRate, "Sample Rate", true, nullptr},
      {Setting::Channels, "Channels", false, "2"},
  }};
  return list;
}

const SettingInfo& InfoOf(Setting setting) {
  return Settings()[static_cast<std::size_t>(setting)];
}

std::string ReadProfileExtension(const std::string& profilePath) {
  return "." + ReadIniString(profilePath, "Main", "Type", "avi");
}

ChooserState ReadProfileSetting(const std::string& profilePath, Setting setting) {
  const std::string section = InfoOf(setting).section;
  ChooserState state;
  const int items = ReadIniInteger(profilePath, section, "Items", 0);
  for (int i = 0; i < items; ++i)
    state.choices.push_back(ReadIniString(profilePath, section, "Caption" + std::to_string(i), ""));
  const int index = ReadIniInteger(profilePath, section, "Index", -1);
  if (index >= 0 && index < items) {
    state.selected = index;
    state.text = state.choices[static_cast<std::size_t>(index)];
  }
  return state;
}

std::string ReadSettingDescription(const std::string& profilePath, Setting setting) {
  return ReadIniString(profilePath, InfoOf(setting).section, "Description", "");
}

std::string ReadSettingToken(const std::string& profilePath, Setting setting, int selected) {
  const SettingInfo& info = InfoOf(setting);
  return ReadIniString(profilePath, info.section, "value" + std::to_string(selected),
                       info.tokenDefault ? info.tokenDefault : "");
}

std::optional<int> ParseWholeNumberText(const std::string& text) {
  std::string_view digits(text);
  bool negative = false;
  if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
    negative = digits.front() == '-';
    digits.remove_prefix(1);
  }
  if (digits.empty()) return std::nullopt;
  for (char c : digits)
    if (c < '0' || c > '9') return std::nullopt;
  long long magnitude = 0;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  const long long value = negative ? -magnitude : magnitude;
  if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
    return std::nullopt;
  return static_cast<int>(value);
}

}  // namespace vuvide
