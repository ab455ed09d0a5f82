#include "gui/query/QueryWindow.h"

#include "core/engine/GameFilter.h"
#include "core/model/Dates.h"
#include "core/model/LeagueFile.h"
#include "gui/app/LeagueWindow.h"
#include "gui/league/LeaguePages.h"
#include "gui/query/SaveQueryDialog.h"
#include "gui/support/GuiFixture.h"
#include "gui/support/ScriptedPrompter.h"
#include "gui/widgets/AppContext.h"
#include "support/LeagueBuilder.h"
#include "support/TestPaths.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <deque>
#include <memory>

using namespace gorlin;

namespace {

/// Rovers, Albion and City with Athletic outside the league; two league games and an FA Cup
/// game; Müller scored in both competitions.
League SmallLeague() {
    test::LeagueBuilder b;
    b.Teams({"Rovers", "Albion", "City"}).OtherTeams({"Athletic"}).Comp("FA Cup", "FAC");
    const int g1 = b.Played(1, 2, 3, 1, ToDayNumber(2019, 1, 5));
    b.Played(2, 3, 4, 3, ToDayNumber(2019, 2, 10));
    const int cup = b.CupGame(1, 4, 2, 0, ToDayNumber(2019, 1, 20));
    const int muller = b.Player("M\xFCller", 1);
    b.Goal(g1, 1, muller, 10);
    b.Goal(cup, 1, muller, 40);
    League league = b.Build();
    league.Head.GameType = kLeagueAndCup;
    return league;
}

struct Fixture : test::ProgramContext<test::ScriptedFileDialogs> {
    League league = SmallLeague();

    Fixture() : ProgramContext(Locale{}) { locale.Today = ToDayNumber(2019, 6, 1); }

