#include "gui/league/FixturesPage.h"

#include "core/engine/Prediction.h"
#include "core/engine/TableView.h"
#include "core/model/Dates.h"
#include "core/model/LeagueFile.h"
#include "gui/app/HelpWindow.h"
#include "gui/app/LeagueWindow.h"
#include "gui/league/FixtureDialogs.h"
#include "gui/league/FixturesModel.h"
#include "gui/league/LeaguePages.h"
#include "gui/league/LeagueTablePage.h"
#include "gui/support/GuiFixture.h"
#include "gui/support/ScriptedPrompter.h"
#include "gui/widgets/UpDown.h"
#include "support/LeagueBuilder.h"
#include "support/SeasonCsv.h"
#include "support/TestPaths.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <functional>

namespace gorlin {

class FixturesPageTest : public QObject {
    Q_OBJECT
private slots:
    void listsTeamsFixturesAndSortsByHeading();
    void gridEditsReachTheLeague();
    void deleteAndClearGoThroughThePrompter();
    void addFixtureDialog();
    void predictScoreDialog();
    void autoPredictionAndTheLeagueTable();
};

namespace {

int Day(int y, int m, int d) {
    return ToDayNumber(y, m, d);
}

Locale TestLocale() {
    Locale locale;
    locale.Today = Day(2024, 9, 1);
    return locale;
}

/// Ash, Birch and Cedar play the league, Elm only the Shield. Game 1 is played; fixtures in
/// date order: 2 Birch v Cedar (7 Sep, predicted 2-1), 5 Ash v Elm (Shield, 10 Sep), 4 Ash v
/// Cedar (14 Sep), 3 Cedar v Ash (undated).
League SmallLeague(int timesToPlay) {
    test::LeagueBuilder b;
    b.Teams({"Ash", "Birch", "Cedar"}).OtherTeams({"Elm"}).Comp("Shield", "SHD").TimesToPlay(timesToPlay);
    b.Played(1, 2, 1, 0, Day(2024, 8, 31));
    b.Fixture(2, 3, Day(2024, 9, 7), true, 2, 1);
    b.Fixture(3, 1, 0);
    b.Fixture(1, 3, Day(2024, 9, 14));
    const int cup = b.CupGame(1, 4, 0, 0, Day(2024, 9, 10));
    League league = b.Build();
    league.Games[static_cast<std::size_t>(cup)].Played = 0;
    return league;
}

struct Fixture {
    League league;
    Locale locale = TestLocale();
    test::ScriptedPrompter prompter;
    FixturesPage page;
    QList<int> presets; // of the scripted calendar
    int pick = 0;       // its answer

    explicit Fixture(int timesToPlay = 2) : league(SmallLeague(timesToPlay)), page(league, locale, prompter) {
        page.SetDatePicker([this](QWidget*, int preset, QPoint) {
            presets << preset;
            return pick;
        });
        page.resize(760, 360);
    }
    QTableView* Grid() { return page.findChild<QTableView*>("sgFixtures"); }
    QAbstractItemModel* Model() { return Grid()->model(); }
    QPushButton* Button(const char* name) { return page.findChild<QPushButton*>(name); }
    QAction* Item(const char* name) { return page.findChild<QAction*>(name); }
    const GameRec& Game(int g) const { return league.Games[static_cast<std::size_t>(g)]; }
    QStringList Column(int column) {
        QStringList out;
        for (int r = 0; r < Model()->rowCount(); ++r)
            out << Model()->index(r, column).data().toString();
        return out;
    }
    int RowOf(int game) {
        for (int r = 0; r < Model()->rowCount(); ++r)
            if (Model()->index(r, 0).data(FixturesModel::GameRole).toInt() == game)
                return r;
        return -1;
    }
    QPoint CellCentre(int game, int column) {
        return Grid()->visualRect(Model()->index(RowOf(game), column)).center();
    }
    void Click(int game, int column) {
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, CellCentre(game, column));
    }
    void DoubleClick(int game, int column) {
        Click(game, column); // the press before the double click
        QTest::mouseDClick(Grid()->viewport(), Qt::LeftButton, {}, CellCentre(game, column));
    }
    void Select(int game, int column) { Grid()->setCurrentIndex(Model()->index(RowOf(game), column)); }
    void Show() {
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
    }
};

/// Runs `act` on the modal dialog D once it is up (the page's handler is blocked in exec());
/// `act` closes it.
template <class D> void WhenOpen(std::function<void(D*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        timer->stop();
        timer->deleteLater();
        act(dialog);
        if (dialog->isVisible()) // a failed check inside act: never leave the test waiting
            dialog->reject();
    });
    timer->start();
}

