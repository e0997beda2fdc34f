#include "searchbar/amazon_search.h"

#include "publisher_config.h"

namespace zembrix {
namespace {

bool IsUnreservedUrlByte(unsigned char byte) {
  return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
         (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' ||
         byte == '~';
}

// Every byte but the unreserved ASCII ones becomes %XX, upper-case hex. Both GBK bytes of a
// Chinese character are encoded, so the shop decodes the keyword back to its GBK bytes.
Text PercentEncode(const Text& bytes) {
  static constexpr char kHexDigits[] = "0123456789ABCDEF";
  Text encoded;
  for (char c : bytes) {
    auto byte = static_cast<unsigned char>(c);
    if (IsUnreservedUrlByte(byte)) {
      encoded += c;
    } else {
      encoded += '%';
      encoded += kHexDigits[byte >> 4];
      encoded += kHexDigits[byte & 0x0F];
    }
  }
  return encoded;
}

}  // namespace

Text AmazonSearchUrl(const Text& keyword) {
  return Text("http://") + config::kAmazonHost +
         "/gp/associates/link-types/searchbox.html?tag=" + config::kAmazonTag +
         "&creative=2028&adid=" + config::kAmazonAdid +
         "&campaign=408&mode=blended&keyword=" + PercentEncode(keyword) +
         "&Submit.x=29&Submit.y=10&Submit=Go";
}

}  // namespace zembrix
