#include "ui/main/MenuBar.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <array>
#include <vector>

#include "ui/main/frmTQ5820.h"

namespace tq::ui {

namespace {

struct MenuEntry {
    QAction* frmTQ5820::*member;
    const char* name;
    const char* caption;
};

struct Menu {
    QMenu* frmTQ5820::*member;
    const char* name;
    const char* caption;
    std::vector<MenuEntry> entries;
};

const std::array<Menu, 4>& menus() {
    static const std::array<Menu, 4> kMenus{{
        {&frmTQ5820::mnuFile,
         "mnuFile",
         "&File",
         {{&frmTQ5820::mnuFileExit, "mnuFileExit", "E&xit"}}},
        {&frmTQ5820::mnuScan,
         "mnuScan",
         "Scan",
         {{&frmTQ5820::mnuScanBands, "mnuScanBands", "Scan Bands"},
          {&frmTQ5820::mnuScanFreqs, "mnuScanFreqs", "Scan Freqs"}}},
        {&frmTQ5820::mnuSetup,
         "mnuSetup",
         "Setup",
         {{&frmTQ5820::mnuPortSetup, "mnuPortSetup", "Port Setup"},
          {&frmTQ5820::mnuAudioSetup, "mnuAudioSetup", "Audio Setup"},
          {&frmTQ5820::mnuCATSetup, "mnuCATSetup", "CAT Setup"},
          {&frmTQ5820::mnuLinkSetup, "mnuLinkSetup", "Station Software Links"},
          {&frmTQ5820::mnuChannelSetup, "mnuChannelSetup", "Channels"}}},
        {&frmTQ5820::mnuHelp,
         "mnuHelp",
         "Help",
         {{&frmTQ5820::mnuHelpAbout, "mnuHelpAbout", "About"},
          {&frmTQ5820::mnuHelpTQ5820, "mnuHelpTQ5820", "TQ-5820 Help"}}},
    }};
    return kMenus;
}

}  // namespace

void buildMenuBar(frmTQ5820& w) {
    for (const Menu& menu : menus()) {
        QMenu* created = w.menuBar()->addMenu(QString::fromLatin1(menu.caption));
        created->setObjectName(QString::fromLatin1(menu.name));
        w.*menu.member = created;
        for (const MenuEntry& entry : menu.entries) {
            QAction* action = created->addAction(QString::fromLatin1(entry.caption));
            action->setObjectName(QString::fromLatin1(entry.name));
            w.*entry.member = action;
        }
    }
}

}  // namespace tq::ui