QStringList Items(QComboBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

} // namespace

void FixturesPageTest::listsTeamsFixturesAndSortsByHeading() {
    Fixture f;
    QAbstractItemModelTester tester(f.Model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    f.Show();
    auto* team = f.page.findChild<QComboBox*>("cbTeam");
    QCOMPARE(Items(team), QStringList({" [All Teams]", "Ash", "Birch", "Cedar", "Elm"}));
    QStringList headings;
    for (int c = 0; c < f.Model()->columnCount(); ++c)
        headings << f.Model()->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(headings, QStringList({"Predicted", "Comp", "Date", "Home Team", "Away Team", "F", "A"}));
    QCOMPARE(f.Column(kFixHomeTeam), QStringList({"Birch", "Ash", "Ash", "Cedar"}));
    QCOMPARE(f.Column(kFixComp) + f.Column(kFixDate),
             QStringList({"LGE", "SHD", "LGE", "LGE", "07/09/2024", "10/09/2024", "14/09/2024", ""}));
    QVERIFY(!f.Model()->index(0, kFixPredicted).data(Qt::DecorationRole).value<QPixmap>().isNull());
    QVERIFY(f.Model()->index(1, kFixPredicted).data(Qt::DecorationRole).isNull());
    QCOMPARE(f.page.SelectedGame(), 2);          // the first row is selected
    QVERIFY(f.Button("btnDelete")->isEnabled()); // the cup fixture
    QVERIFY(!f.Button("btnAuto")->isEnabled());  // a single game played
    test::Screenshot(&f.page, "fixtures-page");

    // A heading click sorts by it; the selected fixture stays selected.
    QHeaderView* header = f.Grid()->horizontalHeader();
    f.Select(4, kFixComp);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(kFixAwayTeam) + 5, header->height() / 2));
    QCOMPARE(f.Column(kFixAwayTeam), QStringList({"Ash", "Cedar", "Cedar", "Elm"}));
    QCOMPARE(f.page.SelectedGame(), 4);

    // Birch has no cup fixture in a fixed schedule: nothing to delete. The chooser keeps its
    // team when the page is shown again.
    team->setCurrentIndex(2);
    emit team->activated(2);
    QCOMPARE(f.Column(kFixHomeTeam), QStringList({"Birch"}));
    QVERIFY(!f.Button("btnDelete")->isEnabled());
    f.page.hide();
    f.Show();
    QCOMPARE(team->currentText(), QString("Birch"));
}

