#pragma once

#include "core/engine/MatchGrid.h"
#include "core/engine/PositionGraph.h"

#include <QDialog>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace gorlin {

struct AppContext;
class ShapeBox;

/// "Points Progress for TEAM": the team's points game by game (bars) with its league position
/// after each game, or the top or bottom three teams and the team compared (bars or lines).
/// The series are computed when the window opens and when the type changes, never in a paint.
/// With one team the pointer over a game shows it in edMatch; a double click asks for its
/// result details.
class PositionGraphWindow final : public QDialog {
    Q_OBJECT
public:
    using OpenGame = std::function<void(int game)>;

    PositionGraphWindow(const League& league, AppContext& context, int team, QWidget* parent = nullptr);
    void SetOpenGame(OpenGame open) { m_openGame = std::move(open); }
    /// What "Print" does; the button stays disabled until it is given.
    void SetPrint(std::function<void()> print);

    const GraphSeries& Series() const { return m_series; }
    const GraphPicture& Picture() const { return m_picture; }
    bool Bars() const { return m_bars; }
    /// The game the hover label shows (0 none).
    int HoverGame() const { return m_hoverGame; }

    // Handlers.
    void RadioGroup1Click(int type);
    void RadioGroup2Click(int style);
    /// The pointer at (x, y) of the graph box.
    void GraphMouseMove(int x, int y);
    void GraphDblClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const League& m_league;
    AppContext& m_context;
    int m_team;
    GraphSeries m_series;
    GraphPicture m_picture;
    bool m_bars = true;
    int m_hoverGame = 0;
    OpenGame m_openGame;
    std::function<void()> m_printGraph;

    QButtonGroup* m_type = nullptr;
    QGroupBox* m_styleBox = nullptr;
    QButtonGroup* m_style = nullptr;
    ShapeBox* m_graph = nullptr;
    QLabel* m_hover = nullptr;
    QPushButton* m_print = nullptr;
};

/// "League Matches Played/Scheduled": every league pairing with its result, fixture date or a
/// dash. "Second set of matches" shows the next set when the teams meet more than twice; with
/// more than two sets a set chooser takes its place.
class MatchGridWindow final : public QDialog {
    Q_OBJECT
public:
    MatchGridWindow(const League& league, QWidget* parent = nullptr);
    const MatchGridData& Grid() const { return m_grid; }
    void ShowSet(int set);
    /// What "Print" does; the button stays disabled until it is given.
    void SetPrint(std::function<void()> print);

private:
    const League& m_league;
    MatchGridData m_grid;
    std::function<void()> m_printGrid;
    QCheckBox* m_secondSet = nullptr;
    QSpinBox* m_set = nullptr;
    ShapeBox* m_box = nullptr;
    QPushButton* m_print = nullptr;
};

} // namespace gorlin
