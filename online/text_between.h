// Cutting a text out from between two markers in GBK text.
#pragma once

#include <cstddef>
#include <string_view>

#include "app/text.h"

namespace zembrix {

enum class MarkerSearch { kFound, kNoStartMarker, kNoEndMarker };

struct MarkedSpan {
  MarkerSearch outcome = MarkerSearch::kNoStartMarker;
  std::size_t begin = 0;   // first byte after the start marker, when found
  std::size_t length = 0;  // bytes up to the end marker, when found
};

// First occurrence of marker at or after the character that starts at from, stepping over
// two-byte characters as units so that a match never starts on a character's second byte.
// npos when there is none.
std::size_t FindGbk(std::string_view text, std::string_view marker, std::size_t from = 0);

// Where the text between the first start marker and the first end marker after it lies, or
// which marker is missing.
MarkedSpan FindBetween(std::string_view text, std::string_view startMarker, std::string_view endMarker);

// The text between the markers; empty when either is missing.
Text TextBetween(std::string_view text, std::string_view startMarker, std::string_view endMarker);

}  // namespace zembrix
