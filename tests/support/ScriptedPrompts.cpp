#include "support/ScriptedPrompts.h"

namespace tq::test {

void ScriptedPrompts::answerQuestion(bool yes) {
    m_questionAnswers.push_back(yes);
}

void ScriptedPrompts::answerChoice(int button) {
    m_choiceAnswers.push_back(button);
}

void ScriptedPrompts::answerOpenFile(const QString& path) {
    m_openAnswers.push_back(path);
}

void ScriptedPrompts::answerSaveFile(const QString& path) {
    m_saveAnswers.push_back(path);
}

void ScriptedPrompts::message(QWidget*, Icon icon, const QString& title, const QString& text) {
    m_prompts.append({Kind::Message, icon, title, text, {}, {}, {}, {}});
}

bool ScriptedPrompts::question(QWidget*, const QString& title, const QString& text) {
    m_prompts.append({Kind::Question, Icon::Information, title, text, {}, {}, {}, {}});
    if (m_questionAnswers.empty()) {
        ++m_unexpected;
        return false;
    }
    const bool yes = m_questionAnswers.front();
    m_questionAnswers.pop_front();
    return yes;
}

int ScriptedPrompts::choice(QWidget*, Icon icon, const QString& title, const QString& text,
                            const QStringList& buttons) {
    m_prompts.append({Kind::Choice, icon, title, text, {}, {}, {}, buttons});
    if (m_choiceAnswers.empty()) {
        ++m_unexpected;
        return -1;
    }
    const int button = m_choiceAnswers.front();
    m_choiceAnswers.pop_front();
    return button;
}

QString ScriptedPrompts::openFileName(QWidget*, const QString& title, const QString& directory,
                                      const QString& filter, const QString& selectedFilter) {
    m_prompts.append(
        {Kind::OpenFile, Icon::Information, title, {}, directory, filter, selectedFilter, {}});
    return nextPath(m_openAnswers);
}

QString ScriptedPrompts::saveFileName(QWidget*, const QString& title, const QString& directory,
                                      const QString& filter, const QString& selectedFilter) {
    m_prompts.append(
        {Kind::SaveFile, Icon::Information, title, {}, directory, filter, selectedFilter, {}});
    return nextPath(m_saveAnswers);
}

QString ScriptedPrompts::nextPath(std::deque<QString>& answers) {
    if (answers.empty()) {
        ++m_unexpected;
        return {};
    }
    QString path = answers.front();
    answers.pop_front();
    return path;
}

}  // namespace tq::test
