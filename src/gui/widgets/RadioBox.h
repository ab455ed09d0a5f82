#pragma once

#include <QString>
#include <QStringList>

class QButtonGroup;
class QGroupBox;
class QWidget;

namespace gorlin {

/// A titled group box (object name `name`) of radio buttons in one exclusive `group`, ids 0..
/// in order, the first checked. Button i is named names[i], or `name` followed by i when no
/// names are given. `stretch` keeps the buttons together at the top of a box made taller.
QGroupBox* RadioBox(QWidget* parent, const char* name, const QString& title, const QStringList& captions,
                    QButtonGroup*& group, bool stretch = false, const QStringList& names = {});

} // namespace gorlin
