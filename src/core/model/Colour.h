#pragma once

#include <cstdint>

namespace gorlin {

/// A 24-bit colour as the settings store it and the drawings use it: 0x00BBGGRR, red in the
/// low byte.
using Colour = std::uint32_t;

} // namespace gorlin
