#pragma once

namespace tq::app {

/// Where the program's one long-running routine is: the port step, the link
/// step, a panel set-up, the main-loop set-up or the main loop itself.
enum class Stage {
    PortStep,
    LinkStep,
    RemoteSetUp,
    RemotePanelStep,
    LocalSetUp,
    MainLoopSetUp,
    MainLoop,
    Ended,
};

}  // namespace tq::app
