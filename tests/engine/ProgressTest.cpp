#include "engine/Progress.h"

#include <gtest/gtest.h>

#include <clocale>

namespace vuvide {
namespace {

TEST(CutFigure, TakesTheFirstPosUpToTheFirstS) {
  const struct {
    std::string chunk;
    std::string previous;
    std::string expected;
  } cases[] = {
      {"Pos:  29.7s    892f (50%) 299.83fps Trem:   0min   6mb  A-V:0.050 [837:113]\r", "x",
       "  29.7"},
      {"Pos:   1.0s    30f\rPos:   1.1s    33f\rPos:   1.2s    36f\r", "", "   1.0"},
      {"Pos:1234.5s  1f\r", "", "1234.5"},
      {"no figure here\r", "  3.0", "  3.0"},
      {"Pos:  12.3", "  3.0", ""},
      {"Pos:  12.3S  1f Trem: 1mins", "", "  12.3S  1f Trem: 1min"},
      {"pos:  12.3s", "  7.0", "  7.0"},
      {"Video stream: 800 kbit/s Pos:   4.0s", "", "   4.0"},
  };
  for (const auto& c : cases) EXPECT_EQ(CutFigure(c.chunk, c.previous), c.expected) << c.chunk;
}

TEST(ChunkText, EndsAtTheFirstZeroByte) {
  const char data[] = {'P', 'o', 's', ':', '1', '\0', 's', 'x'};
  EXPECT_EQ(ChunkText(data, sizeof data), "Pos:1");
  EXPECT_EQ(ChunkText(data, 3), "Pos");
  const char zeroFirst[] = {'\0', 'a'};
  EXPECT_EQ(ChunkText(zeroFirst, 2), "");
}

TEST(ParseFigure, ReadsDecimalsWithAPointAndBlanksAround) {
  const struct {
    std::string text;
    std::optional<double> expected;
  } cases[] = {
      {"  29.7", 29.7},
      {"29.7  ", 29.7},
      {" \t 3.25 \t", 3.25},
      {"1234.5", 1234.5},
      {"0", 0.0},
      {"5.", 5.0},
      {".5", 0.5},
      {"-1.5", -1.5},
      {"+2.0", 2.0},
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"1,5", std::nullopt},
      {"1.2.3", std::nullopt},
      {"1e3", std::nullopt},
      {"inf", std::nullopt},
      {"nan", std::nullopt},
      {"0x10", std::nullopt},
      {"1 2", std::nullopt},
      {".", std::nullopt},
      {"-", std::nullopt},
      {"12.3S  1f", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseFigure(c.text), c.expected) << '"' << c.text << '"';
}

TEST(ParseFigure, IgnoresTheLocalesDecimalSeparator) {
  // A locale with a decimal comma, when the machine has one; the result must not change.
  const char* chosen = nullptr;
  for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE", "ru_RU.UTF-8"})
    if (std::setlocale(LC_NUMERIC, name)) {
      chosen = name;
      break;
    }
  EXPECT_EQ(ParseFigure(" 12.5"), 12.5) << (chosen ? chosen : "C");
  EXPECT_EQ(ParseFigure("12,5"), std::nullopt);
  std::setlocale(LC_NUMERIC, "C");
}

TEST(Percentage, RoundsClampsAndNeedsADenominator) {
  EXPECT_EQ(Percentage(5, 10), 50);
  EXPECT_EQ(Percentage(1, 8), 12);  // 12.5 goes to 12
  EXPECT_EQ(Percentage(3, 8), 38);  // 37.5 goes to 38
  EXPECT_EQ(Percentage(15, 10), 100);
  EXPECT_EQ(Percentage(-3, 10), 0);
  EXPECT_EQ(Percentage(5, 0), std::nullopt);
  EXPECT_EQ(Percentage(1e300, 1e-300), 100);
}

TEST(Percentage, TotalsFillTheirHalvesOfTheBar) {
  // Conversion: (done + position) / total * 100 / 2.
  EXPECT_EQ(ConversionTotalPercentage(0, 0, 40), 0);
  EXPECT_EQ(ConversionTotalPercentage(10, 10, 40), 25);
  EXPECT_EQ(ConversionTotalPercentage(40, 0, 40), 50);
  EXPECT_EQ(ConversionTotalPercentage(1, 0, 4), 12);  // 12.5
  EXPECT_EQ(ConversionTotalPercentage(1, 0, 0), std::nullopt);
  // Joining: position / total * 100 / 2, rounded, plus 50.
  EXPECT_EQ(JoiningTotalPercentage(0, 40), 50);
  EXPECT_EQ(JoiningTotalPercentage(20, 40), 75);
  EXPECT_EQ(JoiningTotalPercentage(40, 40), 100);
  EXPECT_EQ(JoiningTotalPercentage(1, 4), 62);  // 12.5 goes to 12
  EXPECT_EQ(JoiningTotalPercentage(90, 40), 100);
  EXPECT_EQ(JoiningTotalPercentage(1, 0), std::nullopt);
  EXPECT_EQ(PercentText(7), "7%");
}

TEST(RemainingSecondsFor, EstimatesFromTheTotalBar) {
  EXPECT_EQ(RemainingSecondsFor(30, 25), 90);
  EXPECT_EQ(RemainingSecondsFor(30, 100), 0);
  EXPECT_EQ(RemainingSecondsFor(5, 0), std::nullopt);
  EXPECT_EQ(RemainingSecondsFor(1, 8), 12);  // 11.5 goes to 12
  EXPECT_EQ(RemainingSecondsFor(3, 8), 34);  // 34.5 goes to 34
}

TEST(RunReader, ExaminesFromTheTwentyFirstChunkOn) {
  RunReader reader;
  for (int i = 0; i < 20; ++i) EXPECT_FALSE(reader.Take("Pos:   9.0s")) << i;
  EXPECT_EQ(reader.PositionText(), "");
  EXPECT_TRUE(reader.Take("banner without figure"));
  EXPECT_EQ(reader.PositionText(), "");
  EXPECT_TRUE(reader.Take("Pos:   1.5s"));
  EXPECT_EQ(reader.PositionText(), "   1.5");
  EXPECT_TRUE(reader.Take("Trem: 1min"));
  EXPECT_EQ(reader.PositionText(), "   1.5");
  EXPECT_EQ(reader.ChunkCounter(), 23);
}

}  // namespace
}  // namespace vuvide
