// The AES block cipher (FIPS-197) in electronic codebook mode: every 16-byte block is
// enciphered on its own, in place. Portable and stateless, so any thread may call it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zembrix {

// key holds keyBits / 8 bytes and keyBits is 128, 192 or 256; any other size leaves the blocks
// as they are. blocks holds blockCount * 16 bytes, each in FIPS-197 byte order.
void EncryptBlocksEcb(const std::uint8_t* key, int keyBits, std::uint8_t* blocks, std::size_t blockCount);
void DecryptBlocksEcb(const std::uint8_t* key, int keyBits, std::uint8_t* blocks, std::size_t blockCount);

}  // namespace zembrix
