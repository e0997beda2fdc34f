#include "online/text_between.h"

namespace zembrix {
namespace {

// Every byte of 0x80 or more is taken with the byte after it, a little wider than
// IsGbkLeadByte, so that a page is cut the same way whatever bytes it holds.
bool StartsTwoByteCharacter(char byte) { return static_cast<unsigned char>(byte) >= 0x80; }

}  // namespace

std::size_t FindGbk(std::string_view text, std::string_view marker, std::size_t from) {
  while (from < text.size() && text.size() - from >= marker.size()) {
    if (text.compare(from, marker.size(), marker) == 0) return from;
    from += StartsTwoByteCharacter(text[from]) ? 2 : 1;
  }
  return std::string_view::npos;
}

MarkedSpan FindBetween(std::string_view text, std::string_view startMarker, std::string_view endMarker) {
  MarkedSpan span;
  std::size_t start = FindGbk(text, startMarker);
  if (start == std::string_view::npos) return span;
  span.begin = start + startMarker.size();
  std::size_t end = FindGbk(text, endMarker, span.begin);
  if (end == std::string_view::npos) {
    span.outcome = MarkerSearch::kNoEndMarker;
    return span;
  }
  span.outcome = MarkerSearch::kFound;
  span.length = end - span.begin;
  return span;
}

Text TextBetween(std::string_view text, std::string_view startMarker, std::string_view endMarker) {
  MarkedSpan span = FindBetween(text, startMarker, endMarker);
  if (span.outcome != MarkerSearch::kFound) return {};
  return Text(text.substr(span.begin, span.length));
}

}  // namespace zembrix
