#include "gui/support/ModalScript.h"

#include <QApplication>

namespace gorlin::test {

ModalScript::ModalScript() {
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &ModalScript::Poll);
    m_timer.start();
}

void ModalScript::Poll() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || !dialog->isVisible())
        return;
    for (const QPointer<QDialog>& busy : m_handling)
        if (busy == dialog)
            return; // its step is still running (it opened this dialog's child and came back)
    m_seen << QString::fromLatin1(dialog->metaObject()->className());
    if (m_steps.empty()) {
        m_problems << QStringLiteral("no step for %1").arg(m_seen.last());
        dialog->reject();
        return;
    }
    auto step = std::move(m_steps.front());
    m_steps.pop_front();
    m_handling << QPointer<QDialog>(dialog);
    // The step runs from a timer of its own: a dialog it opens is then still found by this
    // polling timer, which Qt never fires again while one of its own handlers is running.
    QTimer::singleShot(0, this, [this, step = std::move(step), target = QPointer<QDialog>(dialog)] {
        if (target.isNull())
            return;
        const QString problem = step(target.data());
        m_handling.removeAll(target);
        if (!problem.isEmpty() && !target.isNull()) {
            m_problems << problem;
            target->reject();
        }
    });
}

} // namespace gorlin::test
