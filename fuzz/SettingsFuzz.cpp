// Reads arbitrary bytes as a settings file. Every key must read without fault, the text must
// read back to the same text, and a write must keep every other line and read back as written.

#include "core/app/IniFile.h"
#include "core/app/Settings.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    gorlin::IniFile ini;
    ini.SetText(text);
    const gorlin::Settings settings = gorlin::Settings::Read(ini, "/prog/");
    (void)gorlin::ListSettings(ini, "/prog/");
    if (settings.FormGames < 2 || settings.FormGames > 30 || settings.ProxyPort < 0 ||
        settings.ProxyPort > 65535)
        std::abort();

    gorlin::IniFile again;
    again.SetText(ini.Text());
    if (again.Text() != ini.Text())
        std::abort();

    const std::size_t before = ini.Lines().size();
    const std::string value(text.substr(0, 40));
    ini.WriteString("Queries", "QryQuery1", value);
    if (ini.Lines().size() > before + 3)
        std::abort();
    std::string expected = value;
    for (char& c : expected)
        if (c == '\r' || c == '\n')
            c = ' ';
    const std::string_view trimmed = [&] {
        std::string_view v = expected;
        while (!v.empty() && (v.front() == ' ' || v.front() == '\t'))
            v.remove_prefix(1);
        while (!v.empty() && (v.back() == ' ' || v.back() == '\t'))
            v.remove_suffix(1);
        return v;
    }();
    if (ini.ReadString("Queries", "QryQuery1", "<none>") != trimmed)
        std::abort();
    return 0;
}
