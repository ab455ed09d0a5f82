#include "gui/app/AboutBox.h"

#include "core/Version.h"
#include "core/model/League.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QtMath>

namespace gorlin {

AboutAnimation::AboutAnimation(QWidget* parent) : QWidget(parent) {
    setObjectName("pbAnimate");
    setFixedSize(sizeHint());
}

void AboutAnimation::Advance() {
    m_frame = (m_frame + 1) % kFrames;
    update();
}

void AboutAnimation::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area = rect();
    // Sky and grass.
    p.fillRect(area, QColor(0xdd, 0xee, 0xff));
    const qreal grassTop = area.height() * 0.72;
    p.fillRect(QRectF(0, grassTop, area.width(), area.height() - grassTop), QColor(0x3c, 0x9a, 0x4a));

    // The ball rolls from left to right and turns a sixth of a revolution per frame.
    const qreal radius = area.height() * 0.22;
    const qreal travel = area.width() - 2 * radius - 8;
    const qreal x = 4 + radius + travel * m_frame / (kFrames - 1);
    const QPointF centre(x, grassTop - radius + 1);
    const qreal turn = 360.0 / kFrames * m_frame;

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawEllipse(QPointF(x, grassTop + 3), radius * 0.9, 3);

    p.save();
    p.translate(centre);
    p.rotate(turn);
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(0, 0), radius, radius);
    // A black pentagon in the middle and five part-pentagons around it.
    auto pentagon = [](QPointF c, qreal r, qreal angle) {
        QPolygonF poly;
        for (int i = 0; i < 5; ++i) {
            const qreal a = qDegreesToRadians(angle + 72.0 * i - 90);
            poly << QPointF(c.x() + r * qCos(a), c.y() + r * qSin(a));
        }
        return poly;
    };
    QPainterPath clip;
    clip.addEllipse(QPointF(0, 0), radius, radius);
    p.setClipPath(clip);
    p.setBrush(Qt::black);
    p.drawPolygon(pentagon({0, 0}, radius * 0.38, 0));
    for (int i = 0; i < 5; ++i) {
        const qreal a = qDegreesToRadians(72.0 * i - 90);
        const QPointF c(radius * 0.95 * qCos(a), radius * 0.95 * qSin(a));
        p.drawPolygon(pentagon(c, radius * 0.32, 36));
        p.drawLine(QPointF(radius * 0.38 * qCos(a), radius * 0.38 * qSin(a)), c);
    }
    p.restore();
}

AboutBox::AboutBox(const League* league, QWidget* parent) : QDialog(parent), m_league(league) {
    setObjectName("AboutBox");
    setWindowTitle(tr("About Gorlin"));

    auto* top = new QHBoxLayout;
    m_animation = new AboutAnimation(this);
    top->addWidget(m_animation, 0, Qt::AlignTop);
    top->addLayout(BuildTexts(), 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    if (m_league != nullptr) {
        m_stats = BuildStatistics(*m_league);
        layout->addWidget(m_stats);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setObjectName("btnOK");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Keys typed anywhere in the box count, whichever child has the focus.
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
    StartAnimation();
}

QVBoxLayout* AboutBox::BuildTexts() {
    auto* text = new QVBoxLayout;
    auto* product = new QLabel(QStringLiteral("Gorlin"), this);
    product->setObjectName("lblProductName");
    QFont big = product->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    product->setFont(big);
    auto* version = new QLabel(QStringLiteral("Version ") + QString::fromLatin1(kProgramVersion), this);
    version->setObjectName("lblVersion");
    auto* credits = new QLabel(tr("Football league tables, results and statistics.\n"
                                  "Written and maintained by the Gorlin authors.\n"
                                  "Thanks to every league administrator who keeps the updates coming."),
                               this);
    credits->setObjectName("lblCredits");
    credits->setWordWrap(true);
    credits->setMinimumWidth(340);
    auto* email = new QLabel(
        QStringLiteral("<a href=\"mailto:support@gorlin.example\">support@gorlin.example</a>"), this);
    email->setObjectName("lblEmail");
    auto* web =
        new QLabel(QStringLiteral("<a href=\"https://gorlin.example\">https://gorlin.example</a>"), this);
    web->setObjectName("lblWeb");
    for (QLabel* link : {email, web}) {
        link->setTextFormat(Qt::RichText);
        link->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
        link->setOpenExternalLinks(true);
        link->setFocusPolicy(Qt::NoFocus);
    }
    text->addWidget(product);
    text->addWidget(version);
    text->addSpacing(6);
    text->addWidget(credits);
    text->addSpacing(6);
    text->addWidget(email);
    text->addWidget(web);
    return text;
}

QWidget* AboutBox::BuildStatistics(const League& league) {
    auto* stats = new QGroupBox(tr("League file"), this);
    stats->setObjectName("pnlStats");
    auto* form = new QFormLayout(stats);
    const DivHead& h = league.Head;
    auto add = [&](const QString& label, int value, const char* name) {
        auto* v = new QLabel(QString::number(value), stats);
        v->setObjectName(name);
        form->addRow(label, v);
    };
    add(tr("Goals:"), h.GoalCount, "lblGoalCount");
    add(tr("Players:"), h.PlayerCount, "lblPlayerCount");
    add(tr("Squads:"), h.SquadCount, "lblSquadCount");
    add(QStringLiteral("Version:"), league.LoadedVersion, "lblLoadedVersion");
    add(QStringLiteral("League ID:"), h.VersionId, "lblVersionId");
    stats->hide();
    return stats;
}

void AboutBox::StartAnimation() {
    m_timer = new QTimer(this);
    m_timer->setObjectName("tmAnimate");
    m_timer->setInterval(kFrameIntervalMs);
    connect(m_timer, &QTimer::timeout, m_animation, &AboutAnimation::Advance);
    m_timer->start();
}

bool AboutBox::StatsVisible() const {
    return m_stats != nullptr && !m_stats->isHidden();
}

bool AboutBox::KeyTyped(const QString& text) {
    if (m_stats == nullptr || text.isEmpty() || !text.at(0).isPrint())
        return false;
    if (!m_stats->isHidden()) {
        m_stats->hide();
        m_typed.clear();
        return true;
    }
    m_typed = (m_typed + text.toUpper()).right(3);
    if (m_typed == QLatin1String(kStatsCode)) {
        m_stats->show();
        m_typed.clear();
    }
    return true;
}

void AboutBox::keyPressEvent(QKeyEvent* event) {
    if (KeyTyped(event->text()))
        return;
    QDialog::keyPressEvent(event);
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Enter, Escape and Space keep their usual meaning; typed letters feed the code.
        if (key->key() != Qt::Key_Space && key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter &&
            key->key() != Qt::Key_Escape && KeyTyped(key->text()))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace gorlin
