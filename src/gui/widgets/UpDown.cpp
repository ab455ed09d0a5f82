#include "gui/widgets/UpDown.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace gorlin {

UpDown::UpDown(QWidget* parent)
    : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this)) {
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {m_up, m_down}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setFixedSize(17, 12);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
    connect(m_up, &QToolButton::clicked, this, [this] { Step(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { Step(-1); });
}

void UpDown::SetRange(int min, int max, int position) {
    m_min = min;
    m_max = std::max(min, max);
    m_position = std::clamp(position, m_min, m_max);
}

void UpDown::Step(int delta) {
    const int next = std::clamp(m_position + delta, m_min, m_max);
    if (next == m_position)
        return;
    m_position = next;
    emit Changed(m_position);
}

} // namespace gorlin
