#pragma once

class QComboBox;
class QHBoxLayout;
class QString;
class QWidget;

namespace gorlin {

struct League;

/// Fills a page's team chooser with the league's team list (" [All Teams]" first, then
/// "Transferred-Out" when asked, then the teams), keeping the item chosen before when the list
/// still holds it (the same team, and the same text where two items stand for team 0), else the
/// list's starting item. The chooser sends no signals while it fills: the page draws afterwards.
/// A maintenance page's top row: `caption` (with its accelerator) and a team chooser named
/// `name`, wide enough for long names; the chooser is returned through `box`.
QHBoxLayout* TeamChooserRow(QWidget* page, const char* name, const QString& caption, QComboBox*& box);

void FillTeamChooser(QComboBox& box, const League& league, bool withTransferredOut = false);

} // namespace gorlin
