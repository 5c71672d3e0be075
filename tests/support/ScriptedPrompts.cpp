#include "support/ScriptedPrompts.h"

namespace tq::test {

QVariant ScriptedPrompts::answer(const Prompt& prompt, const QVariant& cautious) {
    m_prompts.append(prompt);
    std::deque<QVariant>& answers = m_answers[prompt.kind];
    if (answers.empty()) {
        ++m_unexpected;
        return cautious;
    }
    QVariant next = answers.front();
    answers.pop_front();
    return next;
}

void ScriptedPrompts::message(QWidget*, Icon icon, const QString& title, const QString& text) {
    m_prompts.append({Kind::Message, icon, title, text, {}, {}});
}

bool ScriptedPrompts::question(QWidget*, const QString& title, const QString& text) {
    return answer({Kind::Question, Icon::Information, title, text, {}, {}}, false).toBool();
}

int ScriptedPrompts::choice(QWidget*, Icon icon, const QString& title, const QString& text,
                            const QStringList& buttons) {
    return answer({Kind::Choice, icon, title, text, {}, buttons}, -1).toInt();
}

QString ScriptedPrompts::openFileName(QWidget*, const QString& title, const QString& directory,
                                      const QString&, const QString&) {
    return answer({Kind::OpenFile, Icon::Information, title, {}, directory, {}}, QString())
        .toString();
}

QString ScriptedPrompts::saveFileName(QWidget*, const QString& title, const QString& directory,
                                      const QString&, const QString&) {
    return answer({Kind::SaveFile, Icon::Information, title, {}, directory, {}}, QString())
        .toString();
}

}  // namespace tq::test
