#include "gui/app/NewTableWizard.h"

#include "cli/Cli.h"
#include "core/model/LeagueFile.h"
#include "gui/app/FolderWindow.h"
#include "gui/app/HelpWindow.h"
#include "gui/app/LeagueWindow.h"
#include "gui/league/LeaguePages.h"
#include "gui/support/GuiFixture.h"
#include "gui/support/ScriptedPrompter.h"
#include "platform/SystemLocale.h"
#include "support/LeagueBuilder.h"
#include "support/TestPaths.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTableView>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>
#include <fstream>
#include <sstream>

using namespace gorlin;
using test::Q;
namespace fs = std::filesystem;

namespace {

/// Answers save dialogs from a script and records what each was given.
class SaveDialogs final : public FileDialogs {
public:
    std::deque<QString> Answers;
    QStringList Asked; // caption|folder|filter|extension

    QString OpenFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString SaveFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString Folder(QWidget*, const QString&, const QString&) override { return {}; }
    QString SaveFileAs(QWidget*, const QString& caption, const QString& dir, const QString& filter,
                       const QString& extension) override {
        Asked << caption + "|" + dir + "|" + filter + "|" + extension;
        if (Answers.empty())
            return {};
        const QString a = Answers.front();
        Answers.pop_front();
        return a;
    }
};

/// A program folder with a table folder, scripted message boxes and save dialogs.
struct Fixture : test::ProgramContext<SaveDialogs> {

    Fixture() {
        context.installLeaguePages = InstallLeaguePages;
        fs::create_directories(Tables());
        settings.FilePath = Tables().string() + "/";
    }
    fs::path Tables() const { return dir / "tables"; }
    std::vector<DivFileRec> DivFiles() const { return ScanTableFolder(Tables(), true).DivFiles; }
};

void WriteLeague(const fs::path& path, League league, const std::string& title) {
    league.Head.TableName = title;
    QVERIFY(SaveLeague(league, path, SaveOptions{false}).Ok);
}

template <typename T> T* Get(QWidget* w, const char* name) {
    T* found = w->findChild<T*>(name);
    if (found == nullptr)
        qFatal("no control %s", name);
    return found;
}

QStringList Items(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

QStringList Ticked(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->checkState() == Qt::Checked)
            out << list->item(i)->text();
    return out;
}

QString HeadingOf(NewTableWizard& w) {
    return Get<QLabel>(&w, "lbHeading")->text() + "|" + Get<QLabel>(&w, "lbSubHeading")->text();
}

void Next(NewTableWizard& w) {
    Get<QPushButton>(&w, "btnNext")->click();
}

void Shot(NewTableWizard& w) {
    QCoreApplication::processEvents(); // lays out what the page changed, as the event loop would
    test::Screenshot(&w, QStringLiteral("NewTableWizard-page%1").arg(w.Page(), 2, 10, QChar('0')));
}

/// Types a name into the name box and presses Enter.
void TypeName(NewTableWizard& w, const QString& name) {
    auto* box = Get<QLineEdit>(&w, "edTeamName");
    box->setText(name);
    QTest::keyClick(box, Qt::Key_Return);
}

std::string Roster(const League& l) {
    std::string out;
    for (int p = 1; p <= l.Head.PlayerCount; ++p)
        out += l.Players[static_cast<std::size_t>(p)].Name.str() + "@" +
               std::to_string(l.Players[static_cast<std::size_t>(p)].Team) + " ";
    return out;
}

/// The next control Tab moves to from `w`.
QWidget* NextTabStop(QWidget* w) {
    QWidget* next = w->nextInFocusChain();
    while (next != w && (next->focusPolicy() & Qt::TabFocus) == 0)
        next = next->nextInFocusChain();
    return next;
}

/// The file passes the command line's check as the table folder does.
bool PassesCheck(const QString& file) {
    std::ostringstream out, err;
    return cli::Main({"check", file.toStdString()}, out, err) == cli::kExitOk;
}

} // namespace

class NewTableWizardTest : public QObject {
    Q_OBJECT
private slots:
    void fromScratchThroughEveryCheck();
    void fromBaseTablesThroughEveryCheck();
    void folderWindowNewRunsTheWizardAndSelectsTheTable();
    void helpAndCancel();
    void realSaveDialogAddsTheExtensionAndAsksBeforeReplacing();
};

