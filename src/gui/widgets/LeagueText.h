#pragma once

#include "core/app/Settings.h"
#include "core/model/Text.h"

#include <QColor>
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

/// A caption for a button, tab, check box or menu item that shows '&' literally.
inline QString LiteralCaption(QString text) {
    return text.replace('&', QStringLiteral("&&"));
}

/// A settings colour (0x00BBGGRR) as a QColor.
inline QColor ToQColor(Colour c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

} // namespace gorlin