    /// The settings file as stored on disk.
    IniFile Stored() const {
        IniFile stored(ini.Path());
        stored.Load();
        return stored;
    }
};

template <typename T> T* Child(QWidget& window, const char* name) {
    T* child = window.findChild<T*>(name);
    if (child == nullptr)
        qFatal("no child %s", name);
    return child;
}

QStringList Items(QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

/// Chooses an item of a drop-down as a user does.
void Choose(QComboBox* combo, const QString& text) {
    const int i = combo->findText(text);
    QVERIFY2(i >= 0, qPrintable(text));
    combo->setCurrentIndex(i);
    emit combo->activated(i);
}

/// The row of the field list holding a field.
QModelIndex FieldItem(QListView* fields, const QString& name) {
    const QModelIndexList found =
        fields->model()->match(fields->model()->index(0, 0), Qt::DisplayRole, name, 1, Qt::MatchExactly);
    return found.isEmpty() ? QModelIndex() : found.front();
}

/// Drags a field of the list and drops it on a column of the design grid.
void DragField(QueryWindow& w, const QString& name, int column) {
    auto* fields = Child<QListView>(w, "lbFields");
    auto* grid = Child<QTableView>(w, "sgQuery");
    std::unique_ptr<QMimeData> mime(fields->model()->mimeData({FieldItem(fields, name)}));
    QVERIFY(mime);
    const QPoint at = grid->visualRect(grid->model()->index(0, column)).center();
    QDragEnterEvent enter(at, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grid->viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDragMoveEvent move(at, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grid->viewport(), &move);
    QDropEvent drop(at, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grid->viewport(), &drop);
}

void DoubleClickField(QueryWindow& w, const QString& name) {
    auto* fields = Child<QListView>(w, "lbFields");
    const QPoint at = fields->visualRect(FieldItem(fields, name)).center();
    QTest::mouseClick(fields->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(fields->viewport(), Qt::LeftButton, {}, at);
}

/// The design grid's row (1..6) as shown, over the first columns.
QStringList GridRow(QueryWindow& w, int row, int columns) {
    auto* grid = Child<QTableView>(w, "sgQuery");
    QStringList cells;
    for (int c = 0; c < columns; ++c)
        cells << grid->model()->index(row - 1, c).data().toString();
    return cells;
}

/// The editor open in the design grid (closed ones are hidden until deleted).
template <typename T> T* OpenEditor(QTableView* grid) {
    for (T* editor : grid->findChildren<T*>())
        if (editor->isVisible())
            return editor;
    return nullptr;
}

/// Types into a text cell of the design grid and leaves it with Enter.
void TypeInto(QueryWindow& w, int row, int column, const QString& text) {
    auto* grid = Child<QTableView>(w, "sgQuery");
    grid->setCurrentIndex(grid->model()->index(row - 1, column));
    auto* edit = OpenEditor<QLineEdit>(grid);
    QVERIFY(edit);
    edit->selectAll();
    bool ascii = true;
    for (const QChar c : text)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii)
        QTest::keyClicks(edit, text); // key by key, through the box's checks
    else
        edit->insert(text);
    QTest::keyClick(edit, Qt::Key_Return);
    QCoreApplication::processEvents(); // Enter commits the box through the event queue
}

QStringList ResultRow(QueryWindow& w, int row) {
    auto* results = Child<QTableView>(w, "sgResults");
    QStringList cells;
    for (int c = 0; c < results->model()->columnCount(); ++c)
        cells << results->model()->index(row, c).data().toString();
    return cells;
}

} // namespace

class QueryWindowTest : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheTeamsTabWithThePredefinedQueries();
    void dragAndDropAndDoubleClickBuildTheDesign();
    void gridCellsColumnsAndMenu();
    void runShowsTheResultsAndRefusalsAnError();
    void saveAndReload();
    void saveQueryDialogWantsATitle();
    void gamesToIncludeIsTheLeaguesFilter();
    void queryButtonOnTheTablePage();
};

void QueryWindowTest::opensOnTheTeamsTabWithThePredefinedQueries() {
    Fixture f;
    QueryWindow w(f.league, f.context);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.windowTitle(), QString("Query - Design"));
    QVERIFY(w.minimumWidth() >= 647 && w.minimumHeight() >= 460);
    // Opening wrote the nine predefined queries to the settings file.
    QCOMPARE(f.Stored().ReadInt("Queries", "QryCount", 0), 9);
    QCOMPARE(Items(Child<QComboBox>(w, "cbQuery")),
             QStringList({"** None **", "Table Summary", "Crowd Summary", "Best Attack", "Best Defence"}));
    auto* fields = Child<QListView>(w, "lbFields");
    QCOMPARE(fields->model()->rowCount(), 38);

    // Another tab empties the design and offers its own fields and queries.
    DoubleClickField(w, "Team");
    QCOMPARE(w.Design().Count(), 1);
    Child<QToolButton>(w, "sbGoals")->click();
    QCOMPARE(w.Design().Count(), 0);
    QCOMPARE(fields->model()->rowCount(), 15);
    QCOMPARE(Items(Child<QComboBox>(w, "cbQuery")),
             QStringList({"** None **", "Penalty Goals", "Own Goals"}));
    test::Screenshot(&w, "query-design-empty");
}

