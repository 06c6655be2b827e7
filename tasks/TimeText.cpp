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

// An optional sign, then the rest without it.
std::string WithoutSign(const std::string& text, bool& negative) {
  negative = !text.empty() && text.front() == '-';
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) return text.substr(1);
  return text;
}

// A whole number: an optional sign and decimal digits, into 64 bits; false on anything
// else or overflow.
bool ParseWhole(const std::string& text, std::int64_t& value) {
  bool negative = false;
  const std::string digits = WithoutSign(text, negative);
  if (!AllDigits(digits)) return false;
  const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (result.ec != std::errc() || result.ptr != digits.data() + digits.size()) return false;
  if (negative) value = -value;
  return true;
}

// A decimal number with "." as the point: an optional sign, digits, and optionally "."
// followed by digits ("5." and "-.5" count); no exponent. The caller rejects a text that
// begins with ".".
bool ParseDecimal(const std::string& text, double& value) {
  bool negative = false;
  const std::string number = WithoutSign(text, negative);
  const auto dot = number.find('.');
  const std::string whole = number.substr(0, dot);
  const std::string fraction = dot == std::string::npos ? "" : number.substr(dot + 1);
  if (whole.empty() && fraction.empty()) return false;
  if ((!whole.empty() && !AllDigits(whole)) || (!fraction.empty() && !AllDigits(fraction)))
    return false;
  const std::string plain =
      (whole.empty() ? "0" : whole) + "." + (fraction.empty() ? "0" : fraction);
  const auto result =
      std::from_chars(plain.data(), plain.data() + plain.size(), value, std::chars_format::fixed);
  if (result.ec != std::errc() || result.ptr != plain.data() + plain.size()) return false;
  if (negative) value = -value;
  return true;
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
  const std::string seconds = rest.substr(second + 1);
  if (!ParseWhole(text.substr(0, first), h) || !ParseWhole(rest.substr(0, second), m) ||
      seconds.empty() || seconds.front() == '.' || !ParseDecimal(seconds, s))
    return -1;
  return static_cast<double>(h) * 3600 + static_cast<double>(m) * 60 + s;
}

}  // namespace vuvide
