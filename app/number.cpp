#include "app/number.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace zembrix {
namespace {

// GBK row 0xA3 holds the full-width forms of ASCII 0x21 to 0x7E, in ASCII order. Two of its
// cells are not such forms (0xA3A4 is the yen sign, 0xA3FE the overline) and stay as they are.
Text FoldFullWidth(const Text& text) {
  Text folded;
  folded.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (!IsGbkLeadByte(text[i]) || i + 1 == text.size()) {
      folded += text[i];
      continue;
    }
    auto lead = static_cast<unsigned char>(text[i]);
    auto trail = static_cast<unsigned char>(text[i + 1]);
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFD && trail != 0xA4) {
      folded += static_cast<char>(trail - 0xA1 + 0x21);
    } else {
      folded += text[i];
      folded += text[i + 1];
    }
    ++i;
  }
  return folded;
}

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

size_t SkipDigits(const Text& text, size_t at) {
  while (at < text.size() && IsDigit(text[at])) ++at;
  return at;
}

}  // namespace

double NumberFromText(const Text& raw) {
  const Text text = FoldFullWidth(raw);
  size_t at = 0;
  while (at < text.size() && IsSpace(text[at])) ++at;

  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';

  // The longest prefix shaped like digits[.digits][e[sign]digits]; hexadecimal, "inf" and
  // "nan" never count.
  const size_t start = at;
  size_t end = SkipDigits(text, at);
  bool anyDigit = end > start;
  if (end < text.size() && text[end] == '.') {
    size_t afterFraction = SkipDigits(text, end + 1);
    anyDigit = anyDigit || afterFraction > end + 1;
    end = afterFraction;
  }
  if (!anyDigit) return 0;
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    size_t exponent = end + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    size_t afterExponent = SkipDigits(text, exponent);
    if (afterExponent > exponent) end = afterExponent;
  }

  // The shape is checked above, so strtod sees only plain decimal text; it also saturates to
  // infinity or zero where from_chars would give up.
  double value = std::strtod(text.substr(start, end - start).c_str(), nullptr);
  return negative ? -value : value;
}

Text IntegerToText(long long value) { return std::to_string(value); }

Text RealToText(double value) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.13g", value);
  return buffer;
}

int TruncToInt(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return std::numeric_limits<int>::max();
  if (value <= -2147483648.0) return std::numeric_limits<int>::min();
  return static_cast<int>(value);
}

}  // namespace zembrix