void QueryWindowTest::dragAndDropAndDoubleClickBuildTheDesign() {
    Fixture f;
    QueryWindow w(f.league, f.context);
    QAbstractItemModelTester tester(Child<QTableView>(w, "sgQuery")->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    DragField(w, "Points", 0); // an unused column: added last
    DragField(w, "Team", 3);   // unused again: after Points
    DragField(w, "Won", 1);    // a used column: inserted there
    DoubleClickField(w, "Lost");
    QCOMPARE(GridRow(w, kRowField, 5), QStringList({"Points", "Won", "Team", "Lost", ""}));
    QCOMPARE(GridRow(w, kRowInclude, 4), QStringList({"X", "X", "X", "X"}));

    // The grid holds 22 columns: the 23rd field only beeps, dropped or double-clicked.
    while (w.Design().Count() < kMaxDesignColumns)
        DoubleClickField(w, "Drawn");
    QCOMPARE(f.prompter.Beeps, 0);
    DoubleClickField(w, "Drawn");
    DragField(w, "Won", 0);
    QCOMPARE(w.Design().Count(), kMaxDesignColumns);
    QCOMPARE(f.prompter.Beeps, 2);
    QVERIFY(f.prompter.Messages.isEmpty());
}

void QueryWindowTest::gridCellsColumnsAndMenu() {
    Fixture f;
    QueryWindow w(f.league, f.context);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* grid = Child<QTableView>(w, "sgQuery");
    for (const char* name : {"Team", "Played", "For"})
        DoubleClickField(w, name);

    // The include box toggles with a click.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(2, 1)).center());
    QCOMPARE(GridRow(w, kRowInclude, 3), QStringList({"X", "", "X"}));

    // Text boxes: a double quote is refused, 40 characters at most.
    TypeInto(w, kRowCriteria, 2, ">\"2");
    TypeInto(w, kRowTitle, 0, QString(45, 'x'));
    QVERIFY(w.Design().Columns()[2].Criteria == ">2");
    QCOMPARE(w.Design().Columns()[0].Title.size(), std::size_t(40));

    // The drop-downs: a field replaces the column's field; the sort shows in its cell.
    grid->setCurrentIndex(grid->model()->index(kRowField - 1, 1));
    auto* fieldBox = OpenEditor<QComboBox>(grid);
    QVERIFY(fieldBox);
    QCOMPARE(fieldBox->currentText(), QString("Played"));
    QTest::keyClick(fieldBox, Qt::Key_Down); // "Won"
    grid->setCurrentIndex(grid->model()->index(kRowSort - 1, 2));
    auto* sortBox = OpenEditor<QComboBox>(grid);
    QVERIFY(sortBox);
    QTest::keyClick(sortBox, Qt::Key_Up); // from "(not sorted)" to "Descending"
    grid->setCurrentIndex({});
    QCOMPARE(GridRow(w, kRowField, 3), QStringList({"Team", "Won", "For"}));
    QCOMPARE(GridRow(w, kRowSort, 3), QStringList({"", "", "Descending"}));
    test::Screenshot(&w, "query-design");

    // Dragging a column by its top row moves it; the header itself stays in order.
    grid->horizontalHeader()->moveSection(0, 2);
    QCOMPARE(GridRow(w, kRowField, 3), QStringList({"Won", "For", "Team"}));
    QCOMPARE(grid->horizontalHeader()->visualIndex(0), 0);

    // The right-click menu acts on a used column only.
    QVERIFY(!w.PopupFor(3));
    QVERIFY(w.PopupFor(1));
    Child<QAction>(*w.Popup(), "miAscending")->trigger();
    QCOMPARE(GridRow(w, kRowSort, 3), QStringList({"", "Ascending", ""}));
    QVERIFY(w.PopupFor(0));
    Child<QAction>(*w.Popup(), "miDelete")->trigger();
    QCOMPARE(GridRow(w, kRowField, 3), QStringList({"For", "Team", ""}));
}

void QueryWindowTest::runShowsTheResultsAndRefusalsAnError() {
    Fixture f;
    QueryWindow w(f.league, f.context);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* results = Child<QTableView>(w, "sgResults");
    QAbstractItemModelTester tester(results->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);

    Choose(Child<QComboBox>(w, "cbQuery"), "Best Attack");
    QCOMPARE(GridRow(w, kRowField, 5), QStringList({"Team", "Played", "For", "Attack", ""}));
    Child<QPushButton>(w, "btnRun")->click();
    QVERIFY(w.ShowingResults());
    QCOMPARE(w.windowTitle(), QString("Query - Results"));
    QCOMPARE(Child<QLabel>(w, "pnlStatus")->text(), QString(" Number of rows: 4")); // league and cup
    QCOMPARE(results->model()->headerData(3, Qt::Horizontal).toString(), QString("Attack"));
    QCOMPARE(ResultRow(w, 0), QStringList({"City", "1", "3", "3.00"}));
    QCOMPARE(ResultRow(w, 1), QStringList({"Rovers", "2", "5", "2.50"})); // ties keep team order
    QVERIFY(results->model()->index(0, 3).data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight);
    QVERIFY(results->model()->index(0, 0).data(Qt::TextAlignmentRole).toInt() & Qt::AlignLeft);
    QVERIFY(results->columnWidth(0) > results->fontMetrics().horizontalAdvance("Athletic"));
    test::Screenshot(&w, "query-results");

    Child<QPushButton>(w, "btnDesign")->click();
    QCOMPARE(w.windowTitle(), QString("Query - Design"));
    // No row selected: the headings and one empty row.
    TypeInto(w, kRowCriteria, 1, ">9");
    Child<QPushButton>(w, "btnRun")->click();
    QCOMPARE(results->model()->rowCount(), 1);
    QCOMPARE(ResultRow(w, 0), QStringList({"", "", "", ""}));
    QCOMPARE(Child<QLabel>(w, "pnlStatus")->text(), QString(" Number of rows: 0"));
    Child<QPushButton>(w, "btnDesign")->click();

    // A refused run shows the message once and stays on the design.
    TypeInto(w, kRowCriteria, 1, "many");
    Child<QPushButton>(w, "btnRun")->click();
    QCOMPARE(f.prompter.Messages.size(), 1);
    QVERIFY(f.prompter.Messages[0].startsWith(
        "error: Selection criteria for field Played is not valid for the following reason: "));
    QVERIFY(!w.ShowingResults());
    QCOMPARE(w.windowTitle(), QString("Query - Design"));
    QVERIFY(w.Design().Columns()[1].Criteria == "many");
}

void QueryWindowTest::saveAndReload() {
    Fixture f;
    QStringList offered;
    std::deque<std::optional<QString>> answers = {QString("Mine"), std::nullopt, QString("Mine")};
    const auto asker = [&](QWidget*, const QString& title) {
        offered << title;
        const std::optional<QString> answer = answers.front();
        answers.pop_front();
        return answer;
    };
    std::string saved;
    {
        QueryWindow w(f.league, f.context);
        w.SetTitleAsker(asker);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        Child<QToolButton>(w, "sbPlayers")->click();

        // Nothing to save: the message, no dialog.
        Child<QPushButton>(w, "btnSave")->click();
        QCOMPARE(f.prompter.Texts(),
                 QStringList({"No included Query fields. Add one or more included fields."}));
        QVERIFY(offered.isEmpty());

        DragField(w, "Player", 0);
        DragField(w, "TotalGoals", 1);
        TypeInto(w, kRowCriteria, 0, "m\u00fcl*");
        TypeInto(w, kRowTitle, 1, "Goals, all");
        saved = EncodeQuery(w.Design());
        Child<QPushButton>(w, "btnSave")->click();
        QCOMPARE(offered, QStringList({""}));
        QCOMPARE(f.Stored().ReadInt("Queries", "QryCount", 0), 10);
        QVERIFY(f.Stored().ReadString("Queries", "QryQuery10", "") == saved);
        QCOMPARE(Child<QComboBox>(w, "cbQuery")->currentText(), QString("Mine"));

        // Saving again offers the chosen query's title; Cancel saves nothing; the same title
        // on the same tab replaces.
        Child<QPushButton>(w, "btnSave")->click();
        DoubleClickField(w, "Team");
        Child<QPushButton>(w, "btnSave")->click();
        QCOMPARE(offered, QStringList({"", "Mine", "Mine"}));
        QCOMPARE(f.Stored().ReadInt("Queries", "QryCount", 0), 10);
        saved = EncodeQuery(w.Design());
        QVERIFY(f.Stored().ReadString("Queries", "QryQuery10", "") == saved);
    }
    // Another window reads it back from the settings file.
    IniFile reread(f.ini.Path());
    QVERIFY(reread.Load().Ok);
    AppContext context{f.settings, reread, f.locale, f.prompter, f.dialogs, f.context.programFolder};
    QueryWindow w(f.league, context);
    Child<QToolButton>(w, "sbPlayers")->click();
    QCOMPARE(Items(Child<QComboBox>(w, "cbQuery")), QStringList({"** None **", "Top Scorers", "Mine"}));
    Choose(Child<QComboBox>(w, "cbQuery"), "Mine");
    QVERIFY(EncodeQuery(w.Design()) == saved);
    Child<QPushButton>(w, "btnRun")->click();
    QCOMPARE(ResultRow(w, 0), QStringList({"M\u00fcller", "2", "Rovers"}));
    QCOMPARE(Child<QTableView>(w, "sgResults")->model()->headerData(1, Qt::Horizontal).toString(),
             QString("Goals, all"));
}

void QueryWindowTest::saveQueryDialogWantsATitle() {
    test::ScriptedPrompter prompter;
    SaveQueryDialog dialog(prompter, "Best Attack");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QString("Save Query"));
    auto* title = Child<QLineEdit>(dialog, "edTitle");
    QCOMPARE(title->text(), QString("Best Attack"));
    QCOMPARE(title->maxLength(), 20);
    test::Screenshot(&dialog, "query-save-dialog");

    title->setText("   ");
    Child<QPushButton>(dialog, "btnOk")->click();
    QCOMPARE(prompter.Texts(), QStringList({"You must enter a title for the query"}));
    QVERIFY(dialog.isVisible());
    title->setText("  New one ");
    Child<QPushButton>(dialog, "btnOk")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Title(), QString("New one"));
}

