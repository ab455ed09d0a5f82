#pragma once

#include "core/model/Expected.h"

#include <optional>
#include <string>
#include <utility>

namespace gorlin::cli {

/// A "--chart WxH" value: a box of 1 to 10000 pixels each way, else the problem to report.
Expected<std::pair<int, int>> ChartSize(const std::optional<std::string>& value);

} // namespace gorlin::cli
