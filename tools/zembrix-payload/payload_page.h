// What the publisher's tool does with payload pages, apart from its command line: building a
// ready-to-paste block from fields, and reading a saved page the way the program does while
// saying exactly why nothing would be found.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/text.h"
#include "online/payload_cipher.h"

namespace zembrix {

struct PayloadField {
  std::string_view name;    // as the tool prints it
  std::string_view option;  // make-page option that sets it
  std::string_view startMarker;
  std::string_view endMarker;
};

extern const std::array<PayloadField, 4> kPayloadFields;

// Field values in the order of kPayloadFields; a field without a value is left out.
using PayloadFieldValues = std::array<std::optional<Text>, 4>;

struct PageResult {
  std::string error;  // one line, empty on success
  Text page;
};

// "[联机信息开始]" + cipher text of the marked fields + "[联机信息结束]".
PageResult MakePage(const PayloadFieldValues& values, std::string_view keyText, std::int32_t keyBits);

struct FoundField {
  const PayloadField* field;
  Text value;
};

struct PageReading {
  std::string error;  // why nothing would be found; empty when fields were found
  std::vector<FoundField> fields;
};

PageReading ReadPage(std::string_view page, std::string_view keyText, std::int32_t keyBits);

// One line for a failed decryption of a text that the line calls what.
std::string DescribeDecryptionFailure(const PayloadDecryption& failure, std::string_view what);

}  // namespace zembrix
