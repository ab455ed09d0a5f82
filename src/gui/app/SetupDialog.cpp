#include "gui/app/SetupDialog.h"

#include "core/model/Text.h"
#include "gui/widgets/LeagueText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace gorlin {

namespace {

QIcon Swatch(Colour c) {
    QPixmap pm(28, 14);
    pm.fill(ToQColor(c));
    QPainter p(&pm);
    p.setPen(Qt::black);
    p.drawRect(0, 0, pm.width() - 1, pm.height() - 1);
    return QIcon(pm);
}

template <typename T> T* Named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

SetupDialog::SetupDialog(Settings& settings, IniFile& ini, Prompter& prompter, bool dialUpAvailable,
                         QWidget* parent, const QStringList& dialUpEntries)
    : QDialog(parent), m_settings(settings), m_ini(ini), m_prompter(prompter),
      m_dialUpAvailable(dialUpAvailable), m_dialUpEntries(dialUpEntries),
      m_columns(settings.TableLong, settings.TableShort) {
    setObjectName("SetupDialog");
    setWindowTitle(tr("Setup"));

    m_pages = Named(new QTabWidget(this), "pcSetup");
    m_pages->addTab(BuildGeneralPage(), tr("General"));
    m_pages->addTab(BuildSquadsPage(), tr("Squads"));
    m_pages->addTab(BuildHtmlPage(), tr("HTML"));
    m_pages->addTab(BuildTablePage(), tr("Table"));
    m_pages->addTab(BuildDialupPage(), tr("Dialup"));

    m_btnApply = Named(new QPushButton(tr("&Ok"), this), "btnApply");
    m_btnCancel = Named(new QPushButton(tr("&Cancel"), this), "btnCancel");
    m_btnApply->setDefault(true);
    m_btnApply->setAutoDefault(true);
    connect(m_btnApply, &QPushButton::clicked, this, &SetupDialog::btnApplyClick);
    connect(m_btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_btnApply);
    buttons->addWidget(m_btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages, 1);
    layout->addLayout(buttons);

    FillControls();
}

QWidget* SetupDialog::BuildGeneralPage() {
    auto* page = Named(new QWidget, "tsGeneral");

    auto* defaults = Named(new QGroupBox(tr("Defaults"), page), "gbDefaults");
    m_cbShowPoss = Named(new QCheckBox(tr("&Show Possible-Points in Table")), "cbShowPoss");
    m_cbShortTab = Named(new QCheckBox(tr("Short &Form Table Display")), "cbShortTab");
    m_cbShowHints = Named(new QCheckBox(tr("Show Help &Hints")), "cbShowHints");
    m_cbTakeBackup = Named(new QCheckBox(tr("Create &Backup files on Save")), "cbTakeBackup");
    m_cbShowStatus = Named(new QCheckBox(tr("Sho&w promotion/relegation status in table")), "cbShowStatus");
    m_cbRecycle = Named(new QCheckBox(tr("Send deleted files to the Recycle Bin")), "cbRecycle");
    m_cbSubFolders = Named(new QCheckBox(tr("Display Sub-Folders in Selection List")), "cbSubFolders");
    auto* defaultsLayout = new QVBoxLayout(defaults);
    for (QCheckBox* cb : {m_cbShowPoss, m_cbShortTab, m_cbShowHints, m_cbTakeBackup, m_cbShowStatus,
                          m_cbRecycle, m_cbSubFolders})
        defaultsLayout->addWidget(cb);
    defaultsLayout->addStretch(1);

    auto* form = Named(new QGroupBox(tr("Current Form"), page), "gbCurrentForm");
    auto* formLabel = new QLabel(tr("Number of games to include :"));
    m_seFormGames = Named(new QSpinBox, "seFormGames");
    m_seFormGames->setRange(Settings::kFormGamesMin, Settings::kFormGamesMax);
    formLabel->setBuddy(m_seFormGames);
    auto* formLayout = new QHBoxLayout(form);
    formLayout->addWidget(formLabel);
    formLayout->addWidget(m_seFormGames);
    formLayout->addStretch(1);

    auto* colours = Named(new QGroupBox(tr("Element Colours"), page), "gbColours");
    auto* coloursLayout = new QVBoxLayout(colours);
    auto* elements = new QButtonGroup(this);
    const char* const names[] = {"rbPromoted", "rbPlayoffs", "rbRelegated", "rbOwnTeam", "rbDefault"};
    const QString captions[] = {tr("&Promoted Teams"), tr("&Teams in Playoffs"), tr("&Relegated Teams"),
                                tr("&Your Own Team"), tr("&Default Teams")};
    for (std::size_t i = 0; i < m_rbElements.size(); ++i) {
        m_rbElements[i] = Named(new QRadioButton(captions[i]), names[i]);
        elements->addButton(m_rbElements[i], static_cast<int>(i));
        coloursLayout->addWidget(m_rbElements[i]);
        connect(m_rbElements[i], &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                ElementChanged();
        });
    }
    m_cbColour = Named(new QComboBox, "cbColour");
    m_cbColour->setIconSize(QSize(28, 14));
    for (std::size_t i = 0; i < kSetupPalette.size(); ++i)
        m_cbColour->addItem(Swatch(kSetupPalette[i]), tr(kSetupPaletteNames[i]));
    m_cbColour->setToolTip(tr("Colour of the chosen element"));
    coloursLayout->addSpacing(6);
    coloursLayout->addWidget(m_cbColour);
    coloursLayout->addStretch(1);
    connect(m_cbColour, &QComboBox::currentIndexChanged, this, &SetupDialog::cbColourChange);