void FixturesPageTest::gridEditsReachTheLeague() {
    Fixture f(3);
    f.Show();
    QSignalSpy changed(&f.page, &FixturesPage::dataChanged);
    // A click on a tick toggles it and leaves the selection where it was.
    f.Select(4, kFixDate);
    f.Click(5, kFixPredicted);
    QVERIFY(f.Game(5).Predicted);
    QVERIFY(!f.Model()->index(f.RowOf(5), kFixPredicted).data(Qt::DecorationRole).isNull());
    QCOMPARE(f.Grid()->currentIndex(), f.Model()->index(f.RowOf(4), kFixDate));

    // The spin button sits in the selected score cell only.
    auto* spin = f.page.findChild<UpDown*>("udScore");
    QVERIFY(!spin->isVisible());
    f.Click(4, kFixAwayGoals);
    QVERIFY(spin->isVisible());
    QVERIFY(f.Grid()->visualRect(f.Model()->index(f.RowOf(4), kFixAwayGoals)).contains(spin->geometry()));
    test::Screenshot(&f.page, "fixtures-spin-button");
    QToolButton* up = nullptr;
    QToolButton* down = nullptr;
    for (QToolButton* b : spin->findChildren<QToolButton*>())
        (b->arrowType() == Qt::UpArrow ? up : down) = b;
    QTest::mouseClick(up, Qt::LeftButton);
    QCOMPARE(f.Model()->index(f.RowOf(4), kFixAwayGoals).data().toString(), QString("1"));
    QVERIFY(f.Game(4).Predicted);
    QTest::mouseClick(down, Qt::LeftButton);
    QTest::mouseClick(down, Qt::LeftButton); // at 0
    QCOMPARE(f.prompter.Beeps, 1);
    f.Click(4, kFixHomeTeam);
    QVERIFY(!spin->isVisible());

    // Set Date starts from the fixture's date and remembers the day picked; a double click gives
    // it to an undated fixture; Clr Date takes a date away.
    f.pick = Day(2024, 9, 21);
    QTest::mouseClick(f.Button("btnSetDate"), Qt::LeftButton);
    QCOMPARE(f.presets, QList<int>({Day(2024, 9, 14)}));
    QCOMPARE(f.Model()->index(f.RowOf(4), kFixDate).data().toString(), QString("21/09/2024"));
    f.DoubleClick(3, kFixHomeTeam);
    QCOMPARE(GameDay(f.Game(3)), Day(2024, 9, 21));
    QTest::mouseClick(f.Button("btnClrDate"), Qt::LeftButton);
    QCOMPARE(f.Model()->index(f.RowOf(3), kFixDate).data().toString(), QString());

    // The pop-up follows the selected row; swapping shows the teams turned round.
    f.Select(2, kFixComp);
    f.page.PopupOpening();
    QStringList enabled;
    for (QAction* a : f.page.Popup()->actions())
        if (!a->isSeparator() && a->isEnabled())
            enabled << a->text();
    QCOMPARE(enabled, QStringList({"Set &Score", "Set &Date", "&Clear Date", "S&wap Teams", "&Add Fixture"}));
    f.page.Popup()->popup(f.Grid()->mapToGlobal(f.CellCentre(2, kFixComp)));
    test::Screenshot(f.page.Popup(), "fixtures-popup");
    f.page.Popup()->hide();
    f.Item("miSwapTeams")->trigger();
    QCOMPARE(f.Model()->index(f.RowOf(2), kFixHomeTeam).data().toString(), QString("Cedar"));
    QCOMPARE(changed.count(), 7);
    QVERIFY(f.prompter.Messages.isEmpty());

    // Without a fixture the commands beep.
    League none = test::LeagueBuilder().Teams({"Ash", "Birch"}).Build();
    test::ScriptedPrompter prompter;
    FixturesPage empty(none, f.locale, prompter);
    for (const char* name : {"btnSetDate", "btnClrDate", "btnSetScore"})
        QTest::mouseClick(empty.findChild<QPushButton*>(name), Qt::LeftButton);
    empty.sgFixturesDblClick(QModelIndex());
    QCOMPARE(prompter.Beeps, 4);
}

void FixturesPageTest::deleteAndClearGoThroughThePrompter() {
    Fixture f;
    f.Show();
    f.Select(4, kFixComp); // a league fixture of a fixed schedule
    f.page.btnDeleteClick();
    f.Select(5, kFixComp);
    f.prompter.Answers = {Prompter::Answer::No, Prompter::Answer::Yes, Prompter::Answer::Yes};
    QTest::mouseClick(f.Button("btnDelete"), Qt::LeftButton);
    QCOMPARE(f.Model()->rowCount(), 4);
    QTest::mouseClick(f.Button("btnDelete"), Qt::LeftButton);
    QCOMPARE(f.Model()->rowCount(), 3);
    QVERIFY(!f.Button("btnDelete")->isEnabled()); // no cup fixture left
    QTest::mouseClick(f.Button("btnClear"), Qt::LeftButton);
    QCOMPARE(f.Column(kFixHomeGoals), QStringList({"0", "0", "0"}));
    QVERIFY(!f.Game(2).Predicted);
    QStringList shown;
    shown << f.prompter.Messages;
    QCOMPARE(shown, QStringList({"information: You cannot delete this league fixture",
                                 "yesno: Are you sure you want to delete fixture Ash v Elm",
                                 "yesno: Are you sure you want to delete fixture Ash v Elm",
                                 "yesno: Are you sure you want to clear all result predictions ?"}));
}

