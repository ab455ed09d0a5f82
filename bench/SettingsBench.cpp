// Reading the settings of a large gorlin.ini (2 MB of saved queries and comments), next to a
// plain split of the same text into lines measured in the same run.

#include "core/app/IniFile.h"
#include "core/app/Settings.h"

#include <benchmark/benchmark.h>
#include <string>

using namespace gorlin;

namespace {

/// A settings file of about `bytes` bytes: every section and key, then queries up to the size.
std::string LargeSettingsText(std::size_t bytes) {
    std::string text = "[Options]\nFormGames=12\nTableLong=ABCDEFGHIJKLMSU\n[Colours]\nColour1=255\n";
    text += "[Queries]\n";
    int n = 0;
    while (text.size() < bytes) {
        ++n;
        text += "QryTab" + std::to_string(n) + "=2\nQryTitle" + std::to_string(n) + "=Query " +
                std::to_string(n) + "\nQryQuery" + std::to_string(n) +
                "=\"34\",\"A\",\"Y\",\">4\",\"\",\"\",\"\",\"\",\"5\",\"D\",\"Y\",\"\",\"\",\"\",\"\",\"\"\n"
                "; a comment line between the queries\n";
    }
    text += "QryCount=" + std::to_string(n) + "\n[Squads]\nPosition1=Keeper\n";
    return text;
}

void BM_ReadSettingsOf2MBFile(benchmark::State& state) {
    const std::string text = LargeSettingsText(2u << 20);
    for (auto _ : state) {
        IniFile ini;
        ini.SetText(text);
        benchmark::DoNotOptimize(Settings::Read(ini, "/prog/"));
        benchmark::DoNotOptimize(ListSettings(ini, "/prog/"));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadSettingsOf2MBFile)->Unit(benchmark::kMillisecond);

/// The reference: the same text cut into lines, nothing looked up.
void BM_SplitLinesOf2MBFile(benchmark::State& state) {
    const std::string text = LargeSettingsText(2u << 20);
    for (auto _ : state) {
        IniFile ini;
        ini.SetText(text);
        benchmark::DoNotOptimize(ini.Lines().size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_SplitLinesOf2MBFile)->Unit(benchmark::kMillisecond);

} // namespace