void QueryWindowTest::gamesToIncludeIsTheLeaguesFilter() {
    Fixture f;
    f.league.Head.GameType = 9; // past the list: reset on opening
    {
        QueryWindow w(f.league, f.context);
        auto* games = Child<QComboBox>(w, "cbGames");
        QCOMPARE(Items(games), QStringList({"League Games Only", "League and Cup", "FA Cup"}));
        QCOMPARE(games->currentIndex(), 0);
        QCOMPARE(w.Rows().TeamRows.size(), std::size_t(3));
        Choose(games, "FA Cup");
        QCOMPARE(int(f.league.Head.GameType), 2);
        QCOMPARE(w.Rows().TeamRows.size(), std::size_t(4));
        QCOMPARE(w.Rows().GameRows.size(), std::size_t(1));
    }
    QVERIFY(!f.league.DataChanged);
    QCOMPARE(int(f.league.Head.GameType), 2); // kept after the window closed
}

void QueryWindowTest::queryButtonOnTheTablePage() {
    Fixture f;
    f.settings.FilePath = f.dir.Path().string() + "/";
    f.context.installLeaguePages = InstallLeaguePages;
    const auto file = f.dir / "SMALL.DIV";
    QVERIFY(SaveLeague(f.league, file, SaveOptions{false}).Ok);
    LeagueWindow window(f.context);
    QVERIFY(window.Load(QString::fromStdString(file.string())));
    auto* button = Child<QPushButton>(*window.Page(LeagueHost::kLeagueTablePage), "btnQuery");
    QCOMPARE(button->text(), QString("&Query"));
    QCOMPARE(button->toolTip(), QString("Perform adhoc queries"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    test::Screenshot(&window, "query-button");

    QString opened;
    QTimer::singleShot(0, [&] {
        auto* query = qobject_cast<QueryWindow*>(QApplication::activeModalWidget());
        if (query != nullptr) {
            opened = query->windowTitle() + " " + QString::number(query->Rows().TeamRows.size());
            query->close();
        }
    });
    button->click();
    QCOMPARE(opened, QString("Query - Design 4"));
}

QTEST_MAIN(QueryWindowTest)
#include "QueryWindowTest.moc"
