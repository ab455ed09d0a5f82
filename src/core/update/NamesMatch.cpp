#include "core/update/NamesMatch.h"

#include "core/model/Text.h"

#include <string>

namespace gorlin {

namespace {

struct NameParts {
    std::string First;
    std::string Second;
};

std::string_view TrimSpaces(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

NameParts Split(std::string_view name) {
    std::size_t at = name.find(',');
    if (at == std::string_view::npos)
        at = name.find(' ');
    if (at == std::string_view::npos)
        return {std::string(name), {}};
    return {AsciiUpper(TrimSpaces(name.substr(0, at))), AsciiUpper(TrimSpaces(name.substr(at + 1, 40)))};
}

} // namespace

bool NamesMatch(std::string_view a, std::string_view b) {
    if (a == b)
        return true;
    const NameParts x = Split(a);
    const NameParts y = Split(b);
    if (x.First != y.First)
        return false;
    if (x.Second == y.Second || x.Second.empty() || y.Second.empty())
        return true;
    return (x.Second.size() == 1 && x.Second[0] == y.Second[0]) ||
           (y.Second.size() == 1 && y.Second[0] == x.Second[0]);
}

} // namespace gorlin
