// ScanFreqs.txt and the scanners' frequency and dwell boxes are text the
// operator types or edits by hand: any content must read without a crash,
// a list must come back unchanged through its own file format, and a
// frequency that is accepted must be one the radio can tune.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "ui/lists/ScanConversions.h"
#include "ui/lists/ScanFreqsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto file = tq::ui::parseScanFreqs(text);
    const QString dwell = file.dwell.value_or(QStringLiteral("3"));
    const auto again = tq::ui::parseScanFreqs(tq::ui::formatScanFreqs(file.rows, dwell));
    if (again.rows != file.rows || again.dwell != dwell) {
        std::abort();
    }
    for (const auto& row : file.rows) {
        if (const auto tenHz = tq::ui::scanFrequency(row.freq)) {
            if (*tenHz < tq::ui::kLowestScanFrequency || *tenHz > tq::ui::kHighestScanFrequency ||
                tq::ui::frequencyCommand(*tenHz).size() != 8) {
                std::abort();
            }
        }
    }
    const int seconds = tq::ui::dwellSeconds(text);
    if (seconds < 1 || seconds > 32767) {
        std::abort();
    }
    return 0;
}
