#include "persist/BandTable.h"

#include <array>

namespace tq::persist {

namespace {

// The amateur bands are titled by wavelength; WWV and MARS are no band in
// metres and keep their own names.
constexpr std::array<BandListInfo, 12> kBandLists{{
    {"160", "M160List.txt", "160 Meters"},
    {"75", "M75List.txt", "75 Meters"},
    {"60", "M60List.txt", "60 Meters"},
    {"40", "M40List.txt", "40 Meters"},
    {"30", "M30List.txt", "30 Meters"},
    {"20", "M20List.txt", "20 Meters"},
    {"17", "M17List.txt", "17 Meters"},
    {"15", "M15List.txt", "15 Meters"},
    {"12", "M12List.txt", "12 Meters"},
    {"10", "M10List.txt", "10 Meters"},
    {"WWV", "WWVList.txt", "WWV"},
    {"MARS", "MarsList.txt", "MARS"},
}};

}  // namespace

const BandListInfo* bandListFor(const QString& band) {
    for (const BandListInfo& info : kBandLists) {
        if (band == QLatin1String(info.band)) {
            return &info;
        }
    }
    return nullptr;
}

}  // namespace tq::persist
