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

QString Q(const std::filesystem::path& path);

/// English (UK) conventions on `today`.
Locale UkConventions(QDate today);

/// What the program gives its windows over a temporary program folder: the settings and their
/// store (gorlin.ini, not written until a window saves it), the conventions given (English (UK)
/// on 12 May 2019 by default), scripted message boxes, and file dialogs of the test's choosing.
template <typename Dialogs> struct ProgramContext {
    explicit ProgramContext(const Locale& conventions = UkConventions(QDate(2019, 5, 12)))
        : locale(conventions) {}

    TempDir dir;
    Settings settings;
    IniFile ini{(dir / kSettingsFileName).string()};
    Locale locale;
    ScriptedPrompter prompter;
    Dialogs dialogs;
    AppContext context{settings, ini, locale, prompter, dialogs, Q(dir.Path()) + "/"};
};

/// Makes `dir` the table folder, installs the league pages as the program installs them, and
/// saves `league` there as LEAGUE.DIV, whose path it returns.
std::filesystem::path SaveInTableFolder(const TempDir& dir, Settings& settings, AppContext& context,
                                        const League& league);

/// A program context that is also the table folder, with the league pages installed as the
/// program installs them, terminate recorded, and `league` saved there as LEAGUE.DIV.
struct GuiFixture : ProgramContext<ScriptedFileDialogs> {
    /// Three teams, "Arsenal", "Burnley" and "Chelsea", in a table named "Premier".
    static League DefaultLeague();

    explicit GuiFixture(const League& league = DefaultLeague());

    int terminated = 0;
    std::filesystem::path file;
};

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
