#pragma once

#include <QString>

#include "protocol/Firmware.h"

namespace tq::protocol {

/// Cuts a reply line to a field's width or pads it on the right with blanks,
/// as the radio state stores every reply.
QString fitField(const QString& line, int width);

/// The radio's last reported settings: one fixed-width field per reply kind
/// holding the whole reply line, each with a flag that says a new value has
/// arrived and not been shown yet. Only the reply dispatcher writes values;
/// the display and waiting routines clear flags as they consume them.
struct RadioState {
    static constexpr int kFreqWidth = 8;
    static constexpr int kShortWidth = 2;
    static constexpr int kChanDataWidth = 11;

    QString FreqReply = fitField({}, kFreqWidth);
    bool FreqReplyNew = false;
    bool FreqReplyValid = false;

    QString AgcReply = fitField({}, kShortWidth);
    bool AgcReplyNew = false;
    QString ModeReply = fitField({}, kShortWidth);
    bool ModeReplyNew = false;
    QString MeterSelReply = fitField({}, kShortWidth);
    bool MeterSelReplyNew = false;
    QString SourceReply = fitField({}, kShortWidth);
    bool SourceReplyNew = false;
    QString LocRemAudioReply = fitField({}, kShortWidth);
    bool LocRemAudioReplyNew = false;
    QString PttEnReply = fitField({}, kShortWidth);
    bool PttEnReplyNew = false;
    QString MuteReply = fitField({}, kShortWidth);
    bool MuteReplyNew = false;
    QString ClipReply = fitField({}, kShortWidth);
    bool ClipReplyNew = false;
    QString SideToneReply = fitField({}, kShortWidth);
    bool SideToneReplyNew = false;
    QString VoxReply = fitField({}, kShortWidth);
    bool VoxReplyNew = false;
    QString RemoteReply = fitField({}, kShortWidth);
    bool RemoteReplyNew = false;
    QString AmpReply = fitField({}, kShortWidth);
    bool AmpReplyNew = false;
    QString TuneReply = fitField({}, kShortWidth);
    bool TuneReplyNew = false;
    QString ChanDataReply = fitField({}, kChanDataWidth);
    bool ChanDataReplyNew = false;

    /// A frequency or mode line came garbled: the radio is asked for its
    /// status again at the next keep-alive.
    bool StatusRequestDue = false;

    bool SyncReplied = false;
    bool RadioKeyed = false;
    bool BangSeen = false;
    bool HashSeen = false;
    bool DotSeen = false;
    bool StatusComplete = false;
    bool QSeen = false;
    int MeterValue = 0;
    /// The firmware dialect, decided after a complete status.
    Firmware FirmwareType = Firmware::Undecided;
    QString SavedPttEn;
};

}  // namespace tq::protocol
