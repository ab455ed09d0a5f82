#include "gui/league/ResultDetailsWindow.h"

#include "core/edit/ResultDetails.h"
#include "core/model/League.h"
#include "gui/league/SquadWindow.h"
#include "gui/widgets/AppContext.h"
#include "gui/widgets/LeagueText.h"
#include "gui/widgets/OkCancel.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace gorlin {

namespace {

QLabel* Line(const char* name, QWidget* parent, Qt::Alignment align = Qt::AlignCenter) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(align);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QString Lines(const std::vector<std::string>& lines) {
    QStringList out;
    for (const std::string& line : lines)
        out << FromLeague(line);
    return out.join('\n');
}

/// Sets a label's text and hides it when there is none.
void Show(QLabel* label, const QString& text) {
    label->setText(text);
    label->setVisible(!text.isEmpty());
}

} // namespace

CommentDialog::CommentDialog(League& league, int game, QWidget* parent)
    : QDialog(parent), m_league(league), m_game(game) {
    setObjectName("CommentDialog");
    setWindowTitle("Comment");
    m_comment = new QLineEdit(this);
    m_comment->setObjectName("edComment");
    m_comment->setMaxLength(50);
    m_comment->setMinimumWidth(m_comment->fontMetrics().horizontalAdvance(QString(40, 'n')));
    if (game >= 1 && game <= league.AllGameCount() && static_cast<std::size_t>(game) < league.Games.size())
        m_comment->setText(FromLeague(league.Games[static_cast<std::size_t>(game)].Comment.view()));
    auto* form = new QFormLayout;
    form->addRow("&Comment:", m_comment);
    QDialogButtonBox* buttons = OkCancel(this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CommentDialog::btnOKClick);
}

void CommentDialog::btnOKClick() {
    SetGameComment(m_league, m_game, ToLeague(m_comment->text()));
    accept();
}

ResultDetailsWindow::ResultDetailsWindow(League& league, AppContext& context, int game, QWidget* parent)
    : QDialog(parent), m_league(league), m_context(context), m_game(game) {
    setObjectName("ResultDetailsWindow");

    m_homeName = Line("lblHomeName", this);
    m_score = Line("lblScore", this);
    m_awayName = Line("lblAwayName", this);
    QFont big = m_score->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    for (QLabel* l : {m_homeName, m_score, m_awayName})
        l->setFont(big);
    m_homeName->setMinimumWidth(m_homeName->fontMetrics().horizontalAdvance(QString(20, 'n')));
    m_awayName->setMinimumWidth(m_homeName->minimumWidth());
    m_attendance = Line("lblAttendance", this);
    m_awarded = Line("lblAwarded", this);
    m_halfTime = Line("lblHalfTime", this);
    m_referee = Line("lblReferee", this);
    m_homeScorers = Line("lblHomeScorers", this, Qt::AlignTop | Qt::AlignHCenter);
    m_awayScorers = Line("lblAwayScorers", this, Qt::AlignTop | Qt::AlignHCenter);
    for (QLabel* l : {m_homeScorers, m_awayScorers}) {
        QPalette blue = l->palette();
        blue.setColor(QPalette::WindowText, Qt::blue);
        l->setPalette(blue);
    }
    m_homeExtras = Line("lblHomeExtras", this, Qt::AlignTop | Qt::AlignHCenter);
    m_awayExtras = Line("lblAwayExtras", this, Qt::AlignTop | Qt::AlignHCenter);
    m_comment = Line("lblComment", this, Qt::AlignLeft | Qt::AlignVCenter);
    m_comment->setWordWrap(true);

    auto* note = new QToolButton(this);
    note->setObjectName("imgNote");
    note->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    note->setAutoRaise(true);
    note->setToolTip("Click to change the comment");

    auto* grid = new QGridLayout;
    grid->addWidget(m_homeName, 0, 0);
    grid->addWidget(m_score, 0, 1);
    grid->addWidget(m_awayName, 0, 2);
    grid->addWidget(m_homeScorers, 1, 0);
    grid->addWidget(m_awayScorers, 1, 2);
    grid->addWidget(m_homeExtras, 2, 0);
    grid->addWidget(m_awayExtras, 2, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);

    auto* commentRow = new QHBoxLayout;
    commentRow->addWidget(note);
    commentRow->addWidget(m_comment, 1);

    auto* squads = new QPushButton("&Squads", this);
    squads->setObjectName("btnSquads");
    squads->setToolTip("Show the squads of this game");
    squads->setAutoDefault(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName("btnClose");
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(squads);
    bottom->addStretch(1);
    bottom->addWidget(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(m_attendance);
    layout->addWidget(m_awarded);
    layout->addWidget(m_halfTime);
    layout->addWidget(m_referee);
    layout->addStretch(1);
    layout->addLayout(commentRow);
    layout->addLayout(bottom);

    connect(note, &QToolButton::clicked, this, &ResultDetailsWindow::imgNoteClick);
    connect(squads, &QPushButton::clicked, this, &ResultDetailsWindow::btnSquadsClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::accept);
    Fill();
}

void ResultDetailsWindow::Fill() {
    const ResultDetails details = MakeResultDetails(m_league, m_game, m_context.locale);
    setWindowTitle(FromLeague(details.Caption));
    m_homeName->setText(FromLeague(details.HomeName));
    m_score->setText(QString::fromStdString(details.Score));
    m_awayName->setText(FromLeague(details.AwayName));
    Show(m_attendance, FromLeague(details.Attendance));
    Show(m_awarded, FromLeague(details.Awarded));
    Show(m_halfTime, QString::fromStdString(details.HalfTime));
    Show(m_referee, FromLeague(details.Referee));
    Show(m_homeScorers, Lines(details.HomeScorers));
    Show(m_awayScorers, Lines(details.AwayScorers));
    Show(m_homeExtras, Lines(details.HomeExtras));
    Show(m_awayExtras, Lines(details.AwayExtras));
    m_comment->setText(FromLeague(details.Comment));
}

void ResultDetailsWindow::imgNoteClick() {
    CommentDialog dialog(m_league, m_game, this);
    if (dialog.exec() == QDialog::Accepted)
        Fill();
}

void ResultDetailsWindow::btnSquadsClick() {
    SquadWindow::ShowSquads(m_league, m_context, m_game, this);
    Fill();
}

void ResultDetailsWindow::ShowDetails(League& league, AppContext& context, int game, QWidget* parent) {
    ResultDetailsWindow window(league, context, game, parent);
    window.exec();
}

} // namespace gorlin
