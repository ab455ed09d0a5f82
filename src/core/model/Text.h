#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace gorlin {

/// A length-prefixed text of fixed capacity N: one length byte, then N character bytes
/// (Windows-1252). Bytes past the length are kept as they stand so records round-trip byte for
/// byte; assigning a shorter text leaves them untouched.
template <std::size_t N> struct PString {
    static_assert(N > 0 && N < 256);
    std::uint8_t Len = 0;
    char Data[N] = {};

    static constexpr std::size_t Capacity = N;

    /// The text (at most N bytes, even when a damaged length byte says more).
    std::string_view view() const { return {Data, std::min<std::size_t>(Len, N)}; }
    std::string str() const { return std::string(view()); }
    bool empty() const { return Len == 0; }
    std::size_t size() const { return std::min<std::size_t>(Len, N); }

    /// Stores text cut to the capacity.
    void assign(std::string_view text) {
        const std::size_t n = std::min(text.size(), N);
        std::copy_n(text.data(), n, Data);
        Len = static_cast<std::uint8_t>(n);
    }
    PString& operator=(std::string_view text) {
        assign(text);
        return *this;
    }
    friend bool operator==(const PString& a, std::string_view b) { return a.view() == b; }
};

/// Windows-1252 bytes to UTF-8. Undefined code points (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to
/// the C1 control characters of the same value, so the conversion is lossless both ways.
std::string Win1252ToUtf8(std::string_view bytes);

/// UTF-8 to Windows-1252. Characters that Windows-1252 cannot hold become '?'; malformed UTF-8
/// sequences are taken byte by byte as Latin-1.
std::string Utf8ToWin1252(std::string_view utf8);

/// ASCII upper case, bytes >= 0x80 unchanged.
std::string AsciiUpper(std::string_view s);

/// Case-insensitive (ASCII) comparison: <0, 0, >0.
int CompareNoCase(std::string_view a, std::string_view b);

/// Trims blanks (space, tab, CR, LF) at both ends.
std::string_view Trim(std::string_view s);

} // namespace gorlin
