// ScanFreqs.txt and the scanners' frequency and dwell boxes are text the
// operator types or edits by hand: any content must read without a crash,
// a list must come back unchanged through its own file format, and a
// frequency that is accepted must be one the radio can tune.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "panel/ScanConversions.h"
#include "persist/ScanFreqsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto file = tq::persist::parseScanFreqs(text);
    const QString dwell = file.dwell.value_or(QStringLiteral("3"));
    const auto again = tq::persist::parseScanFreqs(tq::persist::formatScanFreqs(file.rows, dwell));
    if (again.rows != file.rows || again.dwell != dwell) {
        std::abort();
    }
    for (const auto& row : file.rows) {
        if (const auto tenHz = tq::panel::scanFrequency(row.freq)) {
            if (*tenHz < tq::panel::kLowestScanFrequency ||
                *tenHz > tq::panel::kHighestScanFrequency ||
                tq::panel::frequencyCommand(*tenHz).size() != 8) {
                std::abort();
            }
        }
    }
    const int seconds = tq::panel::dwellSeconds(text);
    if (seconds < 1 || seconds > 32767) {
        std::abort();
    }
    return 0;
}
