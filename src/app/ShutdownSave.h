#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "link/LinkIndicators.h"
#include "persist/PersistedFileError.h"
#include "ui/setup/Prompts.h"

class QWidget;

namespace tq::app {

/// Saves what the program remembers between runs as it closes, and never
/// lets that save fail unnoticed: the operator closing the window is asked
/// to retry or to quit without saving; a signal, with nobody at the screen to
/// ask, gets the failure printed on standard error and a failing exit
/// status.
class ShutdownSave {
public:
    /// The exit status of a program that closed without saving.
    static constexpr int kNotSaved = 1;

    /// One attempt at the save: the failure, or nothing when it was saved.
    using Save = std::function<std::optional<persist::PersistedFileError>()>;
    /// Tells whoever started the program a line about a failure.
    using Complain = std::function<void(const QString&)>;

    /// Complaints go to standard error unless complain says otherwise.
    explicit ShutdownSave(ui::Prompts& prompts, Complain complain = {});

    /// A signal (SIGINT, SIGTERM) is closing the program: from now on a
    /// failure is not asked about, and a question already open is closed,
    /// since a signal must end the program whoever is at the screen.
    void signalReceived();

    /// Saves the named file with save until it works or the operator (or a
    /// signal) gives up, showing each failure in the information box as
    /// every file failure is shown. The exit status: 0 when saved, kNotSaved
    /// otherwise.
    int run(const Save& save, const QString& fileName, QWidget* parent,
            link::LinkIndicators& indicators);

private:
    /// Whether the operator wants another attempt.
    bool operatorRetries(const QString& report, QWidget* parent);

    ui::Prompts& m_prompts;
    Complain m_complain;
    bool m_signalled = false;
    bool m_asking = false;
};

}  // namespace tq::app
