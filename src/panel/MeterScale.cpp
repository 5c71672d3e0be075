#include "panel/MeterScale.h"

namespace tq::panel {

namespace {

const QString kAudioScale = QStringLiteral(" -20       -10          0         +10 ");
const QString kPowerScale = QStringLiteral("0            25          50   100  150");
const QString kVswrScale = QStringLiteral("1               2             3      4");
const QString kSignalScale = QStringLiteral("  S3    S6     S9      +30      +60   ");

constexpr int kFirstPowerMeter = 3;  // FWD
constexpr int kVswrMeter = 5;

}  // namespace

std::optional<int> meterIndexOf(const QString& meterSel) {
    if (meterSel.size() != 2 || meterSel[0] != QLatin1Char('D')) {
        return std::nullopt;
    }
    const int digit = meterSel[1].digitValue();
    if (digit < 1 || digit > kMeterCount) {
        return std::nullopt;
    }
    return digit - 1;
}

std::optional<QString> meterScaleFor(const QString& meterSel, bool radioKeyed) {
    const auto index = meterIndexOf(meterSel);
    if (!index) {
        return std::nullopt;
    }
    if (*index < kFirstPowerMeter) {
        return kAudioScale;
    }
    if (!radioKeyed) {
        return kSignalScale;
    }
    return *index == kVswrMeter ? kVswrScale : kPowerScale;
}

int meterReading(const QString& line) {
    const QString field = line.mid(1, 2).trimmed();
    int sign = 1;
    int pos = 0;
    if (pos < field.size() && (field[pos] == QLatin1Char('-') || field[pos] == QLatin1Char('+'))) {
        sign = field[pos] == QLatin1Char('-') ? -1 : 1;
        ++pos;
    }
    int value = 0;
    for (; pos < field.size() && field[pos].isDigit(); ++pos) {
        value = value * 10 + field[pos].digitValue();
    }
    return sign * value;
}

QStringList allMeterScales() {
    return {kAudioScale, kPowerScale, kVswrScale, kSignalScale};
}

}  // namespace tq::panel
