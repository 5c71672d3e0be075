#include "ui/main/MenuBar.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <array>
#include <vector>

#include "ui/main/PanelWidgets.h"

namespace tq::ui {

namespace {

struct Entry {
    QAction* PanelWidgets::*member;
    const char* name;
    const char* caption;
    MenuEntry entry;
};

struct Menu {
    QMenu* PanelWidgets::*member;
    const char* name;
    const char* caption;
    std::vector<Entry> entries;
};

const std::array<Menu, 4>& menus() {
    static const std::array<Menu, 4> kMenus{{
        {&PanelWidgets::mnuFile,
         "mnuFile",
         "&File",
         {{&PanelWidgets::mnuFileExit, "mnuFileExit", "E&xit", MenuEntry::FileExit}}},
        {&PanelWidgets::mnuScan,
         "mnuScan",
         "Scan",
         {{&PanelWidgets::mnuScanBands, "mnuScanBands", "Scan Bands", MenuEntry::ScanBands},
          {&PanelWidgets::mnuScanFreqs, "mnuScanFreqs", "Scan Freqs", MenuEntry::ScanFreqs}}},
        {&PanelWidgets::mnuSetup,
         "mnuSetup",
         "Setup",
         {{&PanelWidgets::mnuPortSetup, "mnuPortSetup", "Port Setup", MenuEntry::PortSetup},
          {&PanelWidgets::mnuAudioSetup, "mnuAudioSetup", "Audio Setup", MenuEntry::AudioSetup},
          {&PanelWidgets::mnuCATSetup, "mnuCATSetup", "CAT Setup", MenuEntry::CatSetup},
          {&PanelWidgets::mnuLinkSetup, "mnuLinkSetup", "Station Software Links",
           MenuEntry::LinkSetup},
          {&PanelWidgets::mnuChannelSetup, "mnuChannelSetup", "Channels",
           MenuEntry::ChannelSetup}}},
        {&PanelWidgets::mnuHelp,
         "mnuHelp",
         "Help",
         {{&PanelWidgets::mnuHelpAbout, "mnuHelpAbout", "About", MenuEntry::HelpAbout},
          {&PanelWidgets::mnuHelpTQ5820, "mnuHelpTQ5820", "TQ-5820 Help", MenuEntry::HelpTQ5820}}},
    }};
    return kMenus;
}

}  // namespace

void buildMenuBar(QMainWindow& window, PanelWidgets& w,
                  const std::function<void(MenuEntry)>& triggered) {
    for (const Menu& menu : menus()) {
        QMenu* created = window.menuBar()->addMenu(QString::fromLatin1(menu.caption));
        created->setObjectName(QString::fromLatin1(menu.name));
        w.*menu.member = created;
        for (const Entry& entry : menu.entries) {
            QAction* action = created->addAction(QString::fromLatin1(entry.caption));
            action->setObjectName(QString::fromLatin1(entry.name));
            w.*entry.member = action;
            const MenuEntry which = entry.entry;
            QObject::connect(action, &QAction::triggered, &window,
                             [triggered, which] { triggered(which); });
        }
    }
}

}  // namespace tq::ui
