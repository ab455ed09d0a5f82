#pragma once

#include <string_view>

namespace gorlin {

/// True when an update file's name and a league's name stand for the same person. Equal texts
/// match. Otherwise each name splits at its first comma, else its first space, into a first
/// and a second part (at most 40 characters), both trimmed and upper-cased; a name with neither
/// is its own first part, unchanged (so "Smith" matches neither "SMITH" nor "Smith, John"). The
/// first parts must be equal and the second parts equal, or either empty, or one a single
/// letter that begins the other ("SMITH, J" and "smith j" match "Smith, John").
bool NamesMatch(std::string_view a, std::string_view b);

} // namespace gorlin