void FixturesPageTest::addFixtureDialog() {
    Fixture f;
    f.Show();
    f.pick = Day(2024, 10, 5);
    bool seen = false;
    WhenOpen<AddFixtureDialog>([&](AddFixtureDialog* d) {
        seen = true;
        auto* comp = d->findChild<QComboBox*>("cbComp");
        auto* home = d->findChild<QComboBox*>("cbHomeTeam");
        auto* away = d->findChild<QComboBox*>("cbAwayTeam");
        QCOMPARE(d->windowTitle(), QString("Add Fixture"));
        QCOMPARE(Items(comp), QStringList({"Shield"})); // a fixed schedule: no league entry
        d->btnOkClick();
        comp->setCurrentIndex(0);
        QCOMPARE(Items(home), QStringList({"Ash", "Birch", "Cedar", "Elm"}));
        home->setCurrentIndex(3);
        away->setCurrentIndex(3);
        d->btnOkClick();
        away->setCurrentIndex(1);
        d->findChild<QLineEdit*>("edDate")->setText("31/09/2024");
        d->btnOkClick();
        QTest::mouseClick(d->findChild<QPushButton*>("btnDate"), Qt::LeftButton);
        QCOMPARE(d->findChild<QLineEdit*>("edDate")->text(), QString("05/10/2024"));
        test::Screenshot(d, "add-fixture-dialog");
        QTest::mouseClick(d->findChild<QPushButton*>("btnOK"), Qt::LeftButton);
    });
    QTest::mouseClick(f.Button("btnAdd"), Qt::LeftButton);
    QVERIFY(seen);
    QCOMPARE(f.prompter.Texts(),
             QStringList({"You must enter a competition name or League",
                          "The Home and Away team must be different", "The fixture date is not valid"}));
    const GameRec& added = f.Game(6);
    QCOMPARE(int(added.HomeTeam) * 10 + added.AwayTeam, 42);
    QCOMPARE(GameDay(added), Day(2024, 10, 5));
    QCOMPARE(f.page.SelectedGame(), 6);
}

void FixturesPageTest::predictScoreDialog() {
    Fixture f;
    f.Show();
    f.Select(2, kFixComp);
    f.pick = Day(2024, 9, 28);
    WhenOpen<PredictScoreDialog>([&](PredictScoreDialog* d) {
        QCOMPARE(d->windowTitle(), QString("Predict Score"));
        QCOMPARE(d->findChild<QLabel*>("lblTeams")->text(), QString("Birch v Cedar"));
        auto* home = d->findChild<QSpinBox*>("udHomeGoals");
        QCOMPARE(home->value(), 2);
        QCOMPARE(d->findChild<QLineEdit*>("edDate")->text(), QString("07/09/2024"));
        home->setValue(30);
        d->findChild<QSpinBox*>("udAwayGoals")->setValue(3);
        QTest::mouseClick(d->findChild<QPushButton*>("btnDate"), Qt::LeftButton);
        QCOMPARE(d->findChild<QLineEdit*>("edDate")->text(), QString("28/09/2024"));
        test::Screenshot(d, "predict-score-dialog");
        QTest::mouseClick(d->findChild<QPushButton*>("btnOK"), Qt::LeftButton);
    });
    QTest::mouseClick(f.Button("btnSetScore"), Qt::LeftButton);
    QCOMPARE(f.presets, QList<int>({Day(2024, 9, 7)}));
    QCOMPARE(int(f.Game(2).HomeGoals) * 100 + f.Game(2).AwayGoals, 3003);
    QCOMPARE(GameDay(f.Game(2)), Day(2024, 9, 28));
    QCOMPARE(f.Model()->index(f.RowOf(2), kFixHomeGoals).data().toString(), QString("30"));

    // An undated fixture shows the date last picked here; Cancel keeps the fixture as it was,
    // OK predicts it with that date.
    f.Select(3, kFixComp);
    WhenOpen<PredictScoreDialog>([](PredictScoreDialog* d) {
        QCOMPARE(d->findChild<QLineEdit*>("edDate")->text(), QString("28/09/2024"));
        d->findChild<QSpinBox*>("udHomeGoals")->setValue(4);
        QTest::mouseClick(d->findChild<QPushButton*>("btnCancel"), Qt::LeftButton);
    });
    f.page.btnSetScoreClick();
    QCOMPARE(int(f.Game(3).HomeGoals) + GameDay(f.Game(3)) + f.Game(3).Predicted, 0);
    WhenOpen<PredictScoreDialog>([](PredictScoreDialog* d) { d->accept(); });
    f.page.btnSetScoreClick();
    QVERIFY(f.Game(3).Predicted);
    QCOMPARE(GameDay(f.Game(3)), Day(2024, 9, 28));
    QVERIFY(f.prompter.Messages.isEmpty());
}

