#pragma once

namespace tq::ui {

/// The main window's menu entries, which act at once (they are not panel
/// requests): each opens a window or ends the program.
enum class MenuEntry {
    FileExit,
    ScanBands,
    ScanFreqs,
    PortSetup,
    AudioSetup,
    CatSetup,
    LinkSetup,
    ChannelSetup,
    HelpAbout,
    HelpTQ5820,
};

}  // namespace tq::ui
