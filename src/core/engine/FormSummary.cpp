#include "core/engine/FormSummary.h"

#include <cstdio>

namespace gorlin {

namespace {

std::string Format(const char* format, int value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

std::string Format(const char* format, int first, int second) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, first, second);
    return buffer;
}

int ResultPoints(const DivHead& head, FormResult result) {
    switch (result) {
    case FormResult::Win:
        return head.WinPoints;
    case FormResult::Draw:
        return head.DrawPoints;
    case FormResult::Loss:
        break;
    }
    return head.LossPoints;
}

} // namespace

FormResult ClassifyForm(const GameRec& game, bool home) {
    const int gf = home ? game.HomeGoals : game.AwayGoals;
    const int ga = home ? game.AwayGoals : game.HomeGoals;
    const bool awardedToSide = (game.Awarded == 1 && home) || (game.Awarded == 2 && !home);
    if ((ga > gf || game.Awarded != 0) && !awardedToSide)
        return FormResult::Loss;
    return gf == ga ? FormResult::Draw : FormResult::Win;
}

FormCounts FormPass(const League& league, const std::vector<int>& teamGames, int team) {
    const DivHead& head = league.Head;
    FormCounts c;
    bool winRunOpen = true, homeWinRunOpen = true, awayWinRunOpen = true;
    bool cleanRunOpen = true, unbeatenRunOpen = true;
    bool windowOpen = true;
    int recentPoints = 0; // points of the games already examined
    int wins = 0, losses = 0;
    int i = 0, h = 0, a = 0;
    for (const int g : teamGames) {
        if (g < 1 || static_cast<std::size_t>(g) >= league.Games.size())
            continue;
        const GameRec& game = league.Games[static_cast<std::size_t>(g)];
        const bool home = game.HomeTeam == team;
        const int gf = home ? game.HomeGoals : game.AwayGoals;
        const int ga = home ? game.AwayGoals : game.HomeGoals;
        const FormResult result = ClassifyForm(game, home);
        const bool win = result == FormResult::Win;
        const bool loss = result == FormResult::Loss;
        ++i;
        const int side = home ? ++h : ++a; // position among the home or away games

        if (win && c.LastWin == 0)
            c.LastWin = i;
        if (gf > 0 && c.LastScored == 0)
            c.LastScored = i;
        int& lastSideWin = home ? c.LastHomeWin : c.LastAwayWin;
        if (win && lastSideWin == 0)
            lastSideWin = side;
        int& lastSideScored = home ? c.LastHomeScored : c.LastAwayScored;
        if (gf > 0 && lastSideScored == 0)
            lastSideScored = side;

        winRunOpen = winRunOpen && win;
        c.WinRun += winRunOpen ? 1 : 0;
        bool& sideRunOpen = home ? homeWinRunOpen : awayWinRunOpen;
        sideRunOpen = sideRunOpen && win;
        (home ? c.HomeWinRun : c.AwayWinRun) += sideRunOpen ? 1 : 0;

        if (loss && recentPoints == 0)
            ++c.LossRun;
        recentPoints += ResultPoints(head, result);

        cleanRunOpen = cleanRunOpen && ga == 0;
        c.CleanRun += cleanRunOpen ? 1 : 0;
        unbeatenRunOpen = unbeatenRunOpen && !loss;
        c.UnbeatenRun += unbeatenRunOpen ? 1 : 0;

        wins += win ? 1 : 0;
        losses += loss ? 1 : 0;
        if (wins == 1)
            c.OneWin = i;
        if (losses == 1)
            c.OneLoss = i;

        if (home && !win)
            c.AllHomeWon = false;
        if (loss) {
            (home ? c.UnbeatenHome : c.UnbeatenAway) = false;
            c.UnbeatenAll = false;
        }

        if (windowOpen && game.Comp == 0) {
            if ((win && c.Possible > 15) || (result == FormResult::Draw && c.Possible > 29))
                windowOpen = false;
            else {
                c.Earned += ResultPoints(head, result);
                c.Possible += head.WinPoints;
            }
        }
    }
    c.Games = i;
    c.H = h;
    c.A = a;
    return c;
}

void FormAdd(std::vector<std::string>& phrases, std::string_view text) {
    if (phrases.size() >= kMaxFormPhrases)
        return;
    phrases.emplace_back(text.substr(0, kFormPhraseLength));
}

