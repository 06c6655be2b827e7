#include "prefs/IniFile.h"

// 8-bit texts throughout: no wide-character conversion is needed.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION  // the header carries its own implementation
#include <SimpleIni.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "app/Failure.h"
#include "app/PathRoutines.h"

namespace vuvide {
namespace {

using Ini = CSimpleIniA;  // section and key names without regard to case

// Loads the file into ini; a missing or unreadable file leaves ini empty.
void LoadIni(Ini& ini, const std::string& file) {
  ini.SetUnicode(false);
  // Duplicate keys are all kept so that a read finds the first, as the platform does.
  ini.SetMultiKey(true);
  ini.SetMultiLine(false);
  ini.SetSpaces(false);
  std::ifstream in(file, std::ios::binary);
  if (!in) return;
  std::ostringstream text;
  text << in.rdbuf();
  const std::string data = text.str();
  ini.LoadData(data.data(), data.size());
}

std::string OneLine(std::string value) {
  for (char& c : value)
    if (c == '\r' || c == '\n') c = ' ';
  return value;
}

[[noreturn]] void UnableToWrite(const std::string& file) {
  throw Failure("Unable to write to " + file);
}

// The value of a key as the platform reads it: trimmed, without a matching pair of
// single or double quotes around it, at most kIniValueLimit characters; nothing when
// the file, the section or the key is missing.
std::optional<std::string> ReadValue(const std::string& file, const std::string& section,
                                     const std::string& key) {
  Ini ini;
  LoadIni(ini, file);
  const char* value = ini.GetValue(section.c_str(), key.c_str(), nullptr);
  if (!value) return std::nullopt;
  std::string text(value);
  if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
      text.back() == text.front())
    text = text.substr(1, text.size() - 2);
  if (text.size() > kIniValueLimit) text.resize(kIniValueLimit);
  return text;
}

}  // namespace

std::string ReadIniString(const std::string& file, const std::string& section,
                          const std::string& key, const std::string& defaultValue) {
  return ReadValue(file, section, key).value_or(defaultValue);
}

std::optional<int> ParseWholeNumber(const std::string& text) {
  std::string_view s(text);
  bool negative = false;
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  int base = 10;
  if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    base = 16;
    s.remove_prefix(2);
  } else if (s.size() > 1 && s[0] == '$') {
    base = 16;
    s.remove_prefix(1);
  }
  if (s.empty() || s.front() == '-' || s.front() == '+') return std::nullopt;
  long long magnitude = 0;
  auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), magnitude, base);
  if (error != std::errc() || end != s.data() + s.size()) return std::nullopt;
  const long long value = negative ? -magnitude : magnitude;
  // Hexadecimal texts cover the whole 32-bit pattern, as the platform reads them.
  if (base == 16 && !negative && value <= 0xFFFFFFFFLL)
    return static_cast<int>(static_cast<unsigned>(value));
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<int>(value);
}

int ReadIniInteger(const std::string& file, const std::string& section, const std::string& key,
                   int defaultValue) {
  const auto value = ReadValue(file, section, key);
  return value ? ParseWholeNumber(*value).value_or(defaultValue) : defaultValue;
}

bool ReadIniBool(const std::string& file, const std::string& section, const std::string& key,
                 bool defaultValue) {
  return ReadIniInteger(file, section, key, defaultValue ? 1 : 0) != 0;
}

void WriteIniString(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& value) {
  // A file that exists but may not be written stays as it is, like the platform's own
  // private-profile writes, although the rename below could replace it.
  if (::access(file.c_str(), F_OK) == 0 && ::access(file.c_str(), W_OK) != 0) UnableToWrite(file);
  Ini ini;
  LoadIni(ini, file);
  // Replaces the key's value (every copy of a duplicated key becomes one), keeping the
  // spelling the file already gives the key.
  std::string storedKey = key;
  Ini::TNamesDepend keys;
  ini.GetAllKeys(section.c_str(), keys);
  for (const auto& entry : keys)
    if (LowerAscii(entry.pItem) == LowerAscii(key)) {
      storedKey = entry.pItem;
      break;
    }
  if (ini.SetValue(section.c_str(), storedKey.c_str(), OneLine(value).c_str(), nullptr, true) < 0)
    UnableToWrite(file);
  std::string data;
  if (ini.Save(data) < 0) UnableToWrite(file);

  const std::string temp = file + ".tmp-" + std::to_string(::getpid());
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) UnableToWrite(file);
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
    out.flush();
    if (!out) {
      std::remove(temp.c_str());
      UnableToWrite(file);
    }
  }
  if (std::rename(temp.c_str(), file.c_str()) != 0) {
    std::remove(temp.c_str());
    UnableToWrite(file);
  }
}

void WriteIniInteger(const std::string& file, const std::string& section, const std::string& key,
                     int value) {
  WriteIniString(file, section, key, std::to_string(value));
}

void WriteIniBool(const std::string& file, const std::string& section, const std::string& key,
                  bool value) {
  WriteIniString(file, section, key, value ? "1" : "0");
}

}  // namespace vuvide
