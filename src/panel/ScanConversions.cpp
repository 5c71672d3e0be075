#include "panel/ScanConversions.h"

#include <algorithm>
#include <array>
#include <utility>

#include "link/IntegerValue.h"

namespace tq::panel {

namespace {

constexpr int kPlaces = 7;
constexpr int kLongestDwell = 32767;

}  // namespace

std::optional<int> scanFrequency(const QString& mhz) {
    const QString text = mhz.trimmed();
    QString places(kPlaces, u'0');
    // A single MHz digit belongs in the units place, not the tens.
    int position = text.size() > 1 && text.at(1) == u'.' ? 1 : 0;
    for (const QChar c : text) {
        if (c == u'.') {
            continue;
        }
        if (position < kPlaces) {
            places[position++] = c;
        } else if (c != u'0') {
            return std::nullopt;  // finer than 10 Hz: not a frequency we can tune
        }
    }
    if (!std::all_of(places.cbegin(), places.cend(),
                     [](QChar c) { return c >= u'0' && c <= u'9'; })) {
        return std::nullopt;
    }
    const int value = places.toInt();
    if (value < kLowestScanFrequency || value > kHighestScanFrequency) {
        return std::nullopt;
    }
    return value;
}

QString frequencyCommand(int tenHz) {
    return QStringLiteral("F%1").arg(tenHz, kPlaces, 10, QLatin1Char('0'));
}

QString scanModeCode(const QString& word) {
    static const std::array<std::pair<QString, QString>, 5> kModes{{
        {QStringLiteral("USB"), QStringLiteral("M1")},
        {QStringLiteral("LSB"), QStringLiteral("M2")},
        {QStringLiteral("AME"), QStringLiteral("M3")},
        {QStringLiteral("AM"), QStringLiteral("M3")},
        {QStringLiteral("CW"), QStringLiteral("M4")},
    }};
    const QString upper = word.trimmed().toUpper();
    for (const auto& [name, code] : kModes) {
        if (upper == name) {
            return code;
        }
    }
    return {};
}

int dwellSeconds(const QString& text) {
    return std::clamp(link::integerValue(text), 1, kLongestDwell);
}

}  // namespace tq::panel