    auto* grid = new QGridLayout(page);
    grid->addWidget(defaults, 0, 0);
    grid->addWidget(colours, 0, 1);
    grid->addWidget(form, 1, 0, 1, 2);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->setRowStretch(2, 1);
    return page;
}

QWidget* SetupDialog::BuildSquadsPage() {
    auto* page = Named(new QWidget, "tsSquads");

    auto* order = Named(new QGroupBox(tr("Squad Sort Order"), page), "gbSquadSort");
    m_rbSortTime = Named(new QRadioButton(tr("Sort by time on and squad position/number")), "rbSortTime");
    m_rbSortAdded = Named(new QRadioButton(tr("Sort in order added to squad")), "rbSortAdded");
    auto* orderLayout = new QVBoxLayout(order);
    orderLayout->addWidget(m_rbSortTime);
    orderLayout->addWidget(m_rbSortAdded);

    auto* details = Named(new QGroupBox(tr("Player Details"), page), "gbPlayerDetails");
    auto* positionsLabel = new QLabel(tr("Player &Positions:"));
    m_lbPositions = Named(new QListWidget, "lbPositions");
    m_lbPositions->setToolTip(tr("Select a position to rename it"));
    positionsLabel->setBuddy(m_lbPositions);
    m_edPosition = Named(new QLineEdit, "edPosition");
    m_edPosition->setMaxLength(static_cast<int>(Settings::kPositionNameMax));
    m_edPosition->setToolTip(tr("Name of the selected position"));
    auto* nameLabel = new QLabel(tr("&Name:"));
    nameLabel->setBuddy(m_edPosition);
    auto* detailsLayout = new QGridLayout(details);
    detailsLayout->addWidget(positionsLabel, 0, 0, 1, 2);
    detailsLayout->addWidget(m_lbPositions, 1, 0, 1, 2);
    detailsLayout->addWidget(nameLabel, 2, 0);
    detailsLayout->addWidget(m_edPosition, 2, 1);
    connect(m_lbPositions, &QListWidget::currentRowChanged, this, &SetupDialog::lbPositionsClick);
    connect(m_edPosition, &QLineEdit::textChanged, this, &SetupDialog::edPositionChange);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(order);
    layout->addWidget(details, 1);
    return page;
}

