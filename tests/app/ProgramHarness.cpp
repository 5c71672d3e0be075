#include "ProgramHarness.h"

#include "support/WidgetApplication.h"

namespace tq::test {

ProgramHarness::ProgramHarness(const sim::RadioOptions& radio, double startTime)
    : clock(startTime), port(clock, radio), catPort(clock), previousDir(QDir::currentPath()) {
    ensureWidgetApplication();
    QDir::setCurrent(dir.path());
    writeFile(QStringLiteral("PortSetup.txt"),
              QStringLiteral("%1\r\n9600,O,7,1\r\ncomNone\r\n0\r\n").arg(kRadioPortNumber));
}

ProgramHarness::~ProgramHarness() {
    QDir::setCurrent(previousDir);
}

void ProgramHarness::writeFile(const QString& name, const QString& text) {
    QFile file(QDir(dir.path()).filePath(name));
    if (file.open(QIODevice::WriteOnly)) {
        file.write(text.toLatin1());
    }
}

QString ProgramHarness::readFile(const QString& name) const {
    QFile file(QDir(dir.path()).filePath(name));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

void ProgramHarness::create() {
    if (!program) {
        program = std::make_unique<app::Program>(
            clock, port, catPort, clock,
            [](int number) { return number == kRadioPortNumber || number == kCatPortNumber; },
            prompts,
            [this](int status) {
                programEnded = true;
                exitStatus = status;
            });
        program->serialDevices = &devices;
        formLoad = std::make_unique<app::FormLoad>(*program);
    }
}

bool ProgramHarness::runUntil(const std::function<bool()>& condition, double seconds) {
    create();
    const double limit = clock.elapsedTotal() + seconds;
    bool met = false;
    formLoad->stopWhen = [&] {
        met = condition();
        return met || clock.elapsedTotal() > limit;
    };
    formLoad->run();
    return met;
}

bool ProgramHarness::runToMainLoop(panel::ControlMode mode) {
    return runUntil([&] {
        return program->model().controlMode() == mode && formLoad->stage() == app::Stage::MainLoop;
    });
}

void ProgramHarness::whenIdle(double delaySeconds, std::function<void()> action) {
    clock.schedule(delaySeconds, [this, action = std::move(action)]() mutable {
        if (program->operationRunning) {
            whenIdle(0.01, std::move(action));
            return;
        }
        action();
    });
}

QString ProgramHarness::takeWritten() {
    const QString text = QString::fromLatin1(port.written());
    port.clearWritten();
    return text;
}

}  // namespace tq::test
