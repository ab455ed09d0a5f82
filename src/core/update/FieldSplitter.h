#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gorlin {

/// Fields of one line that a reader keeps; later ones are counted but dropped.
inline constexpr int kMaxLineFields = 11;

/// The comma-separated fields of one line of an update file or an import file.
struct LineFields {
    /// Every field the line has, kept or not (a line ending in a comma has no empty last one).
    int Count = 0;
    /// The first kMaxLineFields fields, trimmed, enclosing double quotes removed.
    std::vector<std::string> Fields;

    /// Field n (1-based) as kept; empty when the line has no such field or it was dropped.
    std::string_view Field(int n) const;
    /// True when the line has field n (even an empty one).
    bool Has(int n) const { return n >= 1 && n <= Count; }
};

/// Splits a line into fields. A double quote toggles quoting (and stays in the field); a
/// comma outside quotes ends a field, which is counted even when empty; at the end of the line
/// the field is counted only when it is not empty. Each kept field is trimmed of blanks (spaces
/// and control characters) at both ends and, when it then begins with a double quote, loses its first and
/// last characters (a field of fewer than 3 characters becomes empty). There is no escape for a quote.
LineFields SplitFields(std::string_view line);

/// A field read as a decimal integer: digits with an optional leading '-' or '+', nothing else,
/// within 64 bits. nullopt when it is no such number (an empty field included); callers check
/// the range their record allows.
std::optional<long long> FieldNumber(std::string_view field);

} // namespace gorlin
