#pragma once

namespace tq::app {

/// Where the program's one long-running routine is: the port step, the link
/// step, a panel set-up, the main-loop set-up, the main loop itself, or
/// waiting for a lost radio port to come back.
enum class Stage {
    PortStep,
    PortLost,
    LinkStep,
    RemoteSetUp,
    RemotePanelStep,
    LocalSetUp,
    MainLoopSetUp,
    MainLoop,
    Ended,
};

}  // namespace tq::app
