// Numbers as the settings file holds them: text read leniently, reals written compactly.
#pragma once

#include "app/text.h"

namespace zembrix {

// Full-width GBK digits, letters and signs fold to ASCII first; then a decimal number is read
// (leading white space, optional sign, digits, optional fraction and exponent), stopping at the
// first character that does not fit. Nothing readable gives 0.
double NumberFromText(const Text& text);

Text IntegerToText(long long value);

// Up to 13 significant digits, no trailing zeros: 395 → "395", 395.5 → "395.5".
Text RealToText(double value);

// Every computed real becomes an integer by truncating toward zero. Values beyond the int
// range saturate and NaN gives 0, so a hostile settings value cannot cause undefined behaviour.
int TruncToInt(double value);

}  // namespace zembrix
