#pragma once

#include "core/model/Text.h"

#include <QString>
#include <string>
#include <string_view>

namespace gorlin {

/// League and settings texts are Windows-1252 bytes; widgets show them as QString.
inline QString FromLeague(std::string_view bytes) {
    return QString::fromStdString(Win1252ToUtf8(bytes));
}
inline std::string ToLeague(const QString& text) {
    return Utf8ToWin1252(text.toStdString());
}

} // namespace gorlin
