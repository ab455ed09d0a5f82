#pragma once

#include <QPixmap>

namespace gorlin {

/// Side of the team list pictures.
inline constexpr int kTeamPictureSize = 16;

/// The picture before a league team's name in the statistics team lists: a ball.
QPixmap LeagueGamePicture();
/// The picture before any other team's name: a cup.
QPixmap CupPicture();
/// The 20 x 15 shirt drawn in the players grid's "SN" heading.
QPixmap ShirtPicture();

} // namespace gorlin
