#include "sim/RadioSettings.h"

namespace tq::sim {

namespace {

struct SettingFormat {
    char letter;
    int width;
    int resetValue;
};

// Indexed by Setting.
constexpr std::array<SettingFormat, kSettingCount> kFormats{{
    {'F', 7, 1420000},  // 14.200 00 MHz
    {'A', 1, 2},        // SLOW
    {'M', 1, 1},        // USB
    {'D', 1, 1},
    {'H', 1, 1},  // MIC
    {'"', 1, 1},  // local audio
    {'\'', 1, 1},
    {'(', 1, 0},
    {'I', 1, 0},
    {'S', 1, 0},
    {'V', 1, 0},
    {'R', 1, 1},
    {'O', 1, 1},
    {'T', 1, 1},
    {'C', 2, 0},
    {'G', 2, 0},
    {'B', 3, 100},
}};

}  // namespace

QByteArray digits(int value, int width) {
    return QByteArray::number(value).rightJustified(width, '0', true);
}

RadioSettings::RadioSettings() {
    for (int i = 0; i < kSettingCount; ++i) {
        m_values[i] = kFormats[i].resetValue;
    }
}

char RadioSettings::letter(Setting setting) {
    return kFormats[index(setting)].letter;
}

int RadioSettings::width(Setting setting) {
    return kFormats[index(setting)].width;
}

QByteArray RadioSettings::line(Setting setting) const {
    return letter(setting) + digits(get(setting), width(setting));
}

QByteArray RadioSettings::syncLine() const {
    return m_keyed ? "K" : "U";
}

}  // namespace tq::sim
