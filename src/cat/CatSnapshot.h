#pragma once

#include <QString>

namespace tq::cat {

/// What a reply to a read is built from, taken when the read is answered:
/// the radio's last frequency and mode lines and the digital mode shown.
struct CatSnapshot {
    QString FreqReply;    // "F" + seven digits in 10 Hz units
    QString ModeReply;    // "M1".."M4"
    QString digitalMode;  // the text of cmbDig: "OFF", "PSK", "FSK", "RTTY"
};

}  // namespace tq::cat
