// What a large preferences file costs the start and a changed preference: a
// file just under its 1 MiB limit, holding 200,000 distinct keys of the
// program's own section, or 100,000 sections of one key each, read as the
// start reads it before the first window (LoadPrefs), and written back
// whole as a changed preference writes it (SaveChangedPrefs).
//
//   SettingsFile/Read/sections:0/count:200000    the start's read of the file
//   SettingsFile/Read/sections:1/count:100000
//   SettingsFile/Write/sections:0/count:200000   a preference changed, the file replaced
//   SettingsFile/Write/sections:1/count:100000
//
// Counters: the file's size (bytes) and the entries it holds. Goal: the
// read well under a second, so that the first window shows within 3 s.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/Preferences.h"
#include "model/State.h"
#include "platform/Platform.h"

namespace quendal {
namespace {

constexpr std::size_t kSettingsLimit = 1 << 20;  // bytes: the largest file read
constexpr char kAlphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_-";
constexpr std::size_t kLetters = sizeof kAlphabet - 1;  // 64

// A name of three letters, distinct for each number below 64^3.
std::string nameOf(std::size_t number) {
    return {kAlphabet[number % kLetters], kAlphabet[number / kLetters % kLetters],
            kAlphabet[number / kLetters / kLetters % kLetters]};
}

// The program's own keys with their values, then `count` keys ("abc=")
// or sections ("[abc]" with one key each).
std::string settingsFileText(bool sections, std::size_t count) {
    std::string text = "[General]\nPortThickness=18.5\nInputPower=10\n";
    for (std::size_t i = 0; i < count; ++i)
        if (sections) text.append("[").append(nameOf(i)).append("]\nk=\n");
        else text.append(nameOf(i)).append("=\n");
    return text;
}

// Puts the file where the preferences of this identity are kept.
std::size_t placeSettingsFile(bool sections, std::size_t count) {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const std::string folder = std::string(config != nullptr ? config : ".") + "/Keldrith";
    std::filesystem::create_directories(folder);
    const std::string text = settingsFileText(sections, count);
    std::ofstream(folder + "/Quendal.ini", std::ios::binary | std::ios::trunc) << text;
    return text.size();
}

void report(benchmark::State& bench, std::size_t bytes, std::size_t entries) {
    bench.counters["bytes"] = double(bytes);
    bench.counters["entries"] = double(entries);
    if (bytes >= kSettingsLimit) bench.SkipWithError("the file is over the limit: it would not be read");
}

void BM_SettingsFileRead(benchmark::State& bench) {
    const bool sections = bench.range(0) != 0;
    const std::size_t count = std::size_t(bench.range(1));
    const std::size_t bytes = placeSettingsFile(sections, count);
    for (auto _ : bench) {
        platform::preferenceStore().setIdentity("Keldrith", "Quendal");  // read anew on first use
        resetState();
        LoadPrefs();
        benchmark::ClobberMemory();
    }
    if (state.power.PortThickness != 18.5) bench.SkipWithError("the program's own key was not read");
    report(bench, bytes, count);
}
BENCHMARK(BM_SettingsFileRead)
    ->Name("SettingsFile/Read")
    ->ArgNames({"sections", "count"})
    ->Args({0, 200000})
    ->Args({1, 100000})
    ->Unit(benchmark::kMillisecond);

void BM_SettingsFileWrite(benchmark::State& bench) {
    const bool sections = bench.range(0) != 0;
    const std::size_t count = std::size_t(bench.range(1));
    const std::size_t bytes = placeSettingsFile(sections, count);
    platform::preferenceStore().setIdentity("Keldrith", "Quendal");
    resetState();
    LoadPrefs();
    double thickness = 18.0;
    for (auto _ : bench) {
        state.power.PortThickness = (thickness += 0.5);
        if (!SaveChangedPrefs()) bench.SkipWithError("the file was not written");
    }
    report(bench, bytes, count);
}
BENCHMARK(BM_SettingsFileWrite)
    ->Name("SettingsFile/Write")
    ->ArgNames({"sections", "count"})
    ->Args({0, 200000})
    ->Args({1, 100000})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quendal
