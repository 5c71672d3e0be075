#include "panel/AmplifierTables.h"

#include <array>

#include "panel/PanelColours.h"

namespace tq::panel {

namespace {

constexpr std::array<AmpPowerRow, 4> kPowerRows{{
    {"O1", "OFF", kWhite, false, false, kWhite, "", kWhite},
    {"O2", "ON", kRed, false, false, kWhite, "Warmup", kYellow},
    {"O3", "ON", kRed, false, false, kWhite, "Standby", kGreen},
    {"O4", "ON", kRed, true, true, kYellow, "Operate", kRed},
}};

constexpr std::array<AmpTuneRow, 4> kTuneRows{{
    {"T1", "", kWhite, true, false},
    {"T2", "Start Tune", kGreen, true, false},
    {"T3", "Tuning", kYellow, false, false},
    {"T4", "Tuned", kRed, false, true},
}};

template <typename Row, std::size_t N>
const Row* findRow(const std::array<Row, N>& rows, const QString& reply) {
    for (const Row& row : rows) {
        if (reply == QLatin1String(row.reply)) {
            return &row;
        }
    }
    return nullptr;
}

}  // namespace

const AmpPowerRow* ampPowerRow(const QString& reply) {
    return findRow(kPowerRows, reply);
}
const AmpTuneRow* ampTuneRow(const QString& reply) {
    return findRow(kTuneRows, reply);
}

}  // namespace tq::panel
