#include "tools/zembrix-payload/payload_page.h"

#include <cstdio>

#include "online/payload_block.h"
#include "online/payload_markers.h"
#include "online/text_between.h"

namespace zembrix {

const std::array<PayloadField, 4> kPayloadFields = {{
    {"menu title", "--menu-title", kMenuTitleStart, kMenuTitleEnd},
    {"menu link", "--menu-link", kMenuLinkStart, kMenuLinkEnd},
    {"css url", "--css-url", kCssUrlStart, kCssUrlEnd},
    {"info html", "--info-html", kInfoHtmlStart, kInfoHtmlEnd},
}};

namespace {

std::string Number(std::size_t n) { return std::to_string(n); }

std::string HexByte(char byte) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned char>(byte));
  return text;
}

std::string ZeroByteError(const PayloadField& field, const Text& value) {
  std::size_t zero = value.find('\0');
  if (zero == Text::npos) return {};
  return std::string(field.name) + " holds a zero byte at offset " + Number(zero) +
         "; the program would cut the payload there";
}

// The program reads each field back with its own marker search over the whole plaintext, so a
// value that holds a marker, or ends inside a two-byte character and so hides the end marker's
// first byte, would come back different from what was given.
std::string ReadBackError(const Text& plain, const PayloadField& field, const Text& value) {
  if (TextBetween(plain, field.startMarker, field.endMarker) == value) return {};
  return std::string(field.name) +
         " would not read back as given: a value holds a field marker or ends inside a two-byte "
         "character (is it GBK?)";
}

}  // namespace

PageResult MakePage(const PayloadFieldValues& values, std::string_view keyText, std::int32_t keyBits) {
  Text plain;
  for (std::size_t i = 0; i < kPayloadFields.size(); ++i) {
    if (!values[i]) continue;
    const PayloadField& field = kPayloadFields[i];
    if (std::string error = ZeroByteError(field, *values[i]); !error.empty()) return {error, {}};
    plain.append(field.startMarker).append(*values[i]).append(field.endMarker);
  }
  if (plain.empty()) return {"no field given; set at least one of --menu-title, --menu-link, --css-url, --info-html", {}};
  // Fields not given must read back empty too, or a marker inside a value would invent them.
  for (std::size_t i = 0; i < kPayloadFields.size(); ++i) {
    std::string error = ReadBackError(plain, kPayloadFields[i], values[i].value_or(Text()));
    if (!error.empty()) return {error, {}};
  }
  Text page(kPayloadBlockStart);
  page.append(EncryptPayloadText(plain, keyText, keyBits)).append(kPayloadBlockEnd);
  return {{}, page};
}

std::string DescribeDecryptionFailure(const PayloadDecryption& failure, std::string_view what) {
  std::string subject(what);
  switch (failure.error) {
    case PayloadCipherError::kNotHexDigit:
      return "character " + Number(failure.badIndex + 1) + " of " + subject + " (byte " + HexByte(failure.badCharacter) +
             ") is not a hexadecimal digit";
    case PayloadCipherError::kShorterThanHeader:
      return subject + " has " + Number(failure.textLength) +
             " characters, fewer than the 15 that hold the 8-byte length header";
    case PayloadCipherError::kBodyNotWholeBlocks:
      return "the body after the length header of " + subject + " is " + Number(failure.bodyLength) +
             " bytes, not a multiple of 16";
    case PayloadCipherError::kNone: break;
  }
  return {};
}

PageReading ReadPage(std::string_view file, std::string_view keyText, std::int32_t keyBits) {
  // The program's download ends at the first zero byte; nothing after it counts.
  std::string_view page = file.substr(0, file.find('\0'));
  std::string where = page.size() < file.size()
                          ? " before the zero byte at offset " + Number(page.size()) +
                                ", where the program stops reading"
                          : "";
  MarkedSpan span = FindBetween(page, kPayloadBlockStart, kPayloadBlockEnd);
  if (span.outcome == MarkerSearch::kNoStartMarker) {
    return {where.empty() ? "no block start marker on the page" : "no block start marker" + where, {}};
  }
  if (span.outcome == MarkerSearch::kNoEndMarker) {
    return {"no block end marker after the block start marker" + where, {}};
  }
  std::string_view raw = page.substr(span.begin, span.length);
  if (raw.empty()) return {"the block between the markers is empty", {}};
  Text block = CleanPayloadBlock(raw);
  if (block.empty()) return {"the block between the markers is empty once \"amp;\" is removed", {}};

  PayloadDecryption decryption = DecryptPayloadChecked(block, keyText, keyBits);
  if (decryption.error != PayloadCipherError::kNone) {
    return {DescribeDecryptionFailure(decryption, "the block"), {}};
  }
  if (decryption.plainText.empty()) return {"the block decrypts to the empty text", {}};

  PageReading reading;
  for (const PayloadField& field : kPayloadFields) {
    MarkedSpan found = FindBetween(decryption.plainText, field.startMarker, field.endMarker);
    if (found.outcome == MarkerSearch::kFound) {
      reading.fields.push_back({&field, decryption.plainText.substr(found.begin, found.length)});
    }
  }
  if (reading.fields.empty()) {
    reading.error = "the block decrypts to " + Number(decryption.plainText.size()) +
                    " bytes that hold no field (wrong key or key size?)";
  }
  return reading;
}

}  // namespace zembrix
