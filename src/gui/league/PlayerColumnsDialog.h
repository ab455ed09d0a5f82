#pragma once

#include "core/engine/TeamStatsGrids.h"

#include <QDialog>
#include <string>

class QListWidget;
class QPushButton;

namespace gorlin {

/// The players grid's column chooser ("Columns..."): "Available Columns" and "Displayed
/// Columns" with "Add >>", "<< Remove", "Up", "Down" and "Default". The rules are
/// PlayerColumnChooser's; the caller stores Displayed() when the dialog is accepted.
class PlayerColumnsDialog final : public QDialog {
    Q_OBJECT
public:
    explicit PlayerColumnsDialog(const std::string& playerCols, QWidget* parent = nullptr);

    /// The displayed column letters in order.
    const std::string& Displayed() const { return m_chooser.Displayed(); }

    void btnAddClick();
    void btnRemoveClick();
    void btnUpClick();
    void btnDownClick();
    void btnDefaultClick();

private:
    void BuildControls();
    void ConnectControls();
    /// Refills both lists and selects the given rows (-1: none).
    void ShowLists(int availableRow, int displayedRow);
    void EnableButtons();

    PlayerColumnChooser m_chooser;
    QListWidget* m_available = nullptr;
    QListWidget* m_displayed = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_remove = nullptr;
    QPushButton* m_up = nullptr;
    QPushButton* m_down = nullptr;
    QPushButton* m_default = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace gorlin
