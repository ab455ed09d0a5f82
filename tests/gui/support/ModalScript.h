#pragma once

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>

namespace gorlin::test {

/// Answers modal dialogs as the code under test opens them with exec(): each step gets the next
/// dialog that becomes modal and must close it (accept, reject) or leave it open for the code
/// to refuse. A dialog may open further dialogs inside its step; they take the following steps.
/// A dialog of an unexpected class, or one with no step left, is recorded and rejected, so a
/// test never hangs.
class ModalScript final : public QObject {
public:
    ModalScript();

    /// The next modal dialog must be a T; `step` answers it.
    template <class T> ModalScript& Then(std::function<void(T*)> step) {
        m_steps.push_back([step](QDialog* dialog) {
            if (auto* typed = qobject_cast<T*>(dialog)) {
                step(typed);
                return QString();
            }
            return QStringLiteral("expected %1, got %2")
                .arg(QString::fromLatin1(T::staticMetaObject.className()),
                     QString::fromLatin1(dialog->metaObject()->className()));
        });
        return *this;
    }

    /// Steps not yet used.
    int Pending() const { return static_cast<int>(m_steps.size()); }
    /// What went wrong ("expected GoalDialog, got PlayerDialog", "no step for RefereeDialog").
    const QStringList& Problems() const { return m_problems; }
    /// Class names of the dialogs answered, in order.
    const QStringList& Seen() const { return m_seen; }

private:
    void Poll();

    QTimer m_timer;
    std::deque<std::function<QString(QDialog*)>> m_steps;
    QList<QPointer<QDialog>> m_handling;
    QStringList m_problems;
    QStringList m_seen;
};

} // namespace gorlin::test
