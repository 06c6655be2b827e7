#pragma once
// ltvItemData: a copy of one task-list row. A row has a caption (the input's full
// path) and exactly ten sub-items; the numbers are worked out from the texts each time
// a row is read and are never stored in the row.
#include <array>
#include <string>

namespace vuvide {

inline constexpr int kSubItemCount = 10;

// Row parts for ReadRow and WriteRow besides the sub-item numbers 0 to 9.
inline constexpr int kPartCaption = -1;
inline constexpr int kPartWholeRow = -2;

// Sub-item numbers with a meaning of their own.
inline constexpr int kLengthItem = 0;
inline constexpr int kSizeItem = 1;
inline constexpr int kStatusItem = 2;
inline constexpr int kBaseNameItem = 3;

struct ltvItemData {
  std::string Path;
  // 0 length text, 1 size text, 2 status text, 3 base name, 4 to 9 spare texts.
  std::array<std::string, kSubItemCount> Texts;
  // 0 LengthSeconds (from text 0), 1 to 5 from spare texts 5 to 9; -1 for a text
  // that is not a time text.
  std::array<double, 6> Numbers{-1, -1, -1, -1, -1, -1};

  std::string& LengthText() { return Texts[kLengthItem]; }
  std::string& SizeText() { return Texts[kSizeItem]; }
  std::string& StatusText() { return Texts[kStatusItem]; }
  std::string& BaseName() { return Texts[kBaseNameItem]; }
  const std::string& LengthText() const { return Texts[kLengthItem]; }
  const std::string& SizeText() const { return Texts[kSizeItem]; }
  const std::string& StatusText() const { return Texts[kStatusItem]; }
  const std::string& BaseName() const { return Texts[kBaseNameItem]; }
  double& LengthSeconds() { return Numbers[0]; }
  double LengthSeconds() const { return Numbers[0]; }
};

// The number slot that a sub-item's text feeds: 0 for sub-item 0, 1 to 5 for
// sub-items 5 to 9, -1 for the others.
inline int NumberSlotOfPart(int part) {
  if (part == 0) return 0;
  if (part >= 5 && part <= 9) return part - 4;
  return -1;
}

}  // namespace vuvide
