#include "gui/io/ExportDialog.h"

#include "core/engine/GameFilter.h"
#include "core/model/Dates.h"
#include "gui/io/SaveAs.h"
#include "gui/league/CalendarDialog.h"
#include "gui/league/LeagueHost.h"
#include "gui/league/LeagueTablePage.h"
#include "gui/widgets/AppContext.h"
#include "gui/widgets/LeagueText.h"
#include "gui/widgets/RadioBox.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace gorlin {

namespace {

const char* const kSectionNames[kExportSectionCount] = {"cbStandings", "cbResultsShort", "cbResultsFull",
                                                        "cbFixtures",  "cbMatchesGrid",  "cbScorers",
                                                        "cbPlayers"};
/// The format buttons in their order, and what each stands for.
constexpr ExportFormat kFormats[] = {ExportFormat::Csv, ExportFormat::Fixed, ExportFormat::Html};

/// The save dialog's filter with the format's own entry first.
QString FilterFor(ExportFormat format) {
    const QString csv = "CSV (comma delimited) (*.csv)";
    const QString htm = "HTM (HTML File) (*.htm)";
    const QString txt = "TXT (text File) (*.txt)";
    switch (format) {
    case ExportFormat::Html:
        return htm + ";;" + csv + ";;" + txt;
    case ExportFormat::Csv:
        return csv + ";;" + htm + ";;" + txt;
    default:
        return txt + ";;" + csv + ";;" + htm;
    }
}

} // namespace

ExportDialog::ExportDialog(const League& league, const TableViewData& table, AppContext& context,
                           QWidget* parent)
    : QDialog(parent), m_league(league), m_table(table), m_context(context),
      m_pickDate(&CalendarDialog::PickDate), m_dates(DefaultExportDates(league, context.locale.Today)) {
    setObjectName("ExportDialog");
    setWindowTitle("Export Gorlin Data");
    BuildLayout();
    ConnectControls();
    ShowDates();
    cbSectionClick();
}

QWidget* ExportDialog::BuildDates() {
    auto* box = new QGroupBox("Export Results/Fixtures Date Range:", this);
    box->setObjectName("gbDateRange");
    auto* layout = new QHBoxLayout(box);
    auto field = [box](const char* name) {
        auto* edit = new QLineEdit(box);
        edit->setObjectName(name);
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance("00/00/00000") + 16);
        return edit;
    };
    auto button = [box](const char* name, const char* hint) {
        auto* b = new QPushButton("...", box);
        b->setObjectName(name);
        b->setToolTip(hint);
        b->setAutoDefault(false);
        b->setFixedWidth(b->fontMetrics().horizontalAdvance("...") + 20);
        return b;
    };
    m_fromDate = field("edFromDate");
    m_toDate = field("edToDate");
    m_fromButton = button("btnFromDate", "Set start date of included matches");
    m_toButton = button("btnToDate", "Set end date of included matches");
    auto* from = new QLabel("&From:", box);
    from->setBuddy(m_fromButton);
    auto* to = new QLabel("&To:", box);
    to->setBuddy(m_toButton);
    layout->addWidget(from);
    layout->addWidget(m_fromDate);
    layout->addWidget(m_fromButton);
    layout->addSpacing(12);
    layout->addWidget(to);
    layout->addWidget(m_toDate);
    layout->addWidget(m_toButton);
    layout->addStretch(1);
    return box;
}

QWidget* ExportDialog::BuildDestination() {
    return RadioBox(this, "rgExportTo", "Export to:", {"F&ile", "Clip&board"}, m_destination, true,
                    {"rbFile", "rbClipboard"});
}

QWidget* ExportDialog::BuildFormat() {
    return RadioBox(this, "rgExportAs", "Export As:", {"Comma &Separated", "Fixe&d Text", "&HTML"}, m_format,
                    true, {"rbCsv", "rbFixed", "rbHtml"});
}

QWidget* ExportDialog::BuildRange() {
    auto* box = new QWidget(this);
    auto* layout = new QFormLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    m_gameType = new QComboBox(box);
    m_gameType->setObjectName("cbGameType");
    for (const std::string& item : GameFilterItems(m_league))
        m_gameType->addItem(FromLeague(item));
    m_gameType->setCurrentIndex(0);
    m_team = new QComboBox(box);
    m_team->setObjectName("cbTeam");
    for (const TeamListItem& item : ExportTeamItems(m_league))
        m_team->addItem(FromLeague(item.Text), item.Team);
    m_team->setCurrentIndex(0);
    layout->addRow("Ty&pe of Games/Teams:", m_gameType);
    layout->addRow("Te&am to export", m_team);
    return box;
}

