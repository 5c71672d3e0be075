#include "app/ShutdownSave.h"

#include <QApplication>
#include <QWidget>
#include <cstdio>
#include <utility>

#include "app/AppTitle.h"

namespace tq::app {

namespace {

// The buttons of the question, in this order: the first is also the answer
// of Escape, so nothing is lost without a deliberate choice.
constexpr int kRetry = 0;

void printOnStandardError(const QString& line) {
    std::fprintf(stderr, "tq5820: %s\n", qPrintable(line));
    std::fflush(stderr);
}

}  // namespace

ShutdownSave::ShutdownSave(ui::Prompts& prompts, Complain complain)
    : m_prompts(prompts),
      m_complain(complain ? std::move(complain) : Complain(printOnStandardError)) {}

void ShutdownSave::signalReceived() {
    m_signalled = true;
    if (m_asking) {
        // The question is the modal window on top; closing it answers it.
        if (QWidget* question = QApplication::activeModalWidget()) {
            question->close();
        }
    }
}

int ShutdownSave::run(const Save& save, const QString& fileName, QWidget* parent,
                      link::LinkIndicators& indicators) {
    for (;;) {
        const std::optional<persist::PersistedFileError> failure = save();
        if (!failure) {
            return 0;
        }
        const QString report = failure->report(fileName);
        indicators.showErrorInfo(report);
        if (m_signalled || !operatorRetries(report, parent)) {
            m_complain(report + QStringLiteral(": the window's state was not saved"));
            return kNotSaved;
        }
    }
}

bool ShutdownSave::operatorRetries(const QString& report, QWidget* parent) {
    m_asking = true;
    const int answer = m_prompts.choice(
        parent, ui::Prompts::Icon::Warning, AppTitle,
        report + QStringLiteral("\n\nThe window's place, VFO B, split and step size could not "
                                "be saved. Retry once the data directory can be written again, "
                                "or quit without saving them."),
        {QStringLiteral("Retry"), QStringLiteral("Quit without saving")});
    m_asking = false;
    // A signal while the question was open ends the program; so does a
    // question that got no answer at all.
    return !m_signalled && answer == kRetry;
}

}  // namespace tq::app
