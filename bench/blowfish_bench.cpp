// Our Blowfish against OpenSSL's on the buffer size of a record, and the cost of keying.
#define OPENSSL_SUPPRESS_DEPRECATED
#include <openssl/blowfish.h>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "core/store/blowfish.h"
#include "core/store/file_layout.h"

namespace {

constexpr const char kPassword[] = "correct horse battery staple";

std::vector<std::uint8_t> RecordSizedBuffer() {
    std::vector<std::uint8_t> buffer(vk::file_layout::kRecordBytes);
    for (std::size_t i = 0; i < buffer.size(); ++i) buffer[i] = static_cast<std::uint8_t>(i * 7);
    return buffer;
}

// The key OpenSSL needs to match ours: the password zero-padded to the full 56 bytes.
void SetOpenSslKey(BF_KEY* key) {
    unsigned char bytes[vk::CBlowfish::kKeyBytes] = {};
    std::memcpy(bytes, kPassword, sizeof kPassword - 1);
    BF_set_key(key, sizeof bytes, bytes);
}

void ReportBytes(benchmark::State& state, std::size_t bytes) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes));
}

void BM_OursEncryptRecord(benchmark::State& state) {
    const vk::CBlowfish cipher(kPassword);
    auto buffer = RecordSizedBuffer();
    for (auto _ : state) {
        cipher.EncryptBuffer(buffer.data(), static_cast<std::int32_t>(buffer.size()));
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
    ReportBytes(state, buffer.size());
}
BENCHMARK(BM_OursEncryptRecord);

void BM_OpenSslEncryptRecord(benchmark::State& state) {
    BF_KEY key;
    SetOpenSslKey(&key);
    auto buffer = RecordSizedBuffer();
    for (auto _ : state) {
        for (std::size_t i = 0; i + 8 <= buffer.size(); i += 8)
            BF_ecb_encrypt(&buffer[i], &buffer[i], &key, BF_ENCRYPT);
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
    ReportBytes(state, buffer.size());
}
BENCHMARK(BM_OpenSslEncryptRecord);

void BM_OursDecryptRecord(benchmark::State& state) {
    const vk::CBlowfish cipher(kPassword);
    auto buffer = RecordSizedBuffer();
    for (auto _ : state) {
        cipher.DecryptBuffer(buffer.data(), static_cast<std::int32_t>(buffer.size()));
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
    ReportBytes(state, buffer.size());
}
BENCHMARK(BM_OursDecryptRecord);

void BM_OpenSslDecryptRecord(benchmark::State& state) {
    BF_KEY key;
    SetOpenSslKey(&key);
    auto buffer = RecordSizedBuffer();
    for (auto _ : state) {
        for (std::size_t i = 0; i + 8 <= buffer.size(); i += 8)
            BF_ecb_encrypt(&buffer[i], &buffer[i], &key, BF_DECRYPT);
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
    ReportBytes(state, buffer.size());
}
BENCHMARK(BM_OpenSslDecryptRecord);

// A fresh cipher per password: the table copy and the 521 block encryptions of the schedule.
void BM_OursKeying(benchmark::State& state) {
    for (auto _ : state) {
        vk::CBlowfish cipher(kPassword);
        benchmark::DoNotOptimize(&cipher);
    }
}
BENCHMARK(BM_OursKeying);

void BM_OpenSslKeying(benchmark::State& state) {
    for (auto _ : state) {
        BF_KEY key;
        SetOpenSslKey(&key);
        benchmark::DoNotOptimize(&key);
    }
}
BENCHMARK(BM_OpenSslKeying);

}  // namespace
