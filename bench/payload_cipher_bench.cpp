// Throughput of the payload cipher on payloads from 1 KiB to 16 MiB, for each key size.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>

#include "online/payload_cipher.h"

namespace zembrix {
namespace {

// Bytes without a zero, so that decryption hands back the whole payload.
Text PlainPayload(std::size_t length) {
  std::mt19937 random(42);
  Text plain(length, '\0');
  for (char& byte : plain) byte = static_cast<char>(1 + random() % 255);
  return plain;
}

void DecryptPayloadTextBench(benchmark::State& state) {
  auto length = static_cast<std::size_t>(state.range(0));
  auto keyBits = static_cast<std::int32_t>(state.range(1));
  Text cipher = EncryptPayloadText(PlainPayload(length), "vexo", keyBits);
  for (auto _ : state) benchmark::DoNotOptimize(DecryptPayloadText(cipher, "vexo", keyBits));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(length));
}

void EncryptPayloadTextBench(benchmark::State& state) {
  auto length = static_cast<std::size_t>(state.range(0));
  auto keyBits = static_cast<std::int32_t>(state.range(1));
  Text plain = PlainPayload(length);
  for (auto _ : state) benchmark::DoNotOptimize(EncryptPayloadText(plain, "vexo", keyBits));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(length));
}

const std::vector<std::int64_t> kLengths = {1 << 10, 16 << 10, 256 << 10, 4 << 20, 16 << 20};

BENCHMARK(DecryptPayloadTextBench)->ArgsProduct({kLengths, {128, 192, 256}})->ArgNames({"bytes", "bits"});
BENCHMARK(EncryptPayloadTextBench)->ArgsProduct({kLengths, {128, 192, 256}})->ArgNames({"bytes", "bits"});

}  // namespace
}  // namespace zembrix
