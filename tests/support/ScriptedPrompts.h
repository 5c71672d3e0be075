#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <deque>
#include <map>

#include "ui/setup/Prompts.h"

namespace tq::test {

/// Prompts answered in advance, for tests: each question and file dialog
/// takes the next answer queued for its kind, and every prompt is recorded.
/// A prompt with no answer queued gets the cautious one (No, cancel, or -1
/// for a choice: no answer at all) and is counted as unexpected, so a test
/// can tell that a window asked more than it should.
class ScriptedPrompts final : public ui::Prompts {
public:
    enum class Kind { Message, Question, OpenFile, SaveFile, Choice };

    /// One prompt as the window posed it.
    struct Prompt {
        Kind kind = Kind::Message;
        Icon icon = Icon::Information;
        QString title;
        QString text;
        QString directory;    // file dialogs only
        QStringList buttons;  // choices only
    };

    /// The button index the next choice returns.
    void answerChoice(int button) { m_answers[Kind::Choice].push_back(button); }
    /// The path the next open-file dialog returns (empty: cancelled).
    void answerOpenFile(const QString& path) { m_answers[Kind::OpenFile].push_back(path); }
    /// The path the next save-file dialog returns (empty: cancelled).
    void answerSaveFile(const QString& path) { m_answers[Kind::SaveFile].push_back(path); }

    /// Every prompt so far, in order.
    const QList<Prompt>& prompts() const { return m_prompts; }
    /// How many questions and file dialogs found no answer queued.
    int unexpectedCount() const { return m_unexpected; }

    void message(QWidget* parent, Icon icon, const QString& title, const QString& text) override;
    bool question(QWidget* parent, const QString& title, const QString& text) override;
    int choice(QWidget* parent, Icon icon, const QString& title, const QString& text,
               const QStringList& buttons) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& directory,
                         const QString& filter, const QString& selectedFilter = {}) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& directory,
                         const QString& filter, const QString& selectedFilter = {}) override;

private:
    /// Records the prompt and takes its answer, or the cautious one.
    QVariant answer(const Prompt& prompt, const QVariant& cautious);

    std::map<Kind, std::deque<QVariant>> m_answers;
    QList<Prompt> m_prompts;
    int m_unexpected = 0;
};

}  // namespace tq::test
