#pragma once

#include <QString>

namespace tq::cat {

/// What a reply to a read is built from, taken when the read is answered:
/// the radio's last frequency and mode lines and the digital mode shown,
/// and for the extended replies the radio's keyed state and VFO B.
struct CatSnapshot {
    QString FreqReply;    // "F" + seven digits in 10 Hz units
    QString ModeReply;    // "M1".."M4"
    QString digitalMode;  // the text of cmbDig: "OFF", "PSK", "FSK", "RTTY"
    bool keyed = false;   // the radio's last sync reply said it transmits
    QString vfoB;         // the seven VFO B digits, 10 Hz units
};

}  // namespace tq::cat
