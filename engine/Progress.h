#pragma once
// Reading the encoder's progress: the chunk rule, the position figure, the rounding
// and the percentages that the bars show. Plain functions; no window involved.
#include <optional>
#include <string>
#include <string_view>

namespace vuvide {

// A read asks for at most this many bytes; the buffer holds two more zero bytes.
inline constexpr int kReadSize = 4095;
inline constexpr int kReadBufferSize = 4097;
// The first chunks of a run are the encoder's banner: from this chunk number on
// (counting from 0) a chunk is examined.
inline constexpr int kFirstExaminedChunk = 20;

// The text of a chunk: the bytes read, up to the first zero byte.
std::string_view ChunkText(const char* data, size_t size);

// Cuts the figure from a chunk: the text after the chunk's first "Pos:" up to the
// first lower-case "s" after it (empty when there is none). A chunk without "Pos:"
// gives previous unchanged.
std::string CutFigure(std::string_view chunk, const std::string& previous);

// Reads a figure as a decimal number with a point, whatever the locale: an optional
// sign, digits with at most one point (at least one digit), blanks (space, tab)
// allowed before and after. Anything else (the empty text, exponents, commas,
// "inf", "nan") is not a number.
std::optional<double> ParseFigure(std::string_view text);

// Limits a value to the bars' range 0..100 (a value that is not a number gives 0).
int ClampPercent(double value);

// round(numerator / denominator * 100) limited to 0..100, or nothing when the
// denominator is 0 (the bar then keeps its value).
std::optional<int> Percentage(double numerator, double denominator);

// The conversion pass's total: round((done + position) / total * 100 / 2), 0..100.
std::optional<int> ConversionTotalPercentage(double done, double position, double total);
// The joining pass's total: round(position / total * 100 / 2) + 50, 0..100.
std::optional<int> JoiningTotalPercentage(double position, double total);

// The label text of a bar's value: "N%".
std::string PercentText(int value);

// The remaining time of the job clock: elapsed / (P / 100) - elapsed, rounded, for the
// total bar's value P; nothing when P is 0 (the count keeps its value).
std::optional<int> RemainingSecondsFor(int elapsedSeconds, int totalPercent);

// The chunk rule of one encoder run: counts the chunks and keeps PositionText. Take()
// returns true when the progress step is to be called with PositionText.
class RunReader {
 public:
  bool Take(std::string_view chunk);
  const std::string& PositionText() const { return positionText_; }
  int ChunkCounter() const { return chunkCounter_; }

 private:
  std::string positionText_;
  int chunkCounter_ = 0;
};

}  // namespace vuvide