void FixturesPageTest::autoPredictionAndTheLeagueTable() {
    // The first 190 games of a real season played, the rest fixtures, in a league window.
    League season = test::BuildSeasonLeague(test::DataDir() / "eng1_2018-19_results.csv", "Season");
    for (std::size_t g = 191; g <= 380; ++g)
        season.Games[g].Played = season.Games[g].HomeGoals = season.Games[g].AwayGoals = 0;
    season.Games[200].Predicted = 1;
    season.Games[200].HomeGoals = 7;
    test::TempDir dir;
    const auto file = dir / "SEASON.DIV";
    QVERIFY(SaveLeague(season, file, SaveOptions{false}).Ok);
    Settings settings;
    IniFile ini{(dir / "gorlin.ini").string()};
    Locale locale = TestLocale();
    locale.Today = Day(2019, 6, 1);
    test::ScriptedPrompter prompter;
    test::ScriptedFileDialogs dialogs;
    AppContext context{settings, ini,     locale,
                       prompter, dialogs, QString::fromStdString(dir.Path().string()) + "/"};
    context.installLeaguePages = InstallLeaguePages;
    LeagueWindow window(context);
    QVERIFY(window.Load(QString::fromStdString(file.string())));
    window.resize(900, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // The table page counts predictions once "Played+Predicted" is chosen.
    auto* table = qobject_cast<LeagueTablePage*>(window.Page(LeagueHost::kLeagueTablePage));
    QVERIFY(table);
    table->rgContentClick(kPlayedPredicted);
    auto playedColumn = [table] {
        const TableViewData& view = table->View();
        const auto at = view.Columns.find('C');
        QStringList played;
        for (const TableRow& row : view.Rows)
            played << QString::fromStdString(row.Cells[at]);
        return played;
    };
    QVERIFY(!playedColumn().contains("38"));

    window.Pages()->setCurrentIndex(LeagueHost::kFixturesPage);
    auto* page = qobject_cast<FixturesPage*>(window.Page(LeagueHost::kFixturesPage));
    QVERIFY(page);
    QCOMPARE(page->Model().rowCount(), 190);
    auto* autoButton = page->findChild<QPushButton*>("btnAuto");
    QVERIFY(autoButton->isEnabled());
    QCOMPARE(autoButton->toolTip(), QString("Automate predictions"));
    test::Screenshot(&window, "fixtures-page-season");
    // F1 opens the guide at this page.
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    page->findChild<QTableView*>("sgFixtures")->setFocus();
    QTest::keyClick(page->findChild<QTableView*>("sgFixtures"), Qt::Key_F1);
    auto* help = window.findChild<HelpWindow*>();
    QVERIFY(help);
    QCOMPARE(help->Browser()->source().fileName(), QString("fixtures.html"));
    help->close();

    // OK with "non-predicted" leaves the hand-made 7-0 alone.
    bool seen = false;
    WhenOpen<AutoPredictDialog>([&](AutoPredictDialog* d) {
        seen = true;
        QCOMPARE(d->windowTitle(), QString("Automatic Result Prediction"));
        QStringList captions;
        for (int i = 0; i < 3; ++i)
            captions
                << d->findChild<QRadioButton*>(QStringLiteral("rgPredictWhat%1").arg(i))->text().remove('&');
        QCOMPARE(captions,
                 QStringList({"Predict all  League fixtures", "Predict non-predicted League fixtures",
                              "Predict Selected League fixture"}));
        QVERIFY(d->findChild<QRadioButton*>("rgPredictWhat0")->isChecked());
        auto* matches = d->findChild<QSpinBox*>("udMatches");
        QCOMPARE(matches->value(), 5);
        QCOMPARE(matches->minimum(), 3);
        QCOMPARE(matches->maximum(), PredictMatchesMax(window.GetLeague()));
        d->findChild<QRadioButton*>("rgPredictWhat1")->setChecked(true);
        test::Screenshot(d, "auto-predict-dialog");
        QTest::mouseClick(d->findChild<QPushButton*>("btnOK"), Qt::LeftButton);
    });
    QTest::mouseClick(autoButton, Qt::LeftButton);
    QVERIFY(seen);
    const League& league = window.GetLeague();
    QCOMPARE(int(league.Games[200].HomeGoals), 7);
    for (std::size_t g = 191; g <= 380; ++g)
        QVERIFY(league.Games[g].Predicted);
    QVERIFY(window.SaveAction()->isEnabled());
    for (int r = 0; r < page->Model().rowCount(); ++r)
        QVERIFY(!page->Model().data(page->Model().index(r, kFixPredicted), Qt::DecorationRole).isNull());

    // Back on the table page the predictions count: every team has 38 games.
    window.Pages()->setCurrentIndex(LeagueHost::kLeagueTablePage);
    QCOMPARE(playedColumn(), QStringList(20, "38"));
    QVERIFY(prompter.Messages.isEmpty());
    window.GetLeague().DataChanged = false; // no close prompt
}

} // namespace gorlin

QTEST_MAIN(gorlin::FixturesPageTest)
#include "FixturesPageTest.moc"