void NewTableWizardTest::fromScratchThroughEveryCheck() {
    Fixture f;
    NewTableWizard w(f.context, f.DivFiles());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* next = Get<QPushButton>(&w, "btnNext");
    auto* back = Get<QPushButton>(&w, "btnBack");
    QVERIFY(next->isDefault());
    QVERIFY(!back->isEnabled());
    QCOMPARE(next->text(), QString("Next >"));
    QCOMPARE(HeadingOf(w), QString("Gorlin New Table Wizard|"));
    Shot(w);

    Next(w);
    QCOMPARE(HeadingOf(w), QString("Table Source|Select how to create the table"));
    QVERIFY(back->isEnabled());
    QVERIFY(Get<QRadioButton>(&w, "rbScratch")->isChecked());
    Shot(w);

    // Page 2: a name is needed; the number of teams starts at 4 and stays within 4..32.
    Next(w);
    QCOMPARE(HeadingOf(w), QString("Table Name and Size|Enter the table name and number of teams"));
    auto* teams = Get<QSpinBox>(&w, "udNumTeams");
    QCOMPARE(QList<int>({teams->value(), teams->minimum(), teams->maximum()}), QList<int>({4, 4, 32}));
    Get<QLineEdit>(&w, "edTableName")->setText("   ");
    Shot(w);
    Next(w);
    QCOMPARE(f.prompter.Texts(), QStringList{"Please enter a name for the new table"});
    QVERIFY(f.prompter.Messages[0].startsWith("error: "));
    QCOMPARE(w.Page(), kNameSizePage);
    QCOMPARE(QApplication::focusWidget(), Get<QLineEdit>(&w, "edTableName"));
    Get<QLineEdit>(&w, "edTableName")->setText("Sunday League");

    // From scratch the base table pages are skipped both ways.
    Next(w);
    QCOMPARE(w.Page(), kTeamNamesPage);
    back->click();
    QCOMPARE(w.Page(), kNameSizePage);
    Next(w);
    QCOMPARE(HeadingOf(w), QString("Team Names|Enter the name of each team"));

    // Page 5: Add and Enter, a beep for nothing, Edit and double click, the remaining panel.
    auto* names = Get<QListWidget>(&w, "lbTeamNames");
    auto* remaining = Get<QLabel>(&w, "pnlRemaining");
    auto* add = Get<QPushButton>(&w, "btnAdd");
    QCOMPARE(remaining->text(), QString("4 more teams required"));
    add->click();
    QCOMPARE(f.prompter.Beeps, 1);
    TypeName(w, "Rovers");
    Get<QLineEdit>(&w, "edTeamName")->setText("City");
    add->click();
    TypeName(w, "Athletic");
    QCOMPARE(Items(names), QStringList({"Athletic", "City", "Rovers"}));
    QCOMPARE(remaining->text(), QString("One more team required"));
    QCOMPARE(w.Page(), kTeamNamesPage); // Enter added the name and did not go on
    Next(w);
    QCOMPARE(f.prompter.Texts().last(), QString("You have not yet added all the team names"));
    TypeName(w, "City");
    QCOMPARE(remaining->text(), QString("All teams entered"));
    QVERIFY(!add->isEnabled());
    Shot(w);
    Next(w);
    QCOMPARE(f.prompter.Texts().last(), QString("Duplicate team names entered, please correct"));
    QCOMPARE(f.prompter.Messages.size(), 3);

    names->setCurrentRow(2);
    Get<QPushButton>(&w, "btnEdit")->click();
    QCOMPARE(Get<QLineEdit>(&w, "edTeamName")->text(), QString("City"));
    QCOMPARE(Items(names), QStringList({"Athletic", "City", "Rovers"}));
    emit names->itemDoubleClicked(names->item(0));
    QCOMPARE(Get<QLineEdit>(&w, "edTeamName")->text(), QString("Athletic"));
    QCOMPARE(remaining->text(), QString("2 more teams required"));
    TypeName(w, "Athletic");
    TypeName(w, "Town");
    // The names stay when going back to page 2 and on again.
    back->click();
    Next(w);
    QCOMPARE(Items(names), QStringList({"Athletic", "City", "Rovers", "Town"}));
    // With every name in, Enter is Next's.
    QTest::keyClick(Get<QLineEdit>(&w, "edTeamName"), Qt::Key_Return);
    QCOMPARE(w.Page(), kTimesToPlayPage);
    QCOMPARE(HeadingOf(w), QString("Times to Play|Enter the number of times teams play each other"));
    Shot(w);
    auto* times = Get<QSpinBox>(&w, "udPlayTimes");
    QCOMPARE(QList<int>({times->value(), times->minimum(), times->maximum()}), QList<int>({2, 0, 8}));
    times->setValue(3);

    Next(w);
    QCOMPARE(HeadingOf(w), QString("Game Points|Enter the points awarded for a win, draw and loss"));
    const QList<std::tuple<const char*, int, int, int>> points = {
        {"udWinPoints", 3, 1, 9}, {"udDrawPoints", 1, 1, 5}, {"udLossPoints", 0, 0, 4}};
    for (const auto& [name, value, min, max] : points) {
        auto* spin = Get<QSpinBox>(&w, name);
        QCOMPARE(QList<int>({spin->value(), spin->minimum(), spin->maximum()}),
                 QList<int>({value, min, max}));
    }
    Get<QSpinBox>(&w, "udWinPoints")->setValue(2);
    Shot(w);

    Next(w);
    QCOMPARE(HeadingOf(w), QString("Own Team|Select your own team"));
    auto* own = Get<QListWidget>(&w, "lbOwnTeam");
    QCOMPARE(Items(own), QStringList({"*** None ***", "Athletic", "City", "Rovers", "Town"}));
    QCOMPARE(own->currentRow(), 0);
    own->setCurrentRow(2);
    Shot(w);

    Next(w);
    QCOMPARE(HeadingOf(w),
             QString("Promotion/Relegation|Enter number of teams promoted/relegated and in playoffs"));
    for (const char* name : {"udPromoted", "udPlayOffs", "udRelegated", "udRelPlayOffs"}) {
        auto* spin = Get<QSpinBox>(&w, name);
        QCOMPARE(QList<int>({spin->value(), spin->minimum(), spin->maximum()}), QList<int>({0, 0, 9}));
    }
    Get<QSpinBox>(&w, "udPromoted")->setValue(1);
    Get<QSpinBox>(&w, "udRelPlayOffs")->setValue(2);
    Shot(w);

    Next(w);
    QCOMPARE(HeadingOf(w),
             QString("Team Size/Half Time|Enter the number of players in a team and the length of "
                     "each half"));
    QCOMPARE(next->text(), QString("Finish"));
    auto* size = Get<QSpinBox>(&w, "udTeamSize");
    auto* half = Get<QSpinBox>(&w, "udHalfLength");
    QCOMPARE(QList<int>({size->value(), size->minimum(), size->maximum(), half->value(), half->minimum(),
                         half->maximum()}),
             QList<int>({11, 5, 11, 45, 10, 45}));
    half->setValue(40);
    Shot(w);

    // Going back to page 8 keeps the chosen line.
    back->click();
    back->click();
    QCOMPARE(own->currentRow(), 2);
    Next(w);
    Next(w);

    // A cancelled save dialog keeps the wizard on its last page; then the file is written.
    const QString file = Q(f.Tables() / "SUNDAY.DIV");
    Next(w);
    QCOMPARE(w.Page(), kTeamSizePage);
    QVERIFY(w.isVisible());
    QVERIFY(!QFile::exists(file));
    QCOMPARE(f.dialogs.Asked,
             QStringList{"Save New Table|" + f.context.TableFolder() + "|League Division (*.div)|div"});
    // A file that cannot be written is reported and the wizard stays.
    f.dialogs.Answers = {Q(f.Tables() / "missing" / "SUNDAY.DIV")};
    Next(w);
    QCOMPARE(f.prompter.Messages.size(), 4);
    QVERIFY(f.prompter.Messages.last().startsWith("error: "));
    QVERIFY(f.prompter.Texts().last().startsWith("The new table could not be written to " +
                                                 Q(f.Tables() / "missing" / "SUNDAY.DIV")));
    QCOMPARE(w.Page(), kTeamSizePage);
    QVERIFY(w.isVisible());
    f.dialogs.Answers = {file};
    Next(w);
    QCOMPARE(w.result(), int(QDialog::Accepted));
    QCOMPARE(w.SavedFile(), file);
    QCOMPARE(f.prompter.Messages.size(), 4);

    QVERIFY(PassesCheck(file));
    auto league = LoadLeague(f.Tables() / "SUNDAY.DIV");
    QVERIFY(league);
    const DivHead& h = league->Head;
    QCOMPARE(QString::fromStdString(h.TableName.str()), QString("Sunday League"));
    QCOMPARE(QString::fromStdString(league->Teams[2].Name.str()), QString("City"));
    QCOMPARE(QList<int>({h.TeamCount, h.TimesToPlay, h.GameCount, h.WinPoints, h.OwnTeam, h.Promoted,
                         h.RelPlayOffs, h.TeamSize, h.HalfLength}),
             QList<int>({4, 3, 18, 2, 2, 1, 2, 11, 40}));
}

