// Time texts both ways, and the rounding they share with the column stretching.
#include <gtest/gtest.h>

#include "tasks/TimeText.h"

namespace vuvide {
namespace {

TEST(TimeText, FormatsSeconds) {
  const struct {
    double seconds;
    const char* text;
  } cases[] = {
      {0, "00:00:00"},        {5, "00:00:05"},     {123.456, "00:02:03.5"},
      {61.25, "00:01:01.2"},                        // half to the even tenth
      {61.75, "00:01:01.8"},  {59.96, "00:01:00"},  // ten tenths carry
      {3599.96, "01:00:00"},  {86399, "23:59:59"}, {360000, "100:00:00"},
      {1.25, "00:00:01.2"},  // a 1250 ms play time
      {0.04, "00:00:00"},     {0.05, "00:00:00"},  {0.06, "00:00:00.1"},
      {3723.5, "01:02:03.5"}, {9.96, "00:00:10"},  {-3, "00:00:00"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatTimeText(c.seconds), c.text) << c.seconds;
}

TEST(TimeText, ParsesTimeTexts) {
  const struct {
    const char* text;
    double seconds;
  } cases[] = {
      {"00:02:03.5", 123.5},
      {"1:2:3", 3723},
      {"00:75:00", 4500},
      {"100:00:00", 360000},
      {"00:00:01.2", 1.2},
      {"00:00:00", 0},
      {"00:00:.5", -1},
      {"02:03", -1},
      {"1:2:3:4", -1},
      {"", -1},
      {"::", -1},
      {"a:00:00", -1},
      {"00:00:1e2", -1},
      {"-1:00:00", -3600},  // whole numbers may carry a sign
      {"+1:-2:3", 3483},
      {" 1:00:00", -1},
      {"00:00:05.", 5},
      {"00:00:-.5", -0.5},  // only a text that begins with "." is refused
      {"00:00:.", -1},
      {"00:00:-", -1},
      {"00:00:5x", -1},
      {"OK", -1},
      {"00:00:59.99", 59.99},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(ParseTimeText(c.text), c.seconds) << c.text;
}

TEST(TimeText, FormattedTextsParseBack) {
  for (double seconds : {0.0, 1.2, 59.9, 3600.0, 86399.5, 359999.0})
    EXPECT_DOUBLE_EQ(ParseTimeText(FormatTimeText(seconds)), seconds) << seconds;
}

TEST(TimeText, RoundsHalvesToEven) {
  const double cases[][2] = {{2.5, 2},   {3.5, 4},    {7.5, 8},    {0.5, 0},   {-2.5, -2},
                             {-1.5, -2}, {2.4999, 2}, {2.5001, 3}, {49.0, 49}, {-0.4, 0}};
  for (const auto& c : cases) EXPECT_EQ(RoundHalfToEven(c[0]), c[1]) << c[0];
}

}  // namespace
}  // namespace vuvide
