#include "gui/update/UploadDialog.h"

#include "core/model/League.h"
#include "core/update/UpdateWriter.h"
#include "gui/league/CalendarDialog.h"
#include "gui/league/LeagueHost.h"
#include "gui/league/LeagueTablePage.h"
#include "gui/update/VersionDialog.h"
#include "gui/widgets/AppContext.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace gorlin {

namespace {

constexpr const char* kUploadText =
    "This process will create a text file containing the formatted contents of the League File. This "
    "file should be stored on the appropriate web server to allow Gorlin users to update their "
    "version on-line. The file must not be renamed or altered in any way.";

/// The locale's short date pattern in Qt's letters (months are upper case there).
QString DisplayFormat(const std::string& shortDateFormat) {
    QString format = QString::fromStdString(shortDateFormat);
    format.replace('m', 'M');
    return format;
}

} // namespace

UploadDialog::UploadDialog(const League& league, AppContext& context, int fromDate, QWidget* parent)
    : QDialog(parent), m_league(league), m_context(context), m_folder(context.TableFolder()) {
    setObjectName("UploadDialog");
    setWindowTitle("Create Gorlin Upload File");
    BuildLayout();
    m_since->setMinimumDate(CalendarDialog::ToQDate(fromDate));
    SetSinceDay(UploadSinceDefault(context.locale.Today, fromDate));
    connect(m_create, &QPushButton::clicked, this, &UploadDialog::btnCreateClick);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void UploadDialog::BuildLayout() {
    m_squads = new QCheckBox("Unload &Squad details if present", this);
    m_squads->setObjectName("cbSquads");
    m_squads->setChecked(true);

    m_since = new QDateEdit(this);
    m_since->setObjectName("dtpSince");
    m_since->setCalendarPopup(true);
    m_since->setDisplayFormat(DisplayFormat(m_context.locale.ShortDateFormat));
    auto* sinceLabel = new QLabel("&Unload games since:", this);
    sinceLabel->setBuddy(m_since);
    auto* since = new QHBoxLayout;
    since->addWidget(sinceLabel);
    since->addWidget(m_since);
    since->addStretch(1);

    auto* note = new QLabel(kUploadText, this);
    note->setWordWrap(true);

    m_create = new QPushButton("C&reate", this);
    m_create->setObjectName("btnCreate");
    m_create->setDefault(true);
    m_cancel = new QPushButton("Cancel", this);
    m_cancel->setObjectName("btnCancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_create);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_squads);
    layout->addLayout(since);
    layout->addWidget(note);
    layout->addLayout(buttons);
    setMinimumWidth(420);
}

int UploadDialog::SinceDay() const {
    return CalendarDialog::ToDay(m_since->date());
}

void UploadDialog::SetSinceDay(int day) {
    m_since->setDate(CalendarDialog::ToQDate(day)); // held to the minimum by the picker
}

void UploadDialog::btnCreateClick() {
    if (!HasPlayedGames(m_league)) {
        m_context.prompter.Information(this, kMsgNoGamesPlayed);
        return;
    }
    UploadOptions options;
    options.Since = SinceDay();
    options.Squads = m_squads->isChecked();
    options.Today = m_context.locale.Today;
    const QString proposed = QString::fromStdString(UpdateFileName(m_league.Head.VersionId));
    for (;;) {
        const QString chosen = m_context.fileDialogs.SaveFileAs(this, "Save Upload File", m_folder + proposed,
                                                                "Text File (*.txt)", "txt");
        if (chosen.isEmpty())
            return;
        m_folder = QFileInfo(chosen).absolutePath() + '/';
        const Status written = CreateUploadFile(m_league, chosen.toStdString(), options);
        if (written) {
            accept();
            return;
        }
        m_context.prompter.Error(this, QString::fromStdString(written.Message));
    }
}

void InstallAdministration(LeagueHost& host) {
    auto* table = qobject_cast<LeagueTablePage*>(host.Pages()->widget(LeagueHost::kLeagueTablePage));
    if (table == nullptr)
        return;
    auto* setVersion = table->Popup()->findChild<QAction*>("miSetVersion");
    auto* upload = table->Popup()->findChild<QAction*>("miCreateUpload");
    if (setVersion == nullptr || upload == nullptr)
        return;
    LeagueHost* h = &host;
    QPointer<LeagueTablePage> page(table);
    setVersion->setEnabled(true);
    QObject::connect(setVersion, &QAction::triggered, host.Window(), [h] {
        VersionDialog dialog(h->GetLeague(), h->Context().prompter, h->Window());
        if (dialog.exec() == QDialog::Accepted)
            h->DataChangedNotify();
    });
    upload->setEnabled(true);
    QObject::connect(upload, &QAction::triggered, host.Window(), [h, page] {
        const int from = page ? page->State().Dates.FromDate : 0;
        UploadDialog dialog(h->GetLeague(), h->Context(), from, h->Window());
        dialog.exec();
    });
}

} // namespace gorlin
