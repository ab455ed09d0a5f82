#pragma once

#include <QDialog>
#include <QPoint>
#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace gorlin {

struct AppContext;
struct League;
struct PlayerInput;

/// The player dialog. Adding ("Add New Players", buttons "Add" and "Close") it stays open after
/// each player for the next one, the name cleared and "Foreign:" back to not known; changing
/// ("Change Player Details", "OK" and "Cancel") it closes on OK. Fields: "Name:", "Team:",
/// "Position:", "Squad No.", "Date of Birth:" (typed or picked), "Foreign:" (grey = not known),
/// "Cost:". The checks and the storing are the core's (StorePlayer); refusals reach the
/// prompter and keep the dialog open. Every store sets DataChanged: the opener tells its host.
class PlayerDialog final : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Add, Change };
    /// Opens a date picker below a point; returns the picked day or 0 for cancel.
    using DatePicker = std::function<int(QWidget* parent, int presetDay, QPoint where)>;

    /// Mode Add: `target` is the team preselected (-1 = none). Mode Change: the player.
    PlayerDialog(League& league, AppContext& context, Mode mode, int target, QWidget* parent = nullptr);

    /// Runs "Add New Players" for `team` (-1 = none chosen); returns the last player added, 0
    /// when none was.
    static int AddPlayers(League& league, AppContext& context, int team, QWidget* parent);
    /// Runs "Change Player Details" for player p; true when a change was stored.
    static bool ChangePlayer(League& league, AppContext& context, int player, QWidget* parent);

    Mode DialogMode() const { return m_mode; }
    /// The last player stored by "Add" (0 = none), or the player changed.
    int LastPlayer() const { return m_last; }
    /// The fields as typed, as the core reads them.
    PlayerInput Input() const;
    void SetDatePicker(DatePicker picker) { m_pickDate = std::move(picker); }

    /// "Add" when adding, "OK" when changing.
    void btnOKClick();
    void btnBirthDateClick();

private:
    void BuildFields();
    void BuildButtons();
    void Preset();
    void ClearForNext();

    League& m_league;
    AppContext& m_context;
    Mode m_mode;
    int m_target;
    int m_last = 0;
    DatePicker m_pickDate;

    QLineEdit* m_name = nullptr;
    QComboBox* m_team = nullptr;
    QComboBox* m_position = nullptr;
    QSpinBox* m_squadNo = nullptr;
    QLineEdit* m_birthDate = nullptr;
    QPushButton* m_birthButton = nullptr;
    QCheckBox* m_foreign = nullptr;
    QLineEdit* m_cost = nullptr;
    QPushButton* m_ok = nullptr;
};

} // namespace gorlin
