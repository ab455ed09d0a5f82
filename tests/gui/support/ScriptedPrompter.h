#pragma once

#include "gui/widgets/Prompter.h"

#include <QString>
#include <QStringList>
#include <deque>

namespace gorlin::test {

/// Records every message and answers questions from a script (default: the given fallback).
class ScriptedPrompter final : public Prompter {
public:
    struct Shown {
        QString Kind; // "error", "information", "warning", "yesno", "yesnocancel"
        QString Text;
    };

    std::deque<Answer> Answers;
    Answer Fallback = Answer::No;
    QList<Shown> Messages;
    int Beeps = 0;

    void Error(QWidget*, const QString& text) override { Messages.push_back({"error", text}); }
    void Information(QWidget*, const QString& text) override { Messages.push_back({"information", text}); }
    void Warning(QWidget*, const QString& text) override { Messages.push_back({"warning", text}); }
    Answer YesNo(QWidget*, const QString& text) override { return Next("yesno", text); }
    Answer YesNoCancel(QWidget*, const QString& text) override { return Next("yesnocancel", text); }
    void Beep() override { ++Beeps; }

    QStringList Texts() const {
        QStringList out;
        for (const Shown& s : Messages)
            out << s.Text;
        return out;
    }

private:
    Answer Next(const QString& kind, const QString& text) {
        Messages.push_back({kind, text});
        if (Answers.empty())
            return Fallback;
        const Answer a = Answers.front();
        Answers.pop_front();
        return a;
    }
};

/// Answers file dialogs from a script; records captions.
class ScriptedFileDialogs final : public FileDialogs {
public:
    std::deque<QString> Answers; // empty string = cancelled
    QStringList Captions;

    QString OpenFile(QWidget*, const QString& caption, const QString&, const QString&) override {
        return Next(caption);
    }
    QString SaveFile(QWidget*, const QString& caption, const QString&, const QString&) override {
        return Next(caption);
    }
    QString Folder(QWidget*, const QString& caption, const QString&) override { return Next(caption); }

private:
    QString Next(const QString& caption) {
        Captions << caption;
        if (Answers.empty())
            return {};
        QString a = Answers.front();
        Answers.pop_front();
        return a;
    }
};

/// Saves a PNG of the widget into $GORLIN_SCREENSHOTS/<name>.png when that variable is set.
void Screenshot(QWidget* widget, const QString& name);

} // namespace gorlin::test
