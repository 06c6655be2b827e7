#include "tasks/TimeText.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace vuvide {
namespace {

bool AllDigits(const std::string& text) {
  if (text.empty()) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

// Decimal digits only, into a 64-bit whole number; false on anything else or overflow.
bool ParseWhole(const std::string& text, std::int64_t& value) {
  if (!AllDigits(text)) return false;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

// Digits, optionally "." and digits; no sign, no exponent, no leading ".".
bool ParseDecimal(const std::string& text, double& value) {
  const auto dot = text.find('.');
  if (!AllDigits(text.substr(0, dot))) return false;
  if (dot != std::string::npos && !AllDigits(text.substr(dot + 1))) return false;
  const auto result =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

std::string TwoDigits(std::int64_t value) {
  std::string text = std::to_string(value);
  return text.size() < 2 ? "0" + text : text;
}

}  // namespace

double RoundHalfToEven(double value) {
  const double lower = std::floor(value);
  const double fraction = value - lower;
  if (fraction > 0.5) return lower + 1;
  if (fraction < 0.5) return lower;
  return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

std::string FormatTimeText(double seconds) {
  // The largest double below 2^63, so the cast below is always defined.
  constexpr double kLargest = 9223372036854774784.0;
  if (!(seconds >= 0)) seconds = 0;
  if (seconds > kLargest) seconds = kLargest;
  std::int64_t t = static_cast<std::int64_t>(seconds);
  auto d = static_cast<std::int64_t>(RoundHalfToEven((seconds - static_cast<double>(t)) * 10));
  if (d == 10) {
    ++t;
    d = 0;
  }
  const std::int64_t h = t / 3600;
  const std::int64_t m = (t - h * 3600) / 60;
  const std::int64_t s = t - h * 3600 - m * 60;
  std::string text = TwoDigits(h) + ":" + TwoDigits(m) + ":" + TwoDigits(s);
  if (d != 0) text += "." + std::to_string(d);
  return text;
}

double ParseTimeText(const std::string& text) {
  const auto first = text.find(':');
  if (first == std::string::npos) return -1;
  const std::string rest = text.substr(first + 1);
  const auto second = rest.find(':');
  if (second == std::string::npos) return -1;
  std::int64_t h = 0, m = 0;
  double s = 0;
  if (!ParseWhole(text.substr(0, first), h) || !ParseWhole(rest.substr(0, second), m) ||
      !ParseDecimal(rest.substr(second + 1), s))
    return -1;
  return static_cast<double>(h) * 3600 + static_cast<double>(m) * 60 + s;
}

}  // namespace vuvide
