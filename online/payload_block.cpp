#include "online/payload_block.h"

#include "online/payload_markers.h"
#include "online/text_between.h"

namespace zembrix {
namespace {

constexpr std::string_view kAmp = "amp;";

char FoldAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EndsWithAmp(const Text& text) {
  if (text.size() < kAmp.size()) return false;
  for (std::size_t i = 0; i < kAmp.size(); ++i) {
    if (FoldAsciiLetter(text[text.size() - kAmp.size() + i]) != kAmp[i]) return false;
  }
  return true;
}

}  // namespace

// Removing "amp;" can bring a new one together ("aamp;mp;"), so removal has to repeat until
// none is left. Since no proper start of "amp;" is also its end, every order of removal ends in
// the same text, and one left-to-right pass that drops each "amp;" as soon as it is complete
// reaches it in linear time, where pass after pass could take quadratic time on a crafted page.
Text CleanPayloadBlock(std::string_view block) {
  Text cleaned;
  cleaned.reserve(block.size());
  for (char c : block) {
    cleaned.push_back(c);
    if (EndsWithAmp(cleaned)) cleaned.resize(cleaned.size() - kAmp.size());
  }
  return cleaned;
}

Text PayloadBlockOf(std::string_view page) {
  return CleanPayloadBlock(TextBetween(page, kPayloadBlockStart, kPayloadBlockEnd));
}

Text DecryptPayload(std::string_view block) {
  if (block.empty()) return {};
  return DecryptPayloadText(block, kPayloadKeyText, kPayloadKeyBits);
}

}  // namespace zembrix
