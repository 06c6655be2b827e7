#pragma once
// Settings files with the semantics of Windows private-profile files: section and key
// names match without regard to case, values are trimmed and read up to 2047
// characters, a missing file, section or key gives the caller's default, and every
// write goes to the file at once. Nothing is cached between calls.
#include <optional>
#include <string>

namespace vuvide {

// Longest value text a read returns.
inline constexpr std::size_t kIniValueLimit = 2047;

std::string ReadIniString(const std::string& file, const std::string& section,
                          const std::string& key, const std::string& defaultValue);

// A whole number: optional sign, then decimal digits, or hexadecimal digits after
// "0x" or "$"; it must fit 32 bits. Anything else is not a whole number.
std::optional<int> ParseWholeNumber(const std::string& text);

// Integers and booleans read as whole numbers; a missing key or a value that is not a
// whole number gives the default. A boolean is true for any number but 0.
int ReadIniInteger(const std::string& file, const std::string& section, const std::string& key,
                   int defaultValue);
bool ReadIniBool(const std::string& file, const std::string& section, const std::string& key,
                 bool defaultValue);

// Writes one key and keeps the rest of the file. The file is replaced atomically
// (a temporary file beside it, then a rename), so a crash never leaves it truncated.
// Line breaks in the value become blanks, so a value can never make or change another
// key. Throws Failure("Unable to write to <file>") when the file cannot be written.
void WriteIniString(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& value);
void WriteIniInteger(const std::string& file, const std::string& section, const std::string& key,
                     int value);
void WriteIniBool(const std::string& file, const std::string& section, const std::string& key,
                  bool value);

}  // namespace vuvide
