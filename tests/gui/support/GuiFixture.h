#pragma once

#include "core/app/IniFile.h"
#include "core/app/Settings.h"
#include "core/model/League.h"
#include "core/model/Locale.h"
#include "gui/support/ScriptedPrompter.h"
#include "gui/widgets/AppContext.h"
#include "support/TestPaths.h"

#include <QtTest> // the whole of QtTest and QtWidgets, for every GUI test
#include <QtWidgets>
#include <filesystem>

namespace gorlin::test {

/// What the program gives its windows, over a temporary program folder that is also the table
/// folder: the settings and their store (gorlin.ini, not written until a window saves it), the
/// English (UK) conventions on 12 May 2019, scripted message boxes and file dialogs, the league
/// pages installed as the program installs them, terminate recorded, and `league` saved there
/// as LEAGUE.DIV.
struct GuiFixture {
    /// Three teams, "Arsenal", "Burnley" and "Chelsea", in a table named "Premier".
    static League DefaultLeague();

    explicit GuiFixture(const League& league = DefaultLeague());

    TempDir dir;
    Settings settings;
    IniFile ini;
    Locale locale;
    ScriptedPrompter prompter;
    ScriptedFileDialogs dialogs;
    AppContext context;
    int terminated = 0;
    std::filesystem::path file;
};

QString Q(const std::filesystem::path& path);

/// The named child; a missing control ends the test run with its name.
template <typename T> T* Child(const QObject* parent, const char* name) {
    T* child = parent->findChild<T*>(name);
    if (child == nullptr)
        qFatal("no control %s", name);
    return child;
}

/// Clicks the named button (any QAbstractButton) with the mouse.
void Click(const QObject* parent, const char* name);

/// Saves a PNG of the widget as $GORLIN_SCREENSHOTS/<name>.png when that variable is set.
void Screenshot(QWidget* widget, const QString& name);

} // namespace gorlin::test
