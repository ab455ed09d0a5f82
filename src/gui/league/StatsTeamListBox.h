#pragma once

#include "core/engine/TeamStats.h"

#include <QListWidget>
#include <string>

namespace gorlin {

/// A statistics team list (`SelTeamList` and the lists that share its drawing): each item is a
/// team's name after its picture (the ball for a league team, the cup for any other team), the
/// name 6 pixels after the picture. The items carry the team indices.
class StatsTeamListBox : public QListWidget {
    Q_OBJECT
public:
    static constexpr int TeamRole = Qt::UserRole + 1;
    static constexpr int NameRole = Qt::UserRole + 2; // the name's bytes (QByteArray)

    explicit StatsTeamListBox(QWidget* parent = nullptr);

    /// Shows the teams of `list` in its order and selects its item, without signals: the caller
    /// recomputes what depends on the team.
    void Fill(const League& league, const StatsTeamList& list);
    /// The selected team's index, 0 when nothing is selected.
    int SelectedTeam() const;
    /// The selected team's name as the league stores it; "" when nothing is selected.
    std::string SelectedName() const;
    /// Selects the team's item without signals; false when the list does not offer it.
    bool SelectTeam(int team);
};

} // namespace gorlin