QWidget* SetupDialog::BuildHtmlPage() {
    auto* page = Named(new QWidget, "tsHtml");
    auto* tags = Named(new QGroupBox(tr("Default Tags"), page), "gbTags");
    auto* label = new QLabel(tr("Table:"));
    m_edTableTag = Named(new QLineEdit, "edTableTag");
    m_edTableTag->setToolTip(tr("Opening tag of exported HTML tables"));
    label->setBuddy(m_edTableTag);
    auto* tagsLayout = new QHBoxLayout(tags);
    tagsLayout->addWidget(label);
    tagsLayout->addWidget(m_edTableTag, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(tags);
    layout->addStretch(1);
    return page;
}

QWidget* SetupDialog::BuildTablePage() {
    auto* page = Named(new QWidget, "tsTable");
    auto* format = Named(new QGroupBox(tr("Table Columns"), page), "gbFormat");
    m_rbLong = Named(new QRadioButton(tr("Long Format")), "rbLong");
    m_rbShort = Named(new QRadioButton(tr("Short Format")), "rbShort");
    auto* formatLayout = new QHBoxLayout(format);
    formatLayout->addWidget(m_rbLong);
    formatLayout->addWidget(m_rbShort);
    formatLayout->addStretch(1);
    connect(m_rbLong, &QRadioButton::toggled, this, &SetupDialog::rbFormatClick);

    m_lbColumns = Named(new QListWidget, "lbColumns");
    m_lbColumns->setToolTip(tr("Tick the columns to show; Up and Down change their order"));
    connect(m_lbColumns, &QListWidget::itemChanged, this, &SetupDialog::lbColumnsItemChanged);
    m_btnUp = Named(new QPushButton(tr("Up")), "btnUp");
    m_btnDown = Named(new QPushButton(tr("Down")), "btnDown");
    m_btnRestore = Named(new QPushButton(tr("Restore Default")), "btnRestore");
    m_btnUp->setToolTip(tr("Move the selected column up"));
    m_btnDown->setToolTip(tr("Move the selected column down"));
    m_btnRestore->setToolTip(tr("Restore the default columns of this format"));
    for (QPushButton* b : {m_btnUp, m_btnDown, m_btnRestore})
        b->setAutoDefault(false);
    connect(m_btnUp, &QPushButton::clicked, this, &SetupDialog::btnUpClick);
    connect(m_btnDown, &QPushButton::clicked, this, &SetupDialog::btnDownClick);
    connect(m_btnRestore, &QPushButton::clicked, this, &SetupDialog::btnRestoreClick);

    auto* side = new QVBoxLayout;
    side->addWidget(m_btnUp);
    side->addWidget(m_btnDown);
    side->addSpacing(12);
    side->addWidget(m_btnRestore);
    side->addStretch(1);
    auto* body = new QHBoxLayout;
    body->addWidget(m_lbColumns, 1);
    body->addLayout(side);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(format);
    layout->addLayout(body, 1);
    return page;
}

QWidget* SetupDialog::BuildDialupPage() {
    auto* page = Named(new QWidget, "tsDialup");

    auto* connection = Named(new QGroupBox(tr("Connection"), page), "gbConnection");
    m_rbManual = Named(new QRadioButton(tr("Manual connection")), "rbManual");
    m_rbDialUp = Named(new QRadioButton(tr("Use an existing Dial-Up connection")), "rbDialUp");
    m_lblConnection = Named(new QLabel(tr("Dial-Up &Entry:")), "lblConnection");
    m_cbConnection = Named(new QComboBox, "cbConnection");
    m_lblConnection->setBuddy(m_cbConnection);
    auto* connectionLayout = new QGridLayout(connection);
    connectionLayout->addWidget(m_rbManual, 0, 0, 1, 2);
    connectionLayout->addWidget(m_rbDialUp, 1, 0, 1, 2);
    connectionLayout->addWidget(m_lblConnection, 2, 0);
    connectionLayout->addWidget(m_cbConnection, 2, 1);
    connectionLayout->setColumnStretch(1, 1);
    connect(m_rbManual, &QRadioButton::toggled, this, &SetupDialog::ConnectionChoiceClick);

    auto* disconnect = Named(new QGroupBox(tr("Disconnect Option:"), page), "gbDisconnect");
    m_gbDisconnect = disconnect;
    const char* const discNames[] = {"rbDiscManual", "rbDiscComplete", "rbDiscAsk"};
    const QString discCaptions[] = {tr("Manual Disconnection"), tr("Disconnect after Update Complete"),
                                    tr("Ask Me")};
    auto* discLayout = new QVBoxLayout(disconnect);
    auto* discGroup = new QButtonGroup(this);
    for (std::size_t i = 0; i < m_rbDisc.size(); ++i) {
        m_rbDisc[i] = Named(new QRadioButton(discCaptions[i]), discNames[i]);
        discGroup->addButton(m_rbDisc[i], static_cast<int>(i));
        discLayout->addWidget(m_rbDisc[i]);
    }

    auto* proxy = Named(new QGroupBox(tr("Proxy:"), page), "gbProxy");
    m_cbUseProxy = Named(new QCheckBox(tr("Use a Proxy")), "cbUseProxy");
    m_edProxyName = Named(new QLineEdit, "edProxyName");
    m_edProxyName->setMaxLength(80);
    m_edProxyPort = Named(new QLineEdit, "edProxyPort");
    m_edProxyPort->setMaxLength(4);
    m_edProxyPort->setMaximumWidth(m_edProxyPort->fontMetrics().horizontalAdvance(QStringLiteral("00000")) +
                                   16);
    auto* addressLabel = new QLabel(tr("Address:"));
    addressLabel->setBuddy(m_edProxyName);
    auto* portLabel = new QLabel(tr("Port:"));
    portLabel->setBuddy(m_edProxyPort);
    auto* proxyLayout = new QGridLayout(proxy);
    proxyLayout->addWidget(m_cbUseProxy, 0, 0, 1, 4);
    proxyLayout->addWidget(addressLabel, 1, 0);
    proxyLayout->addWidget(m_edProxyName, 1, 1);
    proxyLayout->addWidget(portLabel, 1, 2);
    proxyLayout->addWidget(m_edProxyPort, 1, 3);
    proxyLayout->setColumnStretch(1, 1);
    connect(m_cbUseProxy, &QCheckBox::clicked, this, &SetupDialog::cbUseProxyClick);

    m_lblRasNote = Named(new QLabel, "lblRasNote");
    m_lblRasNote->setWordWrap(true);

    auto* top = new QHBoxLayout;
    top->addWidget(connection, 3);
    top->addWidget(disconnect, 2);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addWidget(proxy);
    layout->addWidget(m_lblRasNote);
    layout->addStretch(1);
    return page;
}

void SetupDialog::FillControls() {
    m_filling = true;
    const Settings& s = m_settings;
    m_colours = {s.Colour1, s.Colour2, s.Colour3, s.Colour4, s.Colour5};
    m_cbShowPoss->setChecked(s.ShowPoss);
    m_cbShortTab->setChecked(s.ShortTab);
    m_cbShowHints->setChecked(s.ShowHints);
    m_cbTakeBackup->setChecked(s.TakeBackup);
    m_cbShowStatus->setChecked(s.ShowStatus);
    m_cbRecycle->setChecked(s.RecycleOnDelete);
    m_cbSubFolders->setChecked(s.ShowSubFolders);
    m_seFormGames->setValue(s.FormGames);
    m_rbElements[0]->setChecked(true);
    ElementChanged();

    (s.SquadSort == 0 ? m_rbSortTime : m_rbSortAdded)->setChecked(true);
    m_lbPositions->clear();
    for (int n = 1; n <= 9; ++n)
        m_lbPositions->addItem(FromLeague(PositionLine(n, s.Positions[static_cast<std::size_t>(n)])));
    m_lbPositions->setCurrentRow(0);

    m_edTableTag->setText(FromLeague(s.TableTag));

    m_rbLong->setChecked(true);
    ShowColumns(0);

    m_cbConnection->clear();
    if (m_dialUpAvailable) {
        for (const QString& entry : m_dialUpEntries)
            m_cbConnection->addItem(entry);
        m_cbConnection->setCurrentIndex(m_cbConnection->findText(FromLeague(s.ConnectName)));
    }
    const int disc = std::clamp(s.DiscOption, 0, 2);
    m_rbDisc[static_cast<std::size_t>(disc)]->setChecked(true);
    if (m_dialUpAvailable) {
        (s.ManualConnect ? m_rbManual : m_rbDialUp)->setChecked(true);
        m_lblRasNote->hide();
    } else {
        m_rbManual->setChecked(true);
        m_rbManual->setEnabled(false);
        m_rbDialUp->setEnabled(false);
        m_lblRasNote->setText(QString::fromLatin1(kNoDialUpNote));
    }
    ConnectionChoiceClick();

    m_cbUseProxy->setChecked(s.UseProxy);
    m_edProxyName->setText(FromLeague(s.ProxyName));
    m_edProxyPort->setText(QString::number(s.ProxyPort));
    m_edProxyName->setEnabled(s.UseProxy);
    m_edProxyPort->setEnabled(s.UseProxy);
    m_filling = false;
}

int SetupDialog::SelectedElement() const {
    for (std::size_t i = 0; i < m_rbElements.size(); ++i)
        if (m_rbElements[i]->isChecked())
            return static_cast<int>(i);
    return 0;
}

void SetupDialog::ElementChanged() {
    // A colour outside the palette leaves the box at its previous choice.
    const int index = PaletteIndex(m_colours[static_cast<std::size_t>(SelectedElement())]);
    if (index >= 0) {
        const QSignalBlocker block(m_cbColour);
        m_cbColour->setCurrentIndex(index);
    }
}

void SetupDialog::cbColourChange(int index) {
    if (index >= 0 && index < static_cast<int>(kSetupPalette.size()))
        m_colours[static_cast<std::size_t>(SelectedElement())] =
            kSetupPalette[static_cast<std::size_t>(index)];
}

void SetupDialog::lbPositionsClick(int row) {
    if (row < 0)
        return;
    m_positionRow = row;
    const std::string line = ToLeague(m_lbPositions->item(row)->text());
    const QSignalBlocker block(m_edPosition);
    m_edPosition->setText(FromLeague(PositionNameOfLine(line)));
}

void SetupDialog::edPositionChange(const QString& text) {
    QListWidgetItem* item = m_lbPositions->item(m_positionRow);
    if (item != nullptr)
        item->setText(FromLeague(PositionLine(m_positionRow + 1, ToLeague(text))));
}

void SetupDialog::ShowColumns(int selectRow) {
    const QSignalBlocker block(m_lbColumns);
    m_lbColumns->clear();
    for (const ColumnLine& line : m_columns.Lines()) {
        auto* item = new QListWidgetItem(QString::fromStdString(ColumnDescription(line.Letter)), m_lbColumns);
        item->setData(Qt::UserRole, QChar::fromLatin1(line.Letter));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(line.Ticked ? Qt::Checked : Qt::Unchecked);
    }
    if (selectRow >= 0 && selectRow < m_lbColumns->count())
        m_lbColumns->setCurrentRow(selectRow);
    // Room for every line of the long set, so no column hides below the fold.
    if (m_lbColumns->count() > 0)
        m_lbColumns->setMinimumHeight(
            std::max(m_lbColumns->minimumHeight(), m_lbColumns->sizeHintForRow(0) * m_lbColumns->count() +
                                                       2 * m_lbColumns->frameWidth() + 2));
}

void SetupDialog::rbFormatClick() {
    if (m_filling || m_rbShort->isChecked() == m_columns.ShowingShort())
        return;
    m_columns.Show(m_rbShort->isChecked());
    ShowColumns(0);
}

void SetupDialog::lbColumnsItemChanged(QListWidgetItem* item) {
    const int row = m_lbColumns->row(item);
    if (row >= 0)
        m_columns.SetTicked(static_cast<std::size_t>(row), item->checkState() == Qt::Checked);
}

void SetupDialog::btnUpClick() {
    const int row = m_lbColumns->currentRow();
    if (row < 0)
        return;
    ShowColumns(static_cast<int>(m_columns.MoveUp(static_cast<std::size_t>(row))));
}

void SetupDialog::btnDownClick() {
    const int row = m_lbColumns->currentRow();
    if (row < 0)
        return;
    ShowColumns(static_cast<int>(m_columns.MoveDown(static_cast<std::size_t>(row))));
}

void SetupDialog::btnRestoreClick() {
    m_columns.RestoreDefault();
    ShowColumns(0);
}

void SetupDialog::ConnectionChoiceClick() {
    const bool dialUp = m_rbDialUp->isChecked() && m_dialUpAvailable;
    m_lblConnection->setEnabled(dialUp);
    m_cbConnection->setEnabled(dialUp);
    m_gbDisconnect->setEnabled(dialUp);
    if (!dialUp)
        m_rbDisc[0]->setChecked(true);
}

void SetupDialog::cbUseProxyClick() {
    // The proxy does not depend on the dial-up service: ticking it always opens the boxes.
    const bool on = m_cbUseProxy->isChecked();
    m_edProxyName->setEnabled(on);
    m_edProxyPort->setEnabled(on);
}

SetupChoices SetupDialog::Choices() {
    SetupChoices c;
    c.Colours = m_colours;
    c.ShowPoss = m_cbShowPoss->isChecked();
    c.ShortTab = m_cbShortTab->isChecked();
    c.ShowHints = m_cbShowHints->isChecked();
    c.TakeBackup = m_cbTakeBackup->isChecked();
    c.ShowStatus = m_cbShowStatus->isChecked();
    c.RecycleOnDelete = m_cbRecycle->isChecked();
    c.ShowSubFolders = m_cbSubFolders->isChecked();
    c.FormGames = m_seFormGames->value();
    c.SquadSort = m_rbSortTime->isChecked() ? 0 : 1;
    for (int n = 1; n <= 9 && n <= m_lbPositions->count(); ++n)
        c.PositionLines[static_cast<std::size_t>(n)] = ToLeague(m_lbPositions->item(n - 1)->text());
    c.TableTag = ToLeague(m_edTableTag->text());
    m_columns.Store();
    c.TableLong = m_columns.TableLong();
    c.TableShort = m_columns.TableShort();
    c.ManualConnect = !(m_rbDialUp->isChecked() && m_dialUpAvailable);
    c.DiscOption = m_rbDisc[1]->isChecked() ? 1 : m_rbDisc[2]->isChecked() ? 2 : 0;
    c.ConnectName =
        m_cbConnection->currentIndex() >= 0 ? ToLeague(m_cbConnection->currentText()) : std::string();
    c.UseProxy = m_cbUseProxy->isChecked();
    c.ProxyAddressText = ToLeague(m_edProxyName->text());
    c.ProxyPortText = ToLeague(m_edProxyPort->text());
    return c;
}

void SetupDialog::btnApplyClick() {
    if (const Status taken = TakeSetup(Choices(), m_settings); !taken) {
        m_prompter.Error(this, QString::fromStdString(taken.Message));
        return;
    }
    m_settings.WriteSetup(m_ini);
    const Status saved = m_ini.Save();
    if (!saved.Ok)
        m_prompter.Error(
            this, tr("The settings could not be saved.\n\n%1").arg(QString::fromStdString(saved.Message)));
    accept();
}

} // namespace gorlin
