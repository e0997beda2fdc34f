#include "app/number.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace zembrix {
namespace {

struct NumberCase {
  const char* text;
  double value;
};

class NumberFromTextTest : public testing::TestWithParam<NumberCase> {};

TEST_P(NumberFromTextTest, ReadsTheLeadingDecimalNumber) {
  EXPECT_DOUBLE_EQ(NumberFromText(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberFromTextTest,
    testing::Values(NumberCase{"395", 395}, NumberCase{"  \t-12", -12}, NumberCase{"+7", 7},
                    NumberCase{"395.5", 395.5}, NumberCase{".5", 0.5}, NumberCase{"5.", 5},
                    NumberCase{"1e3", 1000}, NumberCase{"2E-1", 0.2}, NumberCase{"1e", 1},
                    NumberCase{"1e+", 1}, NumberCase{"77px", 77}, NumberCase{"12 34", 12},
                    NumberCase{"", 0}, NumberCase{"abc", 0}, NumberCase{"-", 0},
                    NumberCase{".", 0}, NumberCase{"-.e5", 0},
                    // Never hexadecimal, infinity or NaN, whatever the C library would accept.
                    NumberCase{"0x1A", 0}, NumberCase{"inf", 0}, NumberCase{"nan", 0},
                    // Full-width forms (GBK row A3) fold to ASCII: "１２０", "－５", "３．５ｅ２".
                    NumberCase{"\xA3\xB1\xA3\xB2\xA3\xB0", 120}, NumberCase{"\xA3\xAD\xA3\xB5", -5},
                    NumberCase{"\xA3\xB3\xA3\xAE\xA3\xB5\xA3\xE5\xA3\xB2", 350},
                    // Ordinary Chinese text is not a number.
                    NumberCase{"宽度", 0}, NumberCase{"３宽", 3}));

TEST(RealToTextTest, ThirteenSignificantDigitsWithoutTrailingZeros) {
  EXPECT_EQ(RealToText(395), "395");
  EXPECT_EQ(RealToText(395.5), "395.5");
  EXPECT_EQ(RealToText(-0.25), "-0.25");
  EXPECT_EQ(RealToText(1.0 / 3), "0.3333333333333");
  // What is written reads back as the same value.
  EXPECT_DOUBLE_EQ(NumberFromText(RealToText(123456.789)), 123456.789);
}

TEST(TruncToIntTest, TruncatesTowardZeroAndSaturates) {
  EXPECT_EQ(TruncToInt(120.9), 120);
  EXPECT_EQ(TruncToInt(-5.5), -5);
  EXPECT_EQ(TruncToInt(-0.9), 0);
  EXPECT_EQ(TruncToInt(1e300), INT_MAX);
  EXPECT_EQ(TruncToInt(-1e300), INT_MIN);
  EXPECT_EQ(TruncToInt(NumberFromText("1e999")), INT_MAX);
  EXPECT_EQ(TruncToInt(std::nan("")), 0);
}

}  // namespace
}  // namespace zembrix