void NewTableWizardTest::fromBaseTablesThroughEveryCheck() {
    Fixture f;
    test::LeagueBuilder a;
    a.Teams({"City", "United", "Rovers"});
    a.Player("A1", 2);
    a.Player("A2", 1);
    WriteLeague(f.Tables() / "LAST.DIV", a.Build(), "Last Season");
    test::LeagueBuilder b;
    b.Teams({"Athletic", "United"});
    b.Player("B1", 2);
    b.Player("B2", 1);
    b.Referee("Ref");
    WriteLeague(f.Tables() / "OTHER.DIV", b.Build(), "Other Division");
    WriteLeague(f.Tables() / "SPARE.DIV", b.Build(), "Spare");
    fs::copy_file(test::DataDir() / "eras" / "v44.DIV", f.Tables() / "OLD.DIV"); // "Old League"

    // A table deleted since the folder was scanned is not offered.
    WriteLeague(f.Tables() / "GONE.DIV", b.Build(), "Gone");
    const std::vector<DivFileRec> divFiles = f.DivFiles();
    fs::remove(f.Tables() / "GONE.DIV");

    NewTableWizard w(f.context, divFiles);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    Next(w);
    Get<QRadioButton>(&w, "rbExisting")->setChecked(true);
    Next(w);
    Get<QLineEdit>(&w, "edTableName")->setText("Next Season");
    Next(w);
    QCOMPARE(HeadingOf(w), QString("Base Table|Select existing table(s) as a base for the new table"));

    // Page 3: one to three tables, none of them downlevel.
    auto* tables = Get<QListWidget>(&w, "lbTables");
    QCOMPARE(Items(tables), QStringList({"Last Season", "Old League", "Other Division", "Spare"}));
    QVERIFY(!Get<QCheckBox>(&w, "cbCopyPlayers")->isChecked());
    QVERIFY(!Get<QCheckBox>(&w, "cbCopyReferees")->isChecked());
    Next(w);
    tables->selectAll();
    Next(w);
    tables->clearSelection();
    tables->item(0)->setSelected(true);
    tables->item(1)->setSelected(true);
    Next(w);
    QCOMPARE(f.prompter.Texts(), QStringList({"You must select at least one and not more than three tables",
                                              "You must select at least one and not more than three tables",
                                              "One or more selected base file is downlevel"}));
    QCOMPARE(w.Page(), kBaseTablePage);
    tables->item(1)->setSelected(false);
    tables->item(2)->setSelected(true);
    Get<QCheckBox>(&w, "cbCopyPlayers")->setChecked(true);
    Shot(w);
    Next(w);

    // Page 4: a tab per table; ticks survive switching tabs; at least one, at most four.
    QCOMPARE(HeadingOf(w), QString("Select Teams|Select the teams to be included in the new table"));
    auto* tabs = Get<QTabBar>(&w, "tcTables");
    auto* list = Get<QListWidget>(&w, "clbTeams");
    QCOMPARE(QStringList({tabs->tabText(0), tabs->tabText(1)}), QStringList({"Table 1", "Table 2"}));
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(Items(list), QStringList({"City", "United", "Rovers"}));
    Next(w);
    QCOMPARE(f.prompter.Texts().last(), QString("Please select at least one team"));
    Get<QPushButton>(&w, "btnSelectAll")->click();
    tabs->setCurrentIndex(1);
    QCOMPARE(Items(list), QStringList({"Athletic", "United"}));
    QCOMPARE(Ticked(list), QStringList());
    Get<QPushButton>(&w, "btnSelectAll")->click();
    Next(w);
    QCOMPARE(f.prompter.Texts().last(), QString("You have selected too many teams"));
    Get<QPushButton>(&w, "btnClearAll")->click();
    QCOMPARE(Ticked(list), QStringList());
    tabs->setCurrentIndex(0);
    QCOMPARE(Ticked(list), QStringList({"City", "United", "Rovers"}));
    list->item(0)->setCheckState(Qt::Unchecked);
    tabs->setCurrentIndex(1);
    list->item(1)->setCheckState(Qt::Checked); // United of table 2
    tabs->setCurrentIndex(0);
    QCOMPARE(Ticked(list), QStringList({"United", "Rovers"}));
    Shot(w);

    // Page 5 takes the ticked names; the two Uniteds must be told apart.
    Next(w);
    auto* names = Get<QListWidget>(&w, "lbTeamNames");
    QCOMPARE(Items(names), QStringList({"Rovers", "United", "United"}));
    QCOMPARE(Get<QLabel>(&w, "pnlRemaining")->text(), QString("One more team required"));
    TypeName(w, "City");
    Next(w);
    QCOMPARE(f.prompter.Texts().last(), QString("Duplicate team names entered, please correct"));
    QCOMPARE(f.prompter.Messages.size(), 6);

    // Back returns to page 4; going forward again replaces the names by the ticked ones.
    Get<QPushButton>(&w, "btnBack")->click();
    QCOMPARE(w.Page(), kSelectTeamsPage);
    QCOMPARE(Ticked(list), QStringList({"United", "Rovers"}));
    tabs->setCurrentIndex(1);
    list->item(1)->setCheckState(Qt::Unchecked);
    Next(w);
    QCOMPARE(Items(names), QStringList({"Rovers", "United"}));
    TypeName(w, "Athletic");
    TypeName(w, "Zeta");
    for (int page = kTeamNamesPage; page < kTeamSizePage; ++page)
        Next(w);
    const QString file = Q(f.Tables() / "NEXT.DIV");
    f.dialogs.Answers = {file};
    Next(w);
    QCOMPARE(w.SavedFile(), file);
    QCOMPARE(f.prompter.Messages.size(), 6);

    // Athletic 1 (B's Athletic), Rovers 2, United 3 (both tables' United), Zeta 4; no referees.
    QVERIFY(PassesCheck(file));
    auto league = LoadLeague(f.Tables() / "NEXT.DIV");
    QVERIFY(league);
    QCOMPARE(QString::fromStdString(Roster(*league)), QString("B2@1 A1@3 B1@3 "));
    QCOMPARE(int(league->Head.RefereeCount), 0);

    // The new table opens in the league window.
    LeagueWindow window(f.context);
    QVERIFY(window.Load(file));
    QCOMPARE(window.windowTitle(), QString("Gorlin 4.7 - Next Season"));
    auto* grid = window.findChild<QTableView*>("sgLeague");
    QVERIFY(grid != nullptr);
    QVERIFY(grid->model()->rowCount() >= 4);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    test::Screenshot(&window, "NewTableWizard-opened");
}

