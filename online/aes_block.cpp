// Table-driven AES: one 256-word table per direction, read rotated for the other three rows,
// and the plain S-box (or inverse S-box) for the last round, which has no MixColumns. Each key
// size has its own key expansion and block functions with every round written out, so the
// compiler sees straight-line code with constant round-key offsets. Decryption is the
// equivalent inverse cipher, which runs the same table structure as encryption over a key
// schedule with InvMixColumns folded into its inner round keys.
#include "online/aes_block.h"

#include <array>
#include <bit>

#include "online/aes_tables.h"

namespace zembrix {
namespace {

using aes::kDecryptTable;
using aes::kEncryptTable;
using aes::kInverseSbox;
using aes::kSbox;

// Round keys for up to 14 rounds: 4 words per round plus the initial AddRoundKey.
using KeySchedule = std::array<std::uint32_t, 60>;

struct State {
  std::uint32_t c0, c1, c2, c3;
};

inline std::uint32_t LoadWord(const std::uint8_t* bytes) {
  return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) | (std::uint32_t{bytes[2]} << 8) |
         bytes[3];
}

inline void StoreWord(std::uint8_t* bytes, std::uint32_t word) {
  bytes[0] = static_cast<std::uint8_t>(word >> 24);
  bytes[1] = static_cast<std::uint8_t>(word >> 16);
  bytes[2] = static_cast<std::uint8_t>(word >> 8);
  bytes[3] = static_cast<std::uint8_t>(word);
}

inline State LoadState(const std::uint8_t* block, const std::uint32_t* roundKey) {
  return {LoadWord(block) ^ roundKey[0], LoadWord(block + 4) ^ roundKey[1], LoadWord(block + 8) ^ roundKey[2],
          LoadWord(block + 12) ^ roundKey[3]};
}

inline void StoreState(std::uint8_t* block, State s) {
  StoreWord(block, s.c0);
  StoreWord(block + 4, s.c1);
  StoreWord(block + 8, s.c2);
  StoreWord(block + 12, s.c3);
}

inline std::uint32_t SubWord(std::uint32_t w) {
  return (std::uint32_t{kSbox[w >> 24]} << 24) | (std::uint32_t{kSbox[(w >> 16) & 0xFF]} << 16) |
         (std::uint32_t{kSbox[(w >> 8) & 0xFF]} << 8) | kSbox[w & 0xFF];
}

// One output column of a full round: a, b, c, d are the input columns whose rows 0, 1, 2, 3
// ShiftRows brings into it.
inline std::uint32_t RoundColumn(const std::array<std::uint32_t, 256>& table, std::uint32_t a, std::uint32_t b,
                                 std::uint32_t c, std::uint32_t d, std::uint32_t roundKey) {
  return table[a >> 24] ^ std::rotr(table[(b >> 16) & 0xFF], 8) ^ std::rotr(table[(c >> 8) & 0xFF], 16) ^
         std::rotr(table[d & 0xFF], 24) ^ roundKey;
}

inline std::uint32_t LastRoundColumn(const std::array<std::uint8_t, 256>& box, std::uint32_t a, std::uint32_t b,
                                     std::uint32_t c, std::uint32_t d, std::uint32_t roundKey) {
  return ((std::uint32_t{box[a >> 24]} << 24) | (std::uint32_t{box[(b >> 16) & 0xFF]} << 16) |
          (std::uint32_t{box[(c >> 8) & 0xFF]} << 8) | box[d & 0xFF]) ^
         roundKey;
}

inline State EncryptRound(State s, const std::uint32_t* rk) {
  return {RoundColumn(kEncryptTable, s.c0, s.c1, s.c2, s.c3, rk[0]),
          RoundColumn(kEncryptTable, s.c1, s.c2, s.c3, s.c0, rk[1]),
          RoundColumn(kEncryptTable, s.c2, s.c3, s.c0, s.c1, rk[2]),
          RoundColumn(kEncryptTable, s.c3, s.c0, s.c1, s.c2, rk[3])};
}

inline State EncryptLastRound(State s, const std::uint32_t* rk) {
  return {LastRoundColumn(kSbox, s.c0, s.c1, s.c2, s.c3, rk[0]), LastRoundColumn(kSbox, s.c1, s.c2, s.c3, s.c0, rk[1]),
          LastRoundColumn(kSbox, s.c2, s.c3, s.c0, s.c1, rk[2]), LastRoundColumn(kSbox, s.c3, s.c0, s.c1, s.c2, rk[3])};
}

// InvShiftRows moves the rows the other way, hence the mirrored column order.
inline State DecryptRound(State s, const std::uint32_t* rk) {
  return {RoundColumn(kDecryptTable, s.c0, s.c3, s.c2, s.c1, rk[0]),
          RoundColumn(kDecryptTable, s.c1, s.c0, s.c3, s.c2, rk[1]),
          RoundColumn(kDecryptTable, s.c2, s.c1, s.c0, s.c3, rk[2]),
          RoundColumn(kDecryptTable, s.c3, s.c2, s.c1, s.c0, rk[3])};
}

inline State DecryptLastRound(State s, const std::uint32_t* rk) {
  return {LastRoundColumn(kInverseSbox, s.c0, s.c3, s.c2, s.c1, rk[0]),
          LastRoundColumn(kInverseSbox, s.c1, s.c0, s.c3, s.c2, rk[1]),
          LastRoundColumn(kInverseSbox, s.c2, s.c1, s.c0, s.c3, rk[2]),
          LastRoundColumn(kInverseSbox, s.c3, s.c2, s.c1, s.c0, rk[3])};
}

void ExpandKey128(const std::uint8_t* key, KeySchedule& schedule) {
  std::uint32_t* w = schedule.data();
  for (int i = 0; i < 4; ++i) w[i] = LoadWord(key + 4 * i);
  std::uint8_t rcon = 1;
  for (int round = 0; round < 10; ++round, w += 4, rcon = aes::Times2(rcon)) {
    w[4] = w[0] ^ SubWord(std::rotl(w[3], 8)) ^ (std::uint32_t{rcon} << 24);
    w[5] = w[1] ^ w[4];
    w[6] = w[2] ^ w[5];
    w[7] = w[3] ^ w[6];
  }
}

void ExpandKey192(const std::uint8_t* key, KeySchedule& schedule) {
  std::uint32_t* w = schedule.data();
  for (int i = 0; i < 6; ++i) w[i] = LoadWord(key + 4 * i);
  std::uint8_t rcon = 1;
  // 52 words are needed; the eighth step stops after its first four.
  for (int step = 0;; ++step, w += 6, rcon = aes::Times2(rcon)) {
    w[6] = w[0] ^ SubWord(std::rotl(w[5], 8)) ^ (std::uint32_t{rcon} << 24);
    w[7] = w[1] ^ w[6];
    w[8] = w[2] ^ w[7];
    w[9] = w[3] ^ w[8];
    if (step == 7) break;
    w[10] = w[4] ^ w[9];
    w[11] = w[5] ^ w[10];
  }
}

void ExpandKey256(const std::uint8_t* key, KeySchedule& schedule) {
  std::uint32_t* w = schedule.data();
  for (int i = 0; i < 8; ++i) w[i] = LoadWord(key + 4 * i);
  std::uint8_t rcon = 1;
  // 60 words are needed; the seventh step stops after its first four.
  for (int step = 0;; ++step, w += 8, rcon = aes::Times2(rcon)) {
    w[8] = w[0] ^ SubWord(std::rotl(w[7], 8)) ^ (std::uint32_t{rcon} << 24);
    w[9] = w[1] ^ w[8];
    w[10] = w[2] ^ w[9];
    w[11] = w[3] ^ w[10];
    if (step == 6) break;
    w[12] = w[4] ^ SubWord(w[11]);
    w[13] = w[5] ^ w[12];
    w[14] = w[6] ^ w[13];
    w[15] = w[7] ^ w[14];
  }
}

// InvMixColumns of a word: the S-box cancels the inverse S-box built into the decryption table.
inline std::uint32_t InvMixColumn(std::uint32_t w) {
  return kDecryptTable[kSbox[w >> 24]] ^ std::rotr(kDecryptTable[kSbox[(w >> 16) & 0xFF]], 8) ^
         std::rotr(kDecryptTable[kSbox[(w >> 8) & 0xFF]], 16) ^ std::rotr(kDecryptTable[kSbox[w & 0xFF]], 24);
}

// The equivalent inverse cipher's schedule: round keys in reverse order, InvMixColumns applied
// to all but the first and the last.
KeySchedule InverseSchedule(const KeySchedule& encryption, int rounds) {
  KeySchedule decryption{};
  for (int round = 0; round <= rounds; ++round) {
    for (int column = 0; column < 4; ++column) {
      std::uint32_t word = encryption[4 * (rounds - round) + column];
      decryption[4 * round + column] = (round == 0 || round == rounds) ? word : InvMixColumn(word);
    }
  }
  return decryption;
}

void EncryptBlock128(const std::uint32_t* rk, std::uint8_t* block) {
  State s = LoadState(block, rk);
  s = EncryptRound(s, rk + 4);
  s = EncryptRound(s, rk + 8);
  s = EncryptRound(s, rk + 12);
  s = EncryptRound(s, rk + 16);
  s = EncryptRound(s, rk + 20);
  s = EncryptRound(s, rk + 24);
  s = EncryptRound(s, rk + 28);
  s = EncryptRound(s, rk + 32);
  s = EncryptRound(s, rk + 36);
  StoreState(block, EncryptLastRound(s, rk + 40));
}

void EncryptBlock192(const std::uint32_t* rk, std::uint8_t* block) {
  State s = LoadState(block, rk);
  s = EncryptRound(s, rk + 4);
  s = EncryptRound(s, rk + 8);
  s = EncryptRound(s, rk + 12);
  s = EncryptRound(s, rk + 16);
  s = EncryptRound(s, rk + 20);
  s = EncryptRound(s, rk + 24);
  s = EncryptRound(s, rk + 28);
  s = EncryptRound(s, rk + 32);
  s = EncryptRound(s, rk + 36);
  s = EncryptRound(s, rk + 40);
  s = EncryptRound(s, rk + 44);
  StoreState(block, EncryptLastRound(s, rk + 48));
}

void EncryptBlock256(const std::uint32_t* rk, std::uint8_t* block) {
  State s = LoadState(block, rk);
  s = EncryptRound(s, rk + 4);
  s = EncryptRound(s, rk + 8);
  s = EncryptRound(s, rk + 12);
  s = EncryptRound(s, rk + 16);
  s = EncryptRound(s, rk + 20);
  s = EncryptRound(s, rk + 24);
  s = EncryptRound(s, rk + 28);
  s = EncryptRound(s, rk + 32);
  s = EncryptRound(s, rk + 36);
  s = EncryptRound(s, rk + 40);
  s = EncryptRound(s, rk + 44);
  s = EncryptRound(s, rk + 48);
  s = EncryptRound(s, rk + 52);
  StoreState(block, EncryptLastRound(s, rk + 56));
}

void DecryptBlock128(const std::uint32_t* rk, std::uint8_t* block) {
  State s = LoadState(block, rk);
  s = DecryptRound(s, rk + 4);
  s = DecryptRound(s, rk + 8);
  s = DecryptRound(s, rk + 12);
  s = DecryptRound(s, rk + 16);
  s = DecryptRound(s, rk + 20);
  s = DecryptRound(s, rk + 24);
  s = DecryptRound(s, rk + 28);
  s = DecryptRound(s, rk + 32);
  s = DecryptRound(s, rk + 36);
  StoreState(block, DecryptLastRound(s, rk + 40));
}

void DecryptBlock192(const std::uint32_t* rk, std::uint8_t* block) {
  State s = LoadState(block, rk);
  s = DecryptRound(s, rk + 4);
  s = DecryptRound(s, rk + 8);
  s = DecryptRound(s, rk + 12);
  s = DecryptRound(s, rk + 16);
  s = DecryptRound(s, rk + 20);
  s = DecryptRound(s, rk + 24);
  s = DecryptRound(s, rk + 28);
  s = DecryptRound(s, rk + 32);
  s = DecryptRound(s, rk + 36);
  s = DecryptRound(s, rk + 40);
  s = DecryptRound(s, rk + 44);
  StoreState(block, DecryptLastRound(s, rk + 48));
}

void DecryptBlock256(const std::uint32_t* rk, std::uint8_t* block) {
  State s = LoadState(block, rk);
  s = DecryptRound(s, rk + 4);
  s = DecryptRound(s, rk + 8);
  s = DecryptRound(s, rk + 12);
  s = DecryptRound(s, rk + 16);
  s = DecryptRound(s, rk + 20);
  s = DecryptRound(s, rk + 24);
  s = DecryptRound(s, rk + 28);
  s = DecryptRound(s, rk + 32);
  s = DecryptRound(s, rk + 36);
  s = DecryptRound(s, rk + 40);
  s = DecryptRound(s, rk + 44);
  s = DecryptRound(s, rk + 48);
  s = DecryptRound(s, rk + 52);
  StoreState(block, DecryptLastRound(s, rk + 56));
}

using ExpandKeyFunction = void (*)(const std::uint8_t*, KeySchedule&);
using BlockFunction = void (*)(const std::uint32_t*, std::uint8_t*);

struct KeySize {
  int rounds = 0;
  ExpandKeyFunction expandKey = nullptr;
  BlockFunction encryptBlock = nullptr;
  BlockFunction decryptBlock = nullptr;
};

KeySize KeySizeFor(int keyBits) {
  switch (keyBits) {
    case 128: return {10, ExpandKey128, EncryptBlock128, DecryptBlock128};
    case 192: return {12, ExpandKey192, EncryptBlock192, DecryptBlock192};
    case 256: return {14, ExpandKey256, EncryptBlock256, DecryptBlock256};
    default: return {};
  }
}

}  // namespace

void EncryptBlocksEcb(const std::uint8_t* key, int keyBits, std::uint8_t* blocks, std::size_t blockCount) {
  KeySize size = KeySizeFor(keyBits);
  if (size.rounds == 0) return;
  KeySchedule schedule{};
  size.expandKey(key, schedule);
  for (std::size_t i = 0; i < blockCount; ++i) size.encryptBlock(schedule.data(), blocks + 16 * i);
}

void DecryptBlocksEcb(const std::uint8_t* key, int keyBits, std::uint8_t* blocks, std::size_t blockCount) {
  KeySize size = KeySizeFor(keyBits);
  if (size.rounds == 0) return;
  KeySchedule schedule{};
  size.expandKey(key, schedule);
  KeySchedule inverse = InverseSchedule(schedule, size.rounds);
  for (std::size_t i = 0; i < blockCount; ++i) size.decryptBlock(inverse.data(), blocks + 16 * i);
}

}  // namespace zembrix
