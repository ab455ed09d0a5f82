#include "gui/app/NewTableWizard.h"

#include "core/app/NewTable.h"
#include "gui/app/HelpWindow.h"
#include "gui/widgets/LeagueText.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

namespace gorlin {

namespace {

constexpr int kIndexRole = Qt::UserRole;
constexpr int kPageMargin = 20;

const char* const kIntroText =
    "This wizard creates a new league table: its name and teams, every fixture of the league, "
    "the points for a win, a draw and a loss, the promotion and relegation places, and the "
    "length of a game.\n\n"
    "You can start from scratch, or take the teams, players and referees of up to three "
    "tables of the current folder, such as last season's.\n\n"
    "Click Next to continue.";

QSpinBox* MakeSpin(QWidget* parent, const char* name, const ValueRange& range) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setRange(range.Min, range.Max);
    spin->setValue(range.Default);
    spin->setAlignment(Qt::AlignRight);
    spin->setMinimumWidth(64);
    return spin;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

/// A form whose boxes keep their own width.
QFormLayout* MakeForm(QWidget* parent = nullptr) {
    auto* form = new QFormLayout(parent);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    return form;
}

/// A page with margins and a vertical layout.
QVBoxLayout* PageLayout(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(kPageMargin, kPageMargin, kPageMargin, kPageMargin);
    return layout;
}

/// "Name|*.ext" as a Qt file dialog filter: "Name (*.ext)".
QString DialogFilter(const char* filter) {
    const QString f = QString::fromLatin1(filter);
    const qsizetype bar = f.indexOf('|');
    return bar < 0 ? f : f.left(bar) + QStringLiteral(" (") + f.mid(bar + 1) + ')';
}

std::filesystem::path ToPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QString Message(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

NewTableWizard::NewTableWizard(AppContext& context, std::vector<DivFileRec> divFiles, QWidget* parent)
    : QDialog(parent), m_context(context), m_divFiles(std::move(divFiles)) {
    setObjectName("NewTableWizard");
    setWindowTitle(tr(kCaption));
    BuildHeading();
    BuildPages();
    BuildButtons();
    LayOut();
    ConnectControls();
    SetTabOrder();
    EnterPage(kIntroPage);
}

void NewTableWizard::BuildHeading() {
    m_heading = new QLabel(this);
    m_heading->setObjectName("lbHeading");
    QFont bold = m_heading->font();
    bold.setBold(true);
    m_heading->setFont(bold);
    m_subHeading = new QLabel(this);
    m_subHeading->setObjectName("lbSubHeading");
    m_subHeading->setWordWrap(true);
}

void NewTableWizard::BuildPages() {
    m_pages = new QStackedWidget(this);
    m_pages->setObjectName("pcWizard");
    for (QWidget* page :
         {BuildIntroPage(), BuildSourcePage(), BuildNameSizePage(), BuildBaseTablePage(),
          BuildSelectTeamsPage(), BuildTeamNamesPage(), BuildTimesToPlayPage(), BuildGamePointsPage(),
          BuildOwnTeamPage(), BuildPromotionPage(), BuildTeamSizePage()})
        m_pages->addWidget(page);
}

QWidget* NewTableWizard::BuildIntroPage() {
    auto* page = new QWidget;
    auto* text = new QLabel(tr(kIntroText), page);
    text->setObjectName("lbIntro");
    text->setWordWrap(true);
    auto* layout = PageLayout(page);
    layout->addWidget(text);
    layout->addStretch(1);
    return page;
}

QWidget* NewTableWizard::BuildSourcePage() {
    auto* page = new QWidget;
    m_rbScratch = new QRadioButton(tr(kFromScratchCaption), page);
    m_rbScratch->setObjectName("rbScratch");
    m_rbScratch->setChecked(true);
    m_rbExisting = new QRadioButton(tr(kFromTablesCaption), page);
    m_rbExisting->setObjectName("rbExisting");
    auto* note = new QLabel(tr(kBaseLevelNote), page);
    note->setObjectName("lbBaseNote");
    note->setWordWrap(true);
    auto* layout = PageLayout(page);
    layout->addWidget(m_rbScratch);
    layout->addSpacing(6);
    layout->addWidget(m_rbExisting);
    auto* indented = new QHBoxLayout;
    indented->addSpacing(24);
    indented->addWidget(note, 1);
    layout->addLayout(indented);
    layout->addStretch(1);
    return page;
}

QWidget* NewTableWizard::BuildNameSizePage() {
    auto* page = new QWidget;
    m_edTableName = new QLineEdit(page);
    m_edTableName->setObjectName("edTableName");
    m_edTableName->setMaxLength(static_cast<int>(kNewNameMax));
    m_edTableName->setMinimumWidth(240);
    m_udNumTeams = MakeSpin(page, "udNumTeams", kTeamCountRange);
    auto* form = MakeForm();
    form->addRow(tr("Table &name:"), m_edTableName);
    form->addRow(tr("Number of &teams:"), m_udNumTeams);
    auto* layout = PageLayout(page);
    layout->addLayout(form);
    layout->addStretch(1);
    return page;
}

QWidget* NewTableWizard::BuildBaseTablePage() {
    auto* page = new QWidget;
    m_lbTables = new QListWidget(page);
    m_lbTables->setObjectName("lbTables");
    m_lbTables->setSelectionMode(QAbstractItemView::MultiSelection);
    // The files of the scan that are still there (a delete leaves its entry until the next scan).
    for (const int index : BaseTableListOrder(m_divFiles)) {
        const DivFileRec& file = m_divFiles[static_cast<std::size_t>(index)];
        if (!QFileInfo::exists(m_context.TableFolder() + QString::fromStdString(file.Path)))
            continue;
        auto* item = new QListWidgetItem(FromLeague(file.Title), m_lbTables);
        item->setData(kIndexRole, index);
        item->setToolTip(QString::fromStdString(file.Path));
    }
    auto* label = new QLabel(tr("&Tables (choose one to three):"), page);
    label->setBuddy(m_lbTables);
    m_cbCopyPlayers = new QCheckBox(tr(kCopyPlayersCaption), page);
    m_cbCopyPlayers->setObjectName("cbCopyPlayers");
    m_cbCopyReferees = new QCheckBox(tr(kCopyRefereesCaption), page);
    m_cbCopyReferees->setObjectName("cbCopyReferees");
    auto* layout = PageLayout(page);
    layout->addWidget(label);
    layout->addWidget(m_lbTables, 1);
    layout->addWidget(m_cbCopyPlayers);
    layout->addWidget(m_cbCopyReferees);
    return page;
}

QWidget* NewTableWizard::BuildSelectTeamsPage() {
    auto* page = new QWidget;
    m_tcTables = new QTabBar(page);
    m_tcTables->setObjectName("tcTables");
    m_tcTables->setExpanding(false);
    m_tcTables->setDrawBase(false);
    m_clbTeams = new QListWidget(page);
    m_clbTeams->setObjectName("clbTeams");
    m_btnSelectAll = MakeButton(page, "btnSelectAll", tr(kSelectAllCaption));
    m_btnClearAll = MakeButton(page, "btnClearAll", tr(kClearAllCaption));
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_btnSelectAll);
    buttons->addWidget(m_btnClearAll);
    buttons->addStretch(1);
    auto* row = new QHBoxLayout;
    row->addWidget(m_clbTeams, 1);
    row->addLayout(buttons);
    auto* layout = PageLayout(page);
    layout->setSpacing(0);
    layout->addWidget(m_tcTables);
    layout->addLayout(row, 1);
    return page;
}

QWidget* NewTableWizard::BuildTeamNamesPage() {
    auto* page = new QWidget;
    m_lbTeamNames = new QListWidget(page);
    m_lbTeamNames->setObjectName("lbTeamNames");
    m_lbTeamNames->setToolTip(tr("Double-click a name to correct it"));
    auto* listLabel = new QLabel(tr("Te&ams:"), page);
    listLabel->setBuddy(m_lbTeamNames);
    m_edTeamName = new QLineEdit(page);
    m_edTeamName->setObjectName("edTeamName");
    m_edTeamName->setMaxLength(static_cast<int>(kNewNameMax));
    auto* nameLabel = new QLabel(tr("Team &name:"), page);
    nameLabel->setBuddy(m_edTeamName);
    m_btnAdd = MakeButton(page, "btnAdd", tr(kAddCaption));
    m_btnEdit = MakeButton(page, "btnEdit", tr(kEditCaption));
    m_btnEdit->setToolTip(tr("Move the selected name back into the name box for correction"));
    m_pnlRemaining = new QLabel(page);
    m_pnlRemaining->setObjectName("pnlRemaining");
    m_pnlRemaining->setFrameShape(QFrame::Panel);
    m_pnlRemaining->setFrameShadow(QFrame::Sunken);
    m_pnlRemaining->setAlignment(Qt::AlignCenter);
    m_pnlRemaining->setMinimumHeight(m_pnlRemaining->sizeHint().height() + 8);

    auto* left = new QVBoxLayout;
    left->addWidget(listLabel);
    left->addWidget(m_lbTeamNames, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_btnAdd);
    buttons->addWidget(m_btnEdit);
    auto* right = new QVBoxLayout;
    right->addWidget(nameLabel);
    right->addWidget(m_edTeamName);
    right->addLayout(buttons);
    right->addStretch(1);
    right->addWidget(m_pnlRemaining);
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(kPageMargin, kPageMargin, kPageMargin, kPageMargin);
    layout->addLayout(left, 1);
    layout->addSpacing(12);
    layout->addLayout(right, 1);
    return page;
}

QWidget* NewTableWizard::BuildTimesToPlayPage() {
    auto* page = new QWidget;
    m_udPlayTimes = MakeSpin(page, "udPlayTimes", kTimesToPlayRange);
    auto* form = MakeForm();
    form->addRow(tr("Number of &times teams play each other:"), m_udPlayTimes);
    auto* note = new QLabel(tr("Enter 0 when the teams do not play a fixed number of games."), page);
    note->setWordWrap(true);
    auto* layout = PageLayout(page);
    layout->addLayout(form);
    layout->addSpacing(8);
    layout->addWidget(note);
    layout->addStretch(1);
    return page;
}

QWidget* NewTableWizard::BuildGamePointsPage() {
    auto* page = new QWidget;
    m_udWinPoints = MakeSpin(page, "udWinPoints", kWinPointsRange);
    m_udDrawPoints = MakeSpin(page, "udDrawPoints", kDrawPointsRange);
    m_udLossPoints = MakeSpin(page, "udLossPoints", kLossPointsRange);
    auto* form = MakeForm();
    form->addRow(tr("Points for a &win:"), m_udWinPoints);
    form->addRow(tr("Points for a &draw:"), m_udDrawPoints);
    form->addRow(tr("Points for a &loss:"), m_udLossPoints);
    auto* layout = PageLayout(page);
    layout->addLayout(form);
    layout->addStretch(1);
    return page;
}

QWidget* NewTableWizard::BuildOwnTeamPage() {
    auto* page = new QWidget;
    m_lbOwnTeam = new QListWidget(page);
    m_lbOwnTeam->setObjectName("lbOwnTeam");
    auto* label = new QLabel(tr("&Own team:"), page);
    label->setBuddy(m_lbOwnTeam);
    auto* layout = PageLayout(page);
    layout->addWidget(label);
    layout->addWidget(m_lbOwnTeam, 1);
    return page;
}

QWidget* NewTableWizard::BuildPromotionPage() {
    auto* page = new QWidget;
    m_udPromoted = MakeSpin(page, "udPromoted", kPlacesRange);
    m_udPlayOffs = MakeSpin(page, "udPlayOffs", kPlacesRange);
    m_udRelegated = MakeSpin(page, "udRelegated", kPlacesRange);
    m_udRelPlayOffs = MakeSpin(page, "udRelPlayOffs", kPlacesRange);
    auto group = [page](const QString& title, const QString& automatic, QSpinBox* a, const QString& playoffs,
                        QSpinBox* p) {
        auto* box = new QGroupBox(title, page);
        auto* form = MakeForm(box);
        form->addRow(automatic, a);
        form->addRow(playoffs, p);
        return box;
    };
    auto* layout = PageLayout(page);
    auto* row = new QHBoxLayout;
    row->addWidget(group(tr("Promotion"), tr("&Automatic:"), m_udPromoted, tr("&Playoffs:"), m_udPlayOffs));
    row->addWidget(
        group(tr("Relegation"), tr("A&utomatic:"), m_udRelegated, tr("Pla&yoffs:"), m_udRelPlayOffs));
    row->addStretch(1);
    layout->addLayout(row);
    layout->addStretch(1);
    return page;
}

QWidget* NewTableWizard::BuildTeamSizePage() {
    auto* page = new QWidget;
    m_udTeamSize = MakeSpin(page, "udTeamSize", kTeamSizeRange);
    m_udHalfLength = MakeSpin(page, "udHalfLength", kHalfLengthRange);
    auto* form = MakeForm();
    form->addRow(tr("&Players in a team (substitutes not counted):"), m_udTeamSize);
    form->addRow(tr("&Length of each half in minutes:"), m_udHalfLength);
    auto* layout = PageLayout(page);
    layout->addLayout(form);
    layout->addStretch(1);
    return page;
}

void NewTableWizard::BuildButtons() {
    m_btnBack = MakeButton(this, "btnBack", tr("< &Back"));
    m_btnNext = MakeButton(this, "btnNext", tr(kNextCaption));
    m_btnNext->setDefault(true);
    m_btnCancel = MakeButton(this, "btnCancel", tr("Cancel"));
    m_btnHelp = MakeButton(this, "btnHelp", tr("&Help"));
}

void NewTableWizard::LayOut() {
    auto* header = new QFrame(this);
    header->setObjectName("pnlHeading");
    header->setAutoFillBackground(true);
    header->setBackgroundRole(QPalette::Base);
    auto* headerLayout = new QVBoxLayout(header);
    headerLayout->setContentsMargins(12, 10, 12, 10);
    headerLayout->addWidget(m_heading);
    auto* sub = new QHBoxLayout;
    sub->addSpacing(16);
    sub->addWidget(m_subHeading, 1);
    headerLayout->addLayout(sub);
    m_heading->setParent(header);
    m_subHeading->setParent(header);
    // Room for a sub-heading of two lines, so pages do not jump.
    m_subHeading->setMinimumHeight(2 * m_subHeading->fontMetrics().lineSpacing());
    m_subHeading->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto line = [this] {
        auto* l = new QFrame(this);
        l->setFrameShape(QFrame::HLine);
        l->setFrameShadow(QFrame::Sunken);
        return l;
    };
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(12, 8, 12, 12);
    buttons->addWidget(m_btnHelp);
    buttons->addStretch(1);
    buttons->addWidget(m_btnBack);
    buttons->addWidget(m_btnNext);
    buttons->addSpacing(8);
    buttons->addWidget(m_btnCancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(header);
    layout->addWidget(line());
    layout->addWidget(m_pages, 1);
    layout->addWidget(line());
    layout->addLayout(buttons);
    setMinimumSize(560, 420);
    resize(560, 420);
}

void NewTableWizard::ConnectControls() {
    connect(m_btnBack, &QPushButton::clicked, this, &NewTableWizard::btnBackClick);
    connect(m_btnNext, &QPushButton::clicked, this, &NewTableWizard::btnNextClick);
    connect(m_btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_btnHelp, &QPushButton::clicked, this, &NewTableWizard::btnHelpClick);
    connect(m_btnSelectAll, &QPushButton::clicked, this, &NewTableWizard::btnSelectAllClick);
    connect(m_btnClearAll, &QPushButton::clicked, this, &NewTableWizard::btnClearAllClick);
    connect(m_btnAdd, &QPushButton::clicked, this, &NewTableWizard::btnAddClick);
    connect(m_btnEdit, &QPushButton::clicked, this, &NewTableWizard::btnEditClick);
    connect(m_tcTables, &QTabBar::currentChanged, this, &NewTableWizard::TabChanging);
    connect(m_lbTeamNames, &QListWidget::itemDoubleClicked, this, &NewTableWizard::EditName);
    m_edTeamName->installEventFilter(this);
}

void NewTableWizard::SetTabOrder() {
    // Page 5: the name box comes first, as it has the focus on entry.
    setTabOrder(m_edTeamName, m_btnAdd);
    setTabOrder(m_btnAdd, m_btnEdit);
    setTabOrder(m_btnEdit, m_lbTeamNames);
    // Then the buttons in the order they stand, Help last.
    setTabOrder(m_btnBack, m_btnNext);
    setTabOrder(m_btnNext, m_btnCancel);
    setTabOrder(m_btnCancel, m_btnHelp);
}

bool NewTableWizard::FromScratch() const {
    return m_rbScratch->isChecked();
}

int NewTableWizard::TeamCount() const {
    return m_teamCount;
}

void NewTableWizard::EnterPage(int page) {
    m_page = page;
    m_pages->setCurrentIndex(page);
    const PageHeading heading = WizardPageHeading(page);
    m_heading->setText(Message(heading.Heading));
    m_subHeading->setText(Message(heading.SubHeading));
    m_btnBack->setEnabled(page > kIntroPage);
    m_btnNext->setText(tr(NextButtonCaption(page)));

    QWidget* focus = m_btnNext;
    switch (page) {
    case kSourcePage:
        focus = FromScratch() ? m_rbScratch : m_rbExisting;
        break;
    case kNameSizePage:
        focus = m_edTableName;
        break;
    case kBaseTablePage:
        focus = m_lbTables;
        break;
    case kSelectTeamsPage:
        ShowTabs();
        focus = m_clbTeams;
        break;
    case kTeamNamesPage:
        m_edTeamName->clear();
        ShowNames();
        UpdateRemaining();
        focus = m_edTeamName;
        break;
    case kTimesToPlayPage:
        focus = m_udPlayTimes;
        break;
    case kGamePointsPage:
        focus = m_udWinPoints;
        break;
    case kOwnTeamPage: {
        const int previous = m_lbOwnTeam->currentRow();
        m_lbOwnTeam->clear();
        for (const std::string& item : OwnTeamItems(m_names.Names()))
            m_lbOwnTeam->addItem(FromLeague(item));
        m_lbOwnTeam->setCurrentRow(KeptOwnTeamLine(previous, m_lbOwnTeam->count()));
        focus = m_lbOwnTeam;
        break;
    }
    case kPromotionPage:
        focus = m_udPromoted;
        break;
    case kTeamSizePage:
        focus = m_udTeamSize;
        break;
    default:
        break;
    }
    focus->setFocus();
    // A number box is entered ready to be typed over.
    if (auto* spin = qobject_cast<QSpinBox*>(focus))
        spin->selectAll();
}

void NewTableWizard::btnNextClick() {
    if (m_page == kTeamSizePage) {
        if (FinishHit())
            accept();
        return;
    }
    if (!LeavePage())
        return;
    const int next = NextWizardPage(m_page, FromScratch());
    if (next >= 0)
        EnterPage(next);
}

void NewTableWizard::btnBackClick() {
    const int previous = PreviousWizardPage(m_page, FromScratch());
    if (previous >= 0)
        EnterPage(previous);
}

bool NewTableWizard::LeavePage() {
    switch (m_page) {
    case kNameSizePage:
        return LeaveNameSizePage();
    case kBaseTablePage:
        return LeaveBaseTablePage();
    case kSelectTeamsPage:
        return LeaveSelectTeamsPage();
    case kTeamNamesPage:
        return LeaveTeamNamesPage();
    default:
        return true;
    }
}

void NewTableWizard::Refuse(const std::string& message, QWidget* focus) {
    m_context.prompter.Error(this, Message(message));
    if (focus != nullptr)
        focus->setFocus();
}

bool NewTableWizard::LeaveNameSizePage() {
    if (const Status named = CheckTableName(ToLeague(m_edTableName->text())); !named) {
        Refuse(named.Message, m_edTableName);
        return false;
    }
    m_teamCount = m_udNumTeams->value();
    UpdateRemaining();
    return true;
}

bool NewTableWizard::LeaveBaseTablePage() {
    std::vector<std::filesystem::path> files;
    for (int row = 0; row < m_lbTables->count(); ++row) {
        const QListWidgetItem* item = m_lbTables->item(row);
        if (!item->isSelected())
            continue;
        const auto index = static_cast<std::size_t>(item->data(kIndexRole).toInt());
        files.push_back(ToPath(m_context.TableFolder() + QString::fromStdString(m_divFiles[index].Path)));
    }
    if (const Status count = CheckBaseTableCount(static_cast<int>(files.size())); !count) {
        Refuse(count.Message, m_lbTables);
        return false;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Expected<BaseTables> base = LoadBaseFiles(files);
    QApplication::restoreOverrideCursor();
    if (!base) {
        Refuse(base.error().Message, m_lbTables);
        return false;
    }
    m_base = std::move(*base);
    return true;
}

bool NewTableWizard::LeaveSelectTeamsPage() {
    StoreShownTicks();
    if (const Status ticked = CheckTickedTeams(m_base, m_teamCount); !ticked) {
        Refuse(ticked.Message, m_clbTeams);
        return false;
    }
    m_names.Replace(m_base.TickedNames());
    return true;
}

bool NewTableWizard::LeaveTeamNamesPage() {
    if (const Status named = CheckTeamNames(m_names.Names(), m_teamCount); !named) {
        const bool missing = m_names.Count() != m_teamCount;
        Refuse(named.Message, missing ? static_cast<QWidget*>(m_edTeamName) : m_lbTeamNames);
        return false;
    }
    return true;
}

bool NewTableWizard::FinishHit() {
    NewTableInput input;
    input.TableName = ToLeague(m_edTableName->text());
    input.TeamNames = m_names.Names();
    input.TimesToPlay = m_udPlayTimes->value();
    input.WinPoints = m_udWinPoints->value();
    input.DrawPoints = m_udDrawPoints->value();
    input.LossPoints = m_udLossPoints->value();
    input.OwnTeam = OwnTeamOfLine(m_names.Names(), m_lbOwnTeam->currentRow());
    input.Promoted = m_udPromoted->value();
    input.PlayOffs = m_udPlayOffs->value();
    input.Relegated = m_udRelegated->value();
    input.RelPlayOffs = m_udRelPlayOffs->value();
    input.TeamSize = m_udTeamSize->value();
    input.HalfLength = m_udHalfLength->value();
    if (!FromScratch()) {
        input.Base = m_base;
        input.CopyPlayers = m_cbCopyPlayers->isChecked();
        input.CopyReferees = m_cbCopyReferees->isChecked();
    }
    Expected<League> league = BuildNewLeague(input);
    if (!league) {
        Refuse(league.error().Message);
        return false;
    }

    const QString file = m_context.fileDialogs.SaveFileAs(this, tr(kSaveCaption), m_context.TableFolder(),
                                                          DialogFilter(kNewTableFileFilter),
                                                          QString::fromLatin1(kNewTableDefaultExtension));
    if (file.isEmpty())
        return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Status saved = SaveNewLeague(*league, ToPath(file));
    QApplication::restoreOverrideCursor();
    if (!saved) {
        // Nothing chosen so far is lost: the wizard stays open on its last page.
        Refuse(tr("The new table could not be written to %1.\n\n%2")
                   .arg(file, Message(saved.Message))
                   .toStdString());
        return false;
    }
    m_savedFile = file;
    return true;
}

void NewTableWizard::btnHelpClick() {
    if (m_help == nullptr)
        m_help = new HelpWindow(this);
    m_help->ShowTopic(QString::fromLatin1(kHelpTopic));
}

void NewTableWizard::ShowTabs() {
    {
        const QSignalBlocker block(m_tcTables);
        while (m_tcTables->count() > 0)
            m_tcTables->removeTab(0);
        for (int slot = 1; slot <= m_base.SlotCount(); ++slot)
            m_tcTables->addTab(Message(BaseTabCaption(slot)));
        m_tcTables->setCurrentIndex(0);
    }
    ShowSlotTeams(1);
}

void NewTableWizard::ShowSlotTeams(int slot) {
    m_shownSlot = slot;
    m_clbTeams->clear();
    const int first = m_base.FirstTeamOfSlot(slot);
    for (int t = first; t < first + m_base.TeamsOfSlot(slot); ++t) {
        const BaseTeam& team = m_base.Teams[static_cast<std::size_t>(t)];
        auto* item = new QListWidgetItem(FromLeague(team.Name), m_clbTeams);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(team.Ticked ? Qt::Checked : Qt::Unchecked);
    }
    if (m_clbTeams->count() > 0)
        m_clbTeams->setCurrentRow(0);
}

void NewTableWizard::StoreShownTicks() {
    const int first = m_base.FirstTeamOfSlot(m_shownSlot);
    for (int row = 0; row < m_clbTeams->count() && first + row <= m_base.TeamCount(); ++row)
        m_base.Teams[static_cast<std::size_t>(first + row)].Ticked =
            m_clbTeams->item(row)->checkState() == Qt::Checked;
}

void NewTableWizard::TabChanging(int index) {
    StoreShownTicks();
    ShowSlotTeams(index + 1);
}

void NewTableWizard::btnSelectAllClick() {
    m_base.TickSlot(m_shownSlot, true);
    ShowSlotTeams(m_shownSlot);
}

void NewTableWizard::btnClearAllClick() {
    m_base.TickSlot(m_shownSlot, false);
    ShowSlotTeams(m_shownSlot);
}

void NewTableWizard::ShowNames() {
    m_lbTeamNames->clear();
    for (const std::string& name : m_names.Names())
        m_lbTeamNames->addItem(FromLeague(name));
}

void NewTableWizard::UpdateRemaining() {
    m_pnlRemaining->setText(Message(RemainingText(m_names.Remaining(m_teamCount))));
    m_btnAdd->setEnabled(m_names.AddEnabled(m_teamCount));
}

void NewTableWizard::btnAddClick() {
    const std::optional<std::size_t> at = m_names.Add(ToLeague(m_edTeamName->text()));
    if (!at) {
        m_context.prompter.Beep();
        m_edTeamName->setFocus();
        return;
    }
    m_edTeamName->clear();
    ShowNames();
    m_lbTeamNames->setCurrentRow(static_cast<int>(*at));
    UpdateRemaining();
    m_edTeamName->setFocus();
}

void NewTableWizard::btnEditClick() {
    QListWidgetItem* item = m_lbTeamNames->currentItem();
    if (item == nullptr) {
        m_context.prompter.Beep();
        return;
    }
    EditName(item);
}

void NewTableWizard::EditName(QListWidgetItem* item) {
    const int row = m_lbTeamNames->row(item);
    if (row < 0)
        return;
    m_edTeamName->setText(FromLeague(m_names.Take(static_cast<std::size_t>(row))));
    ShowNames();
    UpdateRemaining();
    m_edTeamName->setFocus();
    m_edTeamName->selectAll();
}

bool NewTableWizard::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the name box adds the name while names are still to add; otherwise it is the
    // default button's (Next).
    if (watched == m_edTeamName && event->type() == QEvent::KeyPress) {
        const auto key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_btnAdd->isEnabled()) {
            btnAddClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace gorlin
