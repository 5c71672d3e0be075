#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <functional>

#include "app/FormLoad.h"
#include "app/Program.h"
#include "sim/SimulatedPort.h"
#include "support/FakeSerialDeviceList.h"
#include "support/FakeSerialPort.h"
#include "support/ScriptedPrompts.h"
#include "support/TestClock.h"

namespace tq::test {

/// The whole program against the in-process simulated radio, offscreen, in
/// virtual time, in a data directory of its own.
class ProgramHarness {
public:
    static constexpr int kRadioPortNumber = 1;
    static constexpr int kCatPortNumber = 2;

    explicit ProgramHarness(const sim::RadioOptions& radio = {}, double startTime = 10 * 3600.0);
    ~ProgramHarness();

    /// A file of the data directory; write before start-up reads it.
    void writeFile(const QString& name, const QString& text);
    QString readFile(const QString& name) const;

    /// Makes the program without starting it (running does so on demand).
    void create();
    /// Runs the program until the condition holds; false at the time limit.
    bool runUntil(const std::function<bool()>& condition, double seconds = 60.0);
    void runFor(double seconds) {
        runUntil([] { return false; }, seconds);
    }
    bool runToMainLoop(panel::ControlMode mode = panel::ControlMode::Remote);

    /// Runs action between the main loop's operations from delaySeconds on:
    /// a click or a menu entry inside a served operation's pause is refused.
    void whenIdle(double delaySeconds, std::function<void()> action);

    /// What the program has sent to the radio since the last call.
    QString takeWritten();

    /// A control of the main window by its established name ("cmdXmit").
    template <typename Control = QWidget>
    Control* ui(const QString& name) const {
        return program->window->findChild<Control*>(name);
    }
    /// The open (visible) top-level window of that name; nullptr when none is.
    template <typename Window = QWidget>
    static Window* openWindow(const QString& name) {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->objectName() == name && widget->isVisible())
                return qobject_cast<Window*>(widget);
        return nullptr;
    }

    tq::test::TestClock clock;
    sim::SimulatedPort port;
    link::FakeSerialPort catPort;  // where the test stands for station software
    tq::test::ScriptedPrompts prompts;
    tq::test::FakeSerialDeviceList devices;  // what the port dialogs list
    QTemporaryDir dir;
    QString previousDir;
    bool programEnded = false;
    int exitStatus = -1;  // what the close handler ended the program with
    std::unique_ptr<app::Program> program;
    std::unique_ptr<app::FormLoad> formLoad;
};

}  // namespace tq::test
