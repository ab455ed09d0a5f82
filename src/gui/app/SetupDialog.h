#pragma once

#include "core/app/IniFile.h"
#include "core/app/Settings.h"
#include "core/app/SetupRules.h"
#include "gui/widgets/Prompter.h"

#include <QDialog>
#include <QStringList>
#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QWidget;

namespace gorlin {

/// The Setup dialog: the program settings on five pages. OK checks the choices, takes them into
/// the settings and writes them to the store (which it saves); Cancel changes nothing. The
/// caller applies what it needs after exec() (hints, file list, table columns).
class SetupDialog final : public QDialog {
    Q_OBJECT
public:
    /// dialUpAvailable: whether the dial-up service is loaded; dialUpEntries: its entries
    /// for the connection list (ignored without the service).
    SetupDialog(Settings& settings, IniFile& ini, Prompter& prompter, bool dialUpAvailable,
                QWidget* parent = nullptr, const QStringList& dialUpEntries = {});

private slots:
    void btnApplyClick();
    void ElementChanged();
    void cbColourChange(int index);
    void lbPositionsClick(int row);
    void edPositionChange(const QString& text);
    void rbFormatClick();
    void lbColumnsItemChanged(QListWidgetItem* item);
    void btnUpClick();
    void btnDownClick();
    void btnRestoreClick();
    void ConnectionChoiceClick();
    void cbUseProxyClick();

private:
    QWidget* BuildGeneralPage();
    QWidget* BuildSquadsPage();
    QWidget* BuildHtmlPage();
    QWidget* BuildTablePage();
    QWidget* BuildDialupPage();
    void FillControls();
    /// Rebuilds lbColumns from the chooser, selecting the given row.
    void ShowColumns(int selectRow);
    /// Index (0..4) of the element whose colour the colour box shows.
    int SelectedElement() const;
    SetupChoices Choices();

    Settings& m_settings;
    IniFile& m_ini;
    Prompter& m_prompter;
    bool m_dialUpAvailable;
    QStringList m_dialUpEntries;

    std::array<Colour, 5> m_colours{};
    ColumnChooser m_columns;
    int m_positionRow = 0;
    bool m_filling = false;

    QTabWidget* m_pages = nullptr;
    // General
    QCheckBox* m_cbShowPoss = nullptr;
    QCheckBox* m_cbShortTab = nullptr;
    QCheckBox* m_cbShowHints = nullptr;
    QCheckBox* m_cbTakeBackup = nullptr;
    QCheckBox* m_cbShowStatus = nullptr;
    QCheckBox* m_cbRecycle = nullptr;
    QCheckBox* m_cbSubFolders = nullptr;
    QSpinBox* m_seFormGames = nullptr;
    std::array<QRadioButton*, 5> m_rbElements{};
    QComboBox* m_cbColour = nullptr;
    // Squads
    QRadioButton* m_rbSortTime = nullptr;
    QRadioButton* m_rbSortAdded = nullptr;
    QListWidget* m_lbPositions = nullptr;
    QLineEdit* m_edPosition = nullptr;
    // HTML
    QLineEdit* m_edTableTag = nullptr;
    // Table
    QRadioButton* m_rbLong = nullptr;
    QRadioButton* m_rbShort = nullptr;
    QListWidget* m_lbColumns = nullptr;
    QPushButton* m_btnUp = nullptr;
    QPushButton* m_btnDown = nullptr;
    QPushButton* m_btnRestore = nullptr;
    // Dialup
    QRadioButton* m_rbManual = nullptr;
    QRadioButton* m_rbDialUp = nullptr;
    QLabel* m_lblConnection = nullptr;
    QComboBox* m_cbConnection = nullptr;
    QWidget* m_gbDisconnect = nullptr;
    std::array<QRadioButton*, 3> m_rbDisc{};
    QCheckBox* m_cbUseProxy = nullptr;
    QLineEdit* m_edProxyName = nullptr;
    QLineEdit* m_edProxyPort = nullptr;
    QLabel* m_lblRasNote = nullptr;

    QPushButton* m_btnApply = nullptr;
    QPushButton* m_btnCancel = nullptr;
};

} // namespace gorlin
