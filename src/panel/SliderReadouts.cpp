#include "panel/SliderReadouts.h"

#include <QtMath>
#include <cstdlib>

namespace tq::panel {

namespace {

constexpr int kHzPerBfoStep = 10;
constexpr int kPercent = 100;

}  // namespace

QString threeDigits(int value) {
    const QString digits = QStringLiteral("%1").arg(std::abs(value), 3, 10, QLatin1Char('0'));
    return value < 0 ? QLatin1Char('-') + digits : digits;
}

QString bfoReadout(int value) {
    return threeDigits((value - kBfoZero) * kHzPerBfoStep);
}

QString rfgReadout(int value) {
    const double percent = double(kPercent) * (value - kRfgBottom) / double(kRfgTop - kRfgBottom);
    return threeDigits(qRound(percent));
}

}  // namespace tq::panel
