#include "rigctl/RigMode.h"

#include <array>

namespace tq::rigctl {

namespace {

struct ModeRow {
    RigMode mode;
    const char* name;
    int passband;
};

// The radio has no selectable filters; SSB and CW share the 2.4 kHz one and
// AM is reported with the width a broadcast-style signal needs.
constexpr std::array<ModeRow, 4> kModes{{
    {RigMode::Usb, "USB", 2400},
    {RigMode::Lsb, "LSB", 2400},
    {RigMode::Am, "AM", 6000},
    {RigMode::Cw, "CW", 2400},
}};

struct Alias {
    const char* name;
    RigMode mode;
};

constexpr std::array<Alias, 2> kAliases{{{"PKTUSB", RigMode::Usb}, {"PKTLSB", RigMode::Lsb}}};

}  // namespace

QString modeName(RigMode mode) {
    for (const ModeRow& row : kModes) {
        if (row.mode == mode) {
            return QString::fromLatin1(row.name);
        }
    }
    return {};
}

int modePassband(RigMode mode) {
    for (const ModeRow& row : kModes) {
        if (row.mode == mode) {
            return row.passband;
        }
    }
    return 0;
}

std::optional<RigMode> modeFromName(const QString& name) {
    for (const ModeRow& row : kModes) {
        if (name == QLatin1String(row.name)) {
            return row.mode;
        }
    }
    for (const Alias& alias : kAliases) {
        if (name == QLatin1String(alias.name)) {
            return alias.mode;
        }
    }
    return std::nullopt;
}

}  // namespace tq::rigctl
