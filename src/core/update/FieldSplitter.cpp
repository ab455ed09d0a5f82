#include "core/update/FieldSplitter.h"

#include <charconv>

namespace gorlin {

namespace {

/// Blanks are spaces and control characters.
std::string_view TrimBlanks(std::string_view s) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string Tidy(std::string_view raw) {
    std::string_view field = TrimBlanks(raw);
    if (!field.empty() && field.front() == '"')
        field = field.size() < 3 ? std::string_view() : field.substr(1, field.size() - 2);
    return std::string(field);
}

} // namespace

std::string_view LineFields::Field(int n) const {
    if (n < 1 || static_cast<std::size_t>(n) > Fields.size())
        return {};
    return Fields[static_cast<std::size_t>(n - 1)];
}

LineFields SplitFields(std::string_view line) {
    LineFields result;
    auto take = [&result](std::string_view raw) {
        ++result.Count;
        if (result.Count <= kMaxLineFields)
            result.Fields.push_back(Tidy(raw));
    };
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"') {
            quoted = !quoted;
        } else if (line[i] == ',' && !quoted) {
            take(line.substr(start, i - start));
            start = i + 1;
        }
    }
    if (start < line.size())
        take(line.substr(start));
    return result;
}

std::optional<long long> FieldNumber(std::string_view field) {
    bool negative = false;
    if (!field.empty() && (field.front() == '-' || field.front() == '+')) {
        negative = field.front() == '-';
        field.remove_prefix(1);
    }
    if (field.empty() || field.front() == '-' || field.front() == '+')
        return std::nullopt;
    long long value = 0;
    const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (ec != std::errc{} || end != field.data() + field.size())
        return std::nullopt;
    return negative ? -value : value;
}

} // namespace gorlin
