#pragma once

#include <QDialog>

class QCheckBox;
class QDateEdit;
class QPushButton;

namespace gorlin {

struct AppContext;
struct League;
class LeagueHost;

/// "Create Gorlin Upload File": writes the open league's update file for its administrator to
/// publish.
class UploadDialog : public QDialog {
    Q_OBJECT
public:
    /// `fromDate` is the first day of the league table's date range: the picker starts 60 days
    /// before today or on that day when it is later, and accepts no earlier day.
    UploadDialog(const League& league, AppContext& context, int fromDate, QWidget* parent = nullptr);

    /// "Create": without played games an information box; otherwise the save dialog, proposing
    /// gnupNNNN.txt, until a file is written (each failure an error box) or it is cancelled.
    void btnCreateClick();

    /// The picker's day.
    int SinceDay() const;
    void SetSinceDay(int day);

private:
    void BuildLayout();

    const League& m_league;
    AppContext& m_context;
    QString m_folder; // where the save dialog starts: the folder of the file chosen last
    QCheckBox* m_squads = nullptr;
    QDateEdit* m_since = nullptr;
    QPushButton* m_create = nullptr;
    QPushButton* m_cancel = nullptr;
};

/// Enables the Administration entries of the league table page's pop-up menu ("Set Version ID",
/// "Create Upload File") and opens their dialogs.
void InstallAdministration(LeagueHost& host);

} // namespace gorlin