QWidget* ExportDialog::BuildSections() {
    auto* box = new QGroupBox("Export What:", this);
    box->setObjectName("gbExportWhat");
    auto* layout = new QVBoxLayout(box);
    static const char* const kCaptions[kExportSectionCount] = {"&League Table Standings",
                                                               "&Match Results(Short)",
                                                               "Match &Results(Full)",
                                                               "Fi&xtures",
                                                               "Matches &Grid",
                                                               "G&oal Scorers",
                                                               "Pla&yers"};
    for (int s = 0; s < kExportSectionCount; ++s) {
        auto* check = new QCheckBox(kCaptions[s], box);
        check->setObjectName(kSectionNames[s]);
        layout->addWidget(check);
        m_sections[s] = check;
    }
    m_sections[static_cast<int>(ExportSection::Grid)]->setEnabled(MatchesGridCount(m_league) > 0);
    layout->addStretch(1);
    return box;
}

void ExportDialog::BuildLayout() {
    m_export = new QPushButton("&Export", this);
    m_export->setObjectName("btnExport");
    m_export->setDefault(true);
    m_close = new QPushButton("&Close", this);
    m_close->setObjectName("btnClose");
    m_close->setAutoDefault(false);

    auto* choices = new QHBoxLayout;
    choices->addWidget(BuildDestination());
    choices->addWidget(BuildFormat());
    auto* left = new QVBoxLayout;
    left->addWidget(BuildDates());
    left->addLayout(choices);
    left->addWidget(BuildRange());
    left->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addWidget(BuildSections());
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_export);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
}

void ExportDialog::ConnectControls() {
    connect(m_fromButton, &QPushButton::clicked, this, &ExportDialog::btnFromDateClick);
    connect(m_toButton, &QPushButton::clicked, this, &ExportDialog::btnToDateClick);
    for (QCheckBox* check : m_sections)
        connect(check, &QCheckBox::toggled, this, &ExportDialog::cbSectionClick);
    connect(m_export, &QPushButton::clicked, this, &ExportDialog::btnExportClick);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
}

void ExportDialog::ShowDates() {
    m_fromDate->setText(FromLeague(FormatShortDate(m_dates.From, m_context.locale)));
    m_toDate->setText(FromLeague(FormatShortDate(m_dates.To, m_context.locale)));
}

void ExportDialog::btnFromDateClick() {
    if (const int day =
            m_pickDate(this, m_dates.From, m_fromButton->mapToGlobal(QPoint(0, m_fromButton->height())));
        day != 0)
        m_dates.From = day;
    ShowDates();
}

void ExportDialog::btnToDateClick() {
    if (const int day =
            m_pickDate(this, m_dates.To, m_toButton->mapToGlobal(QPoint(0, m_toButton->height())));
        day != 0)
        m_dates.To = day;
    ShowDates();
}

void ExportDialog::cbSectionClick() {
    const LeagueExportOptions o = Options();
    const bool locked = FormatLocked(o);
    if (locked)
        m_format->button(2)->setChecked(true);
    for (QAbstractButton* button : m_format->buttons())
        button->setEnabled(!locked);
    m_export->setEnabled(AnySection(o));
}

LeagueExportOptions ExportDialog::Options() const {
    LeagueExportOptions o;
    o.Format = kFormats[std::clamp(m_format->checkedId(), 0, 2)];
    for (int s = 0; s < kExportSectionCount; ++s)
        o.Sections[static_cast<std::size_t>(s)] = m_sections[s]->isChecked() && m_sections[s]->isEnabled();
    o.FromDate = m_dates.From;
    o.ToDate = m_dates.To;
    o.GameType = std::max(0, m_gameType->currentIndex());
    o.Team = m_team->currentData().toInt();
    o.TableTag = m_context.settings.TableTag;
    o.Positions = m_context.settings.Positions;
    return o;
}

bool ExportDialog::ToClipboard() const {
    return m_destination->checkedId() == 1;
}

void ExportDialog::btnExportClick() {
    const LeagueExportOptions o = Options();
    if (!AnySection(o))
        return;
    const bool clipboard = ToClipboard();
    LineSink sink(clipboard ? kClipboardLimit : 0);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    WriteLeagueExport(m_league, m_table, o, m_context.locale, sink);
    QApplication::restoreOverrideCursor();
    if (!clipboard) {
        if (SaveExportAs(this, m_context, FilterFor(o.Format), sink.Text(), o.Format))
            accept();
        return;
    }
    QApplication::clipboard()->setText(FromLeague(sink.Text()));
    if (sink.Truncated()) {
        m_context.prompter.Warning(this, kClipboardFull);
        return;
    }
    accept();
}

void InstallExport(LeagueHost& host) {
    auto* table = qobject_cast<LeagueTablePage*>(host.Pages()->widget(LeagueHost::kLeagueTablePage));
    if (table == nullptr)
        return;
    auto* button = new QPushButton("Export", table);
    button->setObjectName("btnExport");
    button->setToolTip("Export Gorlin data");
    table->ButtonArea()->addWidget(button);
    LeagueHost* h = &host;
    QPointer<LeagueTablePage> page(table);
    QObject::connect(button, &QPushButton::clicked, host.Window(), [h, page] {
        if (page.isNull())
            return;
        ExportDialog dialog(h->GetLeague(), page->View(), h->Context(), h->Window());
        dialog.exec();
    });
}

} // namespace gorlin
