// libFuzzer target: any page given to the page reader and the program's block extraction ends
// in fields or a stated reason, never a crash, an overread or a hang.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "online/payload_block.h"
#include "online/payload_markers.h"
#include "online/text_between.h"
#include "tools/zembrix-payload/payload_page.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zembrix;
  std::string_view page(reinterpret_cast<const char*>(data), size);

  PageReading reading = ReadPage(page, kPayloadKeyText, kPayloadKeyBits);
  Check(reading.error.empty() != reading.fields.empty());

  Text block = PayloadBlockOf(page);
  Check(block.size() <= page.size());
  Text plain = DecryptPayload(block);
  Check(plain.find('\0') == Text::npos);
  Check(TextBetween(plain, kMenuTitleStart, kMenuTitleEnd).size() <= plain.size());

  // Cleaning leaves no "amp;" in any letter case behind.
  Text cleaned = CleanPayloadBlock(page);
  for (std::size_t i = 0; i + 4 <= cleaned.size(); ++i) {
    Check(!((cleaned[i] | 0x20) == 'a' && (cleaned[i + 1] | 0x20) == 'm' && (cleaned[i + 2] | 0x20) == 'p' &&
            cleaned[i + 3] == ';'));
  }
  return 0;
}
