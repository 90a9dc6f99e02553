// The generator with the system's random source: secure passwords of 16 characters, and
// "word, word" passwords, each word decoded from the start of the list. 100,000 "word, word"
// passwords should take well under a second.
#include <benchmark/benchmark.h>

#include "core/tools/generator.h"
#include "core/tools/word_list.h"
#include "platform/system_random.h"

namespace {

void Generate(benchmark::State& state, const vk::GeneratorOptions& options) {
    vk::CSystemRandom random;
    vk::CWordListReader words;
    const std::size_t count = words.CountWords();
    for (auto _ : state) {
        auto made = vk::GeneratePassword(options, random, words, count);
        benchmark::DoNotOptimize(made.password.data());
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_SecureLength16(benchmark::State& state) {
    vk::GeneratorOptions options;
    options.length = 16;
    options.useNumbers = options.useSpecial = true;
    Generate(state, options);
}
BENCHMARK(BM_SecureLength16);

void BM_WordWord(benchmark::State& state) {
    vk::GeneratorOptions options;
    options.secure = false;
    options.wordFormat = vk::WordFormat::kWordWord;
    Generate(state, options);
}
BENCHMARK(BM_WordWord);

void BM_PickWord(benchmark::State& state) {
    vk::CSystemRandom random;
    vk::CWordListReader words;
    const std::size_t count = words.CountWords();
    for (auto _ : state) benchmark::DoNotOptimize(words.PickRandomWord(count, random));
}
BENCHMARK(BM_PickWord);

}  // namespace