void NewTableWizardTest::folderWindowNewRunsTheWizardAndSelectsTheTable() {
    Fixture f;
    WriteLeague(f.Tables() / "AAA.DIV", test::LeagueBuilder().Teams({"A", "B", "C", "D"}).Build(), "First");
    fs::create_directories(f.Tables() / "cups");
    FolderWindow folder(f.context);
    QVERIFY(Get<QPushButton>(&folder, "btnNew")->isEnabled());

    // Walks the wizard from scratch with four teams, saving into the sub-folder.
    f.dialogs.Answers = {Q(f.Tables() / "cups" / "ZCUP.DIV")};
    bool ran = false;
    QTimer::singleShot(0, &folder, [&] {
        auto* w = qobject_cast<NewTableWizard*>(QApplication::activeModalWidget());
        QVERIFY(w != nullptr);
        ran = true;
        QCOMPARE(w->Page(), kIntroPage);
        Next(*w);
        Next(*w);
        Get<QLineEdit>(w, "edTableName")->setText("Zonal Cup");
        Next(*w);
        for (const char* team : {"North", "South", "East", "West"})
            TypeName(*w, team);
        for (int page = kTeamNamesPage; page <= kTeamSizePage; ++page)
            Next(*w);
    });
    Get<QPushButton>(&folder, "btnNew")->click();
    QVERIFY(ran);
    QVERIFY(f.prompter.Messages.isEmpty());
    QCOMPARE(folder.DivFileCount(), 2);
    QTreeWidgetItem* current = folder.Tree()->currentItem();
    QVERIFY(current != nullptr);
    QCOMPARE(current->text(0), QString("Zonal Cup"));
    QVERIFY(current->parent() != nullptr && current->parent()->isExpanded());
    test::Screenshot(&folder, "NewTableWizard-folder");

    // Cancel writes nothing and leaves the first table selected.
    QTimer::singleShot(0, &folder, [] {
        auto* w = qobject_cast<NewTableWizard*>(QApplication::activeModalWidget());
        QVERIFY(w != nullptr);
        Get<QPushButton>(w, "btnCancel")->click();
    });
    Get<QPushButton>(&folder, "btnNew")->click();
    QCOMPARE(folder.DivFileCount(), 2);
    QCOMPARE(folder.Tree()->currentItem()->text(0), QString("First"));
}

