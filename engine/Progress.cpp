#include "engine/Progress.h"

#include "tasks/TimeText.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace vuvide {

std::string_view ChunkText(const char* data, size_t size) {
  const void* zero = std::memchr(data, 0, size);
  return {data, zero ? static_cast<size_t>(static_cast<const char*>(zero) - data) : size};
}

std::string CutFigure(std::string_view chunk, const std::string& previous) {
  static constexpr std::string_view kMarker = "Pos:";
  const auto at = chunk.find(kMarker);
  if (at == std::string_view::npos) return previous;
  const std::string_view rest = chunk.substr(at + kMarker.size());
  const auto s = rest.find('s');
  if (s == std::string_view::npos) return {};
  return std::string(rest.substr(0, s));
}

std::optional<double> ParseFigure(std::string_view text) {
  const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  int digits = 0, points = 0;
  for (const char c : text) {
    if (c >= '0' && c <= '9')
      ++digits;
    else if (c == '.')
      ++points;
    else
      return std::nullopt;
  }
  if (digits == 0 || points > 1) return std::nullopt;
  double value = 0;
  const auto result =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  return negative ? -value : value;
}

int ClampPercent(double value) {
  if (std::isnan(value) || value <= 0) return 0;
  if (value >= 100) return 100;
  return static_cast<int>(value);
}

std::optional<int> Percentage(double numerator, double denominator) {
  if (denominator == 0) return std::nullopt;
  return ClampPercent(RoundHalfToEven(numerator / denominator * 100));
}

std::optional<int> ConversionTotalPercentage(double done, double position, double total) {
  if (total == 0) return std::nullopt;
  return ClampPercent(RoundHalfToEven((done + position) / total * 100 / 2));
}

std::optional<int> JoiningTotalPercentage(double position, double total) {
  if (total == 0) return std::nullopt;
  return ClampPercent(RoundHalfToEven(position / total * 100 / 2) + 50);
}

std::string PercentText(int value) {
  return std::to_string(value) + "%";
}

std::optional<int> RemainingSecondsFor(int elapsedSeconds, int totalPercent) {
  if (totalPercent == 0) return std::nullopt;
  const double elapsed = elapsedSeconds;
  const double remaining = RoundHalfToEven(elapsed / (totalPercent / 100.0) - elapsed);
  // The clock's count is a 32-bit integer; an absurd estimate is held at its limits.
  if (remaining >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (remaining <= std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(remaining);
}

bool RunReader::Take(std::string_view chunk) {
  const bool examined = chunkCounter_ >= kFirstExaminedChunk;
  if (examined) positionText_ = CutFigure(chunk, positionText_);
  if (chunkCounter_ < std::numeric_limits<int>::max()) ++chunkCounter_;
  return examined;
}

}  // namespace vuvide
