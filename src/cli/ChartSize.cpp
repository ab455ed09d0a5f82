#include "cli/ChartSize.h"

#include <charconv>
#include <string_view>

namespace gorlin::cli {

namespace {

constexpr int kChartMax = 10000;

std::optional<int> Dimension(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 1 || value > kChartMax)
        return std::nullopt;
    return value;
}

} // namespace

Expected<std::pair<int, int>> ChartSize(const std::optional<std::string>& value) {
    const std::size_t x = value ? value->find('x') : std::string::npos;
    const auto w = x == std::string::npos ? std::nullopt : Dimension(std::string_view(*value).substr(0, x));
    const auto h = x == std::string::npos ? std::nullopt : Dimension(std::string_view(*value).substr(x + 1));
    if (!w || !h)
        return Error{"--chart needs a size WxH of 1 to 10000 pixels each"};
    return std::pair{*w, *h};
}

} // namespace gorlin::cli