void NewTableWizardTest::helpAndCancel() {
    Fixture f;
    NewTableWizard w(f.context, f.DivFiles());
    w.show();
    Get<QPushButton>(&w, "btnHelp")->click();
    QVERIFY(w.Help() != nullptr && w.Help()->isVisible());
    QCOMPARE(w.Help()->Browser()->source().toString(), QString("qrc:/guide/newtable.html"));
    QCOMPARE(w.Help()->Browser()->documentTitle(), QString("The New Table wizard"));

    // The captions read as given; '&' only marks the keyboard shortcut.
    const QList<std::pair<const char*, const char*>> captions = {{"rbScratch", kFromScratchCaption},
                                                                 {"rbExisting", kFromTablesCaption},
                                                                 {"cbCopyPlayers", kCopyPlayersCaption},
                                                                 {"cbCopyReferees", kCopyRefereesCaption},
                                                                 {"btnSelectAll", kSelectAllCaption},
                                                                 {"btnClearAll", kClearAllCaption},
                                                                 {"btnAdd", kAddCaption},
                                                                 {"btnEdit", kEditCaption}};
    for (const auto& [name, caption] : captions)
        QCOMPARE(Get<QAbstractButton>(&w, name)->text().remove('&'), QString(caption));
    QCOMPARE(Get<QLabel>(&w, "lbBaseNote")->text(), QString(kBaseLevelNote));

    // The tab order on page 5 starts at the name box.
    auto* box = Get<QLineEdit>(&w, "edTeamName");
    QCOMPARE(NextTabStop(box), Get<QPushButton>(&w, "btnAdd"));
    QCOMPARE(NextTabStop(Get<QPushButton>(&w, "btnAdd")), Get<QPushButton>(&w, "btnEdit"));
    QCOMPARE(NextTabStop(Get<QPushButton>(&w, "btnEdit")), Get<QListWidget>(&w, "lbTeamNames"));

    Get<QPushButton>(&w, "btnCancel")->click();
    QCOMPARE(w.result(), int(QDialog::Rejected));
    QVERIFY(f.dialogs.Asked.isEmpty());
}

void NewTableWizardTest::realSaveDialogAddsTheExtensionAndAsksBeforeReplacing() {
    test::TempDir dir;
    std::ofstream(dir / "OLD.div") << "x";
    QtFileDialogs dialogs;
    QWidget parent;
    QString asked;
    auto answer = [&](const QString& typed) {
        QTimer::singleShot(0, [&asked, typed] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            dialog->selectFile(typed);
            // Replacing a file is asked about in a box of its own: answer No.
            QTimer::singleShot(0, [&asked] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    asked = box->text();
                    box->button(QMessageBox::No)->click();
                }
            });
            QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection); // as the Save button does
            if (dialog->isVisible())
                dialog->reject();
        });
    };
    answer("NEW");
    QCOMPARE(dialogs.SaveFileAs(&parent, "Save", Q(dir.Path()), "League Division (*.div)", "div"),
             Q(dir / "NEW.div"));
    QVERIFY(asked.isEmpty());
    answer("OLD");
    QCOMPARE(dialogs.SaveFileAs(&parent, "Save", Q(dir.Path()), "League Division (*.div)", "div"), QString());
    QVERIFY(asked.contains("OLD.div"));
}

QTEST_MAIN(NewTableWizardTest)
#include "NewTableWizardTest.moc"
