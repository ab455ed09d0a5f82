#pragma once

#include "core/app/Settings.h"

#include <QObject>

namespace gorlin {

/// Applies ShowHints to the whole program, as it stands at each hint (so a change made in Setup
/// applies at once): with hints off every tool tip is swallowed; with hints on a tool tip stays
/// visible for kHintVisibleMs. Installed once on the application.
class HintFilter final : public QObject {
    Q_OBJECT
public:
    static constexpr int kHintVisibleMs = 3000;

    explicit HintFilter(const Settings& settings, QObject* parent = nullptr)
        : QObject(parent), m_settings(settings) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const Settings& m_settings;
};

} // namespace gorlin