std::vector<std::string> FormSummary(const League& league, const std::vector<int>& teamGames, int team) {
    std::vector<std::string> p;
    const FormCounts c = FormPass(league, teamGames, team);
    if (c.Games < 4)
        return p;

    if (c.LastWin == 0)
        FormAdd(p, "Not won yet this season");
    else {
        if (c.H > 1 && c.LastHomeWin == 0)
            FormAdd(p, "Not won at home this season");
        if (c.A > 1 && c.LastAwayWin == 0)
            FormAdd(p, "Not won away this season");
    }
    if (c.LossRun > 2)
        FormAdd(p, Format("Lost last %d", c.LossRun));
    if (c.LastWin > 4)
        FormAdd(p, Format("Not won for %d matches", c.LastWin - 1));
    if (c.LastHomeWin > 3)
        FormAdd(p, Format("Not won at home for %d games", c.LastHomeWin - 1));
    if (c.LastAwayWin > 4)
        FormAdd(p, Format("Not won away for %d games", c.LastAwayWin - 1));
    if (c.LastScored > 2)
        FormAdd(p, Format("Not scored for %d games", c.LastScored - 1));
    else if (c.LastScored == 0)
        FormAdd(p, "Not scored yet this season");
    if (c.LastHomeScored > 2)
        FormAdd(p, Format("Not scored at home for %d games", c.LastHomeScored - 1));
    else if (c.LastHomeScored == 0 && c.H > 2)
        FormAdd(p, "Not scored at home yet");
    if (c.LastAwayScored > 2)
        FormAdd(p, Format("Not scored away for %d games", c.LastAwayScored - 1));
    else if (c.LastAwayScored == 0 && c.A > 2)
        FormAdd(p, "Not scored away yet");
    if (c.WinRun > 2)
        FormAdd(p, Format("Won last %d", c.WinRun));
    if (c.HomeWinRun > 2)
        FormAdd(p, Format("Won last %d at home", c.HomeWinRun));
    if (c.AwayWinRun > 2)
        FormAdd(p, Format("Won last %d away", c.AwayWinRun));
    if (c.CleanRun > 2)
        FormAdd(p, Format("%d clean sheets in a row", c.CleanRun));
    if (c.UnbeatenRun > 3)
        FormAdd(p, Format("Unbeaten in %d", c.UnbeatenRun));
    if (c.OneWin > 4)
        FormAdd(p, Format("One win in %d", c.OneWin));
    if (c.OneLoss > 4)
        FormAdd(p, Format("One loss in %d", c.OneLoss));
    if (c.AllHomeWon && c.H > 1)
        FormAdd(p, "Won all home matches");
    else if (c.UnbeatenHome && c.H > 0 && !c.UnbeatenAll)
        FormAdd(p, "Unbeaten at home");
    if (c.UnbeatenAway && c.A > 0 && !c.UnbeatenAll)
        FormAdd(p, "Unbeaten away");
    if (c.UnbeatenAll)
        FormAdd(p, "Undefeated this season");
    if (c.Possible > 9 && c.Earned == 1)
        FormAdd(p, Format("1 point out of last %d", c.Possible));
    else if (c.Possible > 9)
        FormAdd(p, Format("%d points out of last %d", c.Earned, c.Possible));
    return p;
}

FormRotation StartFormRotation(int count) {
    FormRotation r;
    r.Count = count > 0 ? count : 0;
    r.Shown = r.Count > 0 ? 1 : 0;
    r.TimerOn = r.Count > 1;
    return r;
}

void FormTick(FormRotation& rotation, bool pageCurrent) {
    if (!pageCurrent) {
        rotation.TimerOn = false;
        return;
    }
    if (rotation.Count <= 0)
        return;
    rotation.Shown = rotation.Shown >= rotation.Count ? 1 : rotation.Shown + 1;
}

std::string ShownPhrase(const std::vector<std::string>& phrases, const FormRotation& rotation) {
    if (rotation.Shown < 1 || static_cast<std::size_t>(rotation.Shown) > phrases.size())
        return {};
    return phrases[static_cast<std::size_t>(rotation.Shown) - 1];
}

} // namespace gorlin
