#pragma once

#include "gui/widgets/Prompter.h"

#include <QStringList>
#include <deque>
#include <utility>

namespace gorlin::test {

/// Records every message as "kind: text" (kind: error, information, warning, yesno,
/// yesnocancel) and answers questions from a script (then No).
class ScriptedPrompter final : public Prompter {
public:
    std::deque<Answer> Answers;
    QStringList Messages;
    int Beeps = 0;

    void Error(QWidget*, const QString& text) override { Messages << "error: " + text; }
    void Information(QWidget*, const QString& text) override { Messages << "information: " + text; }
    void Warning(QWidget*, const QString& text) override { Messages << "warning: " + text; }
    Answer YesNo(QWidget*, const QString& text) override { return Next("yesno: " + text); }
    Answer YesNoCancel(QWidget*, const QString& text) override { return Next("yesnocancel: " + text); }
    void Beep() override { ++Beeps; }

    /// The messages so far, forgotten.
    QStringList Take() { return std::exchange(Messages, {}); }
    /// The texts of the messages so far, without their kinds.
    QStringList Texts() const {
        QStringList texts;
        for (const QString& m : Messages)
            texts << m.section(": ", 1);
        return texts;
    }

private:
    Answer Next(const QString& message) {
        Messages << message;
        const Answer a = Answers.empty() ? Answer::No : Answers.front();
        if (!Answers.empty())
            Answers.pop_front();
        return a;
    }
};

/// Answers folder dialogs from a script (empty = cancelled) and records their captions; open
/// and save dialogs are cancelled.
class ScriptedFileDialogs final : public FileDialogs {
public:
    std::deque<QString> Answers;
    QStringList Captions;

    QString OpenFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString SaveFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString Folder(QWidget*, const QString& caption, const QString&) override {
        Captions << caption;
        const QString a = Answers.empty() ? QString() : Answers.front();
        if (!Answers.empty())
            Answers.pop_front();
        return a;
    }
};

/// Save dialogs that answer from a list and keep where they started and what they offered.
struct RecordingFileDialogs final : FileDialogs {
    QStringList Answers, Dirs, Filters, Extensions;
    QString OpenFile(QWidget*, const QString&, const QString& dir, const QString& filter) override {
        Dirs << dir;
        Filters << filter;
        return Answers.isEmpty() ? QString() : Answers.takeFirst();
    }
    QString SaveFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString Folder(QWidget*, const QString&, const QString&) override { return {}; }
    QString SaveFileAs(QWidget*, const QString&, const QString& dir, const QString& filter,
                       const QString& extension) override {
        Dirs << dir;
        Filters << filter;
        Extensions << extension;
        return Answers.isEmpty() ? QString() : Answers.takeFirst();
    }
};

} // namespace gorlin::test
