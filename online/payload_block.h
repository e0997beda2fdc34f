// The encrypted block of a downloaded payload page: cutting it out, cleaning it and
// decrypting it under the program's key.
#pragma once

#include <cstdint>
#include <string_view>

#include "app/text.h"
#include "online/payload_cipher.h"

namespace zembrix {

inline constexpr std::string_view kPayloadKeyText = "vexo";
inline constexpr std::int32_t kPayloadKeyBits = kb256;

// The block with every "amp;" removed, in any letter case, until none is left: blog software
// escapes the "&" of a pasted text, sometimes more than once, and a block holds none.
Text CleanPayloadBlock(std::string_view block);

// The cleaned text between the block markers of a page; empty without both markers.
Text PayloadBlockOf(std::string_view page);

// The plain text of a block under the program's key; empty for an empty or invalid block.
Text DecryptPayload(std::string_view block);

}  // namespace zembrix
