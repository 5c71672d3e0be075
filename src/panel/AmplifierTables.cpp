#include "panel/AmplifierTables.h"

#include <array>

namespace tq::panel {

namespace {

using enum Colour;

constexpr std::array<AmpPowerRow, 4> kPowerRows{{
    {"O1", AmpPower::Off, White, false, false, White, AmpOperate::Blank, White},
    {"O2", AmpPower::On, Red, false, false, White, AmpOperate::Warmup, Yellow},
    {"O3", AmpPower::On, Red, false, false, White, AmpOperate::Standby, Green},
    {"O4", AmpPower::On, Red, true, true, Yellow, AmpOperate::Operate, Red},
}};

constexpr std::array<AmpTuneRow, 4> kTuneRows{{
    {"T1", AmpTune::Blank, White, true, false},
    {"T2", AmpTune::StartTune, Green, true, false},
    {"T3", AmpTune::Tuning, Yellow, false, false},
    {"T4", AmpTune::Tuned, Red, false, true},
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
