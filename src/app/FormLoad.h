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
    /// The longest the main loop sleeps when a pass finds nothing to do and
    /// nothing falls due (an event wakes it first).
    static constexpr double kLongestIdleWait = 1.0;
    /// What a wait for something due adds, so the test that it is due finds
    /// it so.
    static constexpr double kDueMargin = 0.001;
    /// How often the external PTT line is looked at while it is enabled.
    static constexpr double kExtPttPoll = 0.01;
    /// How long the wait for a lost port's device sleeps at most between two
    /// looks at the operator's choices.
    static constexpr double kPortLostWait = 1.0;
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
    Stage enterStage(Stage stage);
    Stage afterFailure(Stage stage, const QString& where, int number, const QString& description);
    bool radioPortLost() const;
    /// Waits for the lost radio port's device, the transmitter let go of,
    /// and starts the link afresh once it is back.
    Stage portLostStep();
    void releaseTransmitter();
    /// Seconds until the next thing the main loop must do unasked.
    double secondsUntilDue();
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
    void startWebPanel();
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
