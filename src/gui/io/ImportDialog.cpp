#include "gui/io/ImportDialog.h"

#include "core/model/League.h"
#include "gui/league/LeagueHost.h"
#include "gui/league/LeagueTablePage.h"
#include "gui/widgets/AppContext.h"
#include "gui/widgets/RadioBox.h"

#include <QApplication>
#include <QButtonGroup>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <filesystem>

namespace gorlin {

namespace {

constexpr const char* kFileFilter = "CSV files (*.CSV *.csv);;Text files (*.TXT *.txt);;All files (*)";
/// Longest time the window goes unpainted while lines are imported.
constexpr int kRepaintMs = 40;

QLineEdit* CounterField(QWidget* parent, const char* name) {
    auto* field = new QLineEdit("0", parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignRight);
    field->setFocusPolicy(Qt::NoFocus);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance("0000000") + 12);
    return field;
}

} // namespace

ImportDialog::ImportDialog(League& league, AppContext& context, QWidget* parent)
    : QDialog(parent), m_league(league), m_context(context) {
    setObjectName("ImportDialog");
    setWindowTitle("Import Gorlin Data");
    BuildLayout();
    connect(m_browse, &QPushButton::clicked, this, &ImportDialog::btnBrowseClick);
    connect(m_import, &QPushButton::clicked, this, &ImportDialog::btnImportClick);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    m_file->setFocus();
}

QWidget* ImportDialog::BuildWhat() {
    QStringList captions;
    for (const char* caption : kImportWhatItems)
        captions << caption;
    return RadioBox(this, "rgImportWhat", "Import What", captions, m_what, true);
}

QWidget* ImportDialog::BuildFrom() {
    auto* box = new QGroupBox("Import From", this);
    box->setObjectName("gbImportFrom");
    auto* layout = new QHBoxLayout(box);
    auto* label = new QLabel("File:", box);
    m_file = new QLineEdit(box);
    m_file->setObjectName("edFileName");
    m_file->setMinimumWidth(260);
    label->setBuddy(m_file);
    m_browse = new QPushButton("Browse", box);
    m_browse->setObjectName("btnBrowse");
    m_browse->setAutoDefault(false);
    layout->addWidget(label);
    layout->addWidget(m_file, 1);
    layout->addWidget(m_browse);
    return box;
}

QWidget* ImportDialog::BuildStatus() {
    auto* box = new QGroupBox("Status", this);
    box->setObjectName("gbStatus");
    auto* counters = new QHBoxLayout;
    m_read = CounterField(box, "edRecordsRead");
    m_successful = CounterField(box, "edSuccessful");
    m_errors = CounterField(box, "edErrors");
    for (const auto& [caption, field] : {std::pair<const char*, QLineEdit*>{"Records Read:", m_read},
                                         {"Successful:", m_successful},
                                         {"Errors:", m_errors}}) {
        counters->addWidget(new QLabel(caption, box));
        counters->addWidget(field);
        counters->addSpacing(8);
    }
    counters->addStretch(1);
    m_status = new QLabel(box);
    m_status->setObjectName("lblStatus");
    m_progress = new QProgressBar(box);
    m_progress->setObjectName("pbImport");
    m_progress->setRange(0, 1);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    auto* layout = new QVBoxLayout(box);
    layout->addLayout(counters);
    layout->addWidget(m_status);
    layout->addWidget(m_progress);
    return box;
}

void ImportDialog::BuildLayout() {
    m_import = new QPushButton("Import", this);
    m_import->setObjectName("btnImport");
    m_import->setDefault(true);
    m_close = new QPushButton("&Close", this);
    m_close->setObjectName("btnClose");
    m_close->setAutoDefault(false);

    auto* right = new QVBoxLayout;
    right->addWidget(BuildFrom());
    right->addWidget(BuildStatus());
    auto* top = new QHBoxLayout;
    top->addWidget(BuildWhat());
    top->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_import);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    setTabOrder(m_file, m_browse);
    setTabOrder(m_browse, m_import);
    setTabOrder(m_import, m_close);
}

ImportWhat ImportDialog::What() const {
    return static_cast<ImportWhat>(std::max(0, m_what->checkedId()));
}

void ImportDialog::SetWhat(ImportWhat what) {
    m_what->button(static_cast<int>(what))->setChecked(true);
}

QString ImportDialog::FileName() const {
    return m_file->text();
}

void ImportDialog::SetFileName(const QString& name) {
    m_file->setText(name);
}

QStringList ImportDialog::Counters() const {
    return {m_read->text(), m_successful->text(), m_errors->text()};
}

QString ImportDialog::StatusText() const {
    return m_status->text();
}

void ImportDialog::ShowCounters(const ImportCounters& counters) {
    m_read->setText(QString::number(counters.RecordsRead));
    m_successful->setText(QString::number(counters.Successful));
    m_errors->setText(QString::number(counters.Errors));
    m_progress->setValue(counters.RecordsRead);
}

void ImportDialog::btnBrowseClick() {
    const QString named = m_file->text().trimmed();
    const QString dir = named.isEmpty() ? m_context.TableFolder() : QFileInfo(named).absolutePath();
    const QString chosen = m_context.fileDialogs.OpenFile(this, "Open", dir, kFileFilter);
    if (!chosen.isEmpty())
        m_file->setText(chosen);
}

void ImportDialog::btnImportClick() {
    const QString name = m_file->text().trimmed();
    if (name.isEmpty()) {
        m_context.prompter.Beep();
        return;
    }
    ShowCounters({});
    ImportOptions options = MakeImportOptions(What(), m_context.locale, m_context.settings);
    QElapsedTimer sincePaint;
    sincePaint.start();
    options.Started = [this](int lines) {
        m_status->setText("Processing");
        m_progress->setRange(0, std::max(lines, 1));
        m_progress->setValue(0);
    };
    options.Progress = [this, &sincePaint](const ImportCounters& counters) {
        ShowCounters(counters);
        if (sincePaint.elapsed() >= kRepaintMs) {
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            sincePaint.restart();
        }
    };
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Expected<ImportResult> result =
        ImportFile(m_league, std::filesystem::path(name.toStdString()), options);
    QApplication::restoreOverrideCursor();
    if (!result) {
        m_context.prompter.Error(this, QString::fromStdString(result.error().Message));
        return;
    }
    ShowCounters(result->Counters);
    if (result->Lines > 0)
        m_status->setText("Done");
}

void RunImportDialog(LeagueHost& host, LeagueTablePage* table) {
    League& league = host.GetLeague();
    {
        ImportDialog dialog(league, host.Context(), host.Window());
        dialog.exec();
    }
    UpdateGameEx(league, 0);
    if (table != nullptr)
        table->Refresh();
    host.DataChangedNotify();
}

void InstallImport(LeagueHost& host) {
    auto* table = qobject_cast<LeagueTablePage*>(host.Pages()->widget(LeagueHost::kLeagueTablePage));
    if (table == nullptr)
        return;
    auto* button = new QPushButton("Import", table);
    button->setObjectName("btnImport");
    button->setToolTip("Import data from a file");
    table->ButtonArea()->addWidget(button);
    LeagueHost* h = &host;
    QPointer<LeagueTablePage> page(table);
    QObject::connect(button, &QPushButton::clicked, host.Window(),
                     [h, page] { RunImportDialog(*h, page.data()); });
}

} // namespace gorlin
