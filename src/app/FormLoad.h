#pragma once

#include <functional>

#include "app/ControlSetUps.h"
#include "app/Program.h"
#include "app/RequestTable.h"
#include "app/Stage.h"

namespace tq::app {

/// The program's one long-running routine: start-up, the port and link
/// steps, the panel set-ups, and the main loop that serves every request and
/// keeps the link alive for the rest of the program's life.
class FormLoad {
public:
    /// Seconds the main loop sleeps when a pass finds nothing to do, unless
    /// an event wakes it first: short enough not to be noticed, long enough
    /// that an idle program uses next to no processor time.
    static constexpr double kIdleTick = 0.01;
    /// Seconds an amplifier tune may take before it is cancelled.
    static constexpr double kAmpTuneTimeout = 20.0;

    explicit FormLoad(Program& program);

    /// Runs start-up and then the stages until the program ends, or until
    /// stopWhen says so; a later call goes on where the last one stopped.
    void run();

    Stage stage() const { return m_stage; }

    /// Checked on every pass and in every wait: ends run() when true. The
    /// close handler ends the real program by itself; tests end it here.
    std::function<bool()> stopWhen;

    /// Start-up steps A.1 to A.18, up to the port step.
    void startUp();
    Stage portStep();
    Stage linkStep();
    Stage mainLoopSetUp();
    /// One pass of the main loop; returns the stage to go on with.
    Stage mainLoopPass();

private:
    bool stopping() const;
    Stage runStage(Stage stage);
    /// Handles waiting events, sleeping up to the idle tick when there is
    /// nothing else to do.
    void handleEvents(bool idle);
    /// The bytes waiting on the radio port; a port that cannot say (closed)
    /// has none.
    int bytesWaiting();
    Stage afterStatus();
    void placeWindow();
    void applyIniFile();
    void showPanelBeforeContact();
    void showAmplifierBeforeContact();
    void readCatSetup();
    void startStationLinks();
    void readPortSetup();
    void buildRequestTable();
    void checkExternalPtt();
    void ampTuneTimeout();
    void externalPtt();

    Program& m_program;
    bool m_started = false;
    Stage m_stage = Stage::PortStep;
    ControlSetUps m_setUps;
    RequestTable m_table;
};

}  // namespace tq::app
