#include "protocol/DispatchRadioReplies.h"

#include <QRegularExpression>
#include <array>

namespace tq::protocol {

namespace {

/// A reply that is stored whole in a field, with its new-value flag.
struct StoredReply {
    char16_t key;
    QString RadioState::*field;
    bool RadioState::*flag;
    int width;
};

constexpr int kShort = RadioState::kShortWidth;

const std::array<StoredReply, 15> kStoredReplies{{
    {u'A', &RadioState::AgcReply, &RadioState::AgcReplyNew, kShort},
    {u'M', &RadioState::ModeReply, &RadioState::ModeReplyNew, kShort},
    {u'D', &RadioState::MeterSelReply, &RadioState::MeterSelReplyNew, kShort},
    {u'H', &RadioState::SourceReply, &RadioState::SourceReplyNew, kShort},
    {u'"', &RadioState::LocRemAudioReply, &RadioState::LocRemAudioReplyNew, kShort},
    {u'\'', &RadioState::PttEnReply, &RadioState::PttEnReplyNew, kShort},
    {u'(', &RadioState::MuteReply, &RadioState::MuteReplyNew, kShort},
    {u'R', &RadioState::RemoteReply, &RadioState::RemoteReplyNew, kShort},
    {u'O', &RadioState::AmpReply, &RadioState::AmpReplyNew, kShort},
    {u'T', &RadioState::TuneReply, &RadioState::TuneReplyNew, kShort},
    {u'I', &RadioState::ClipReply, &RadioState::ClipReplyNew, kShort},
    {u'S', &RadioState::SideToneReply, &RadioState::SideToneReplyNew, kShort},
    {u'V', &RadioState::VoxReply, &RadioState::VoxReplyNew, kShort},
    {u'P', &RadioState::ChanDataReply, &RadioState::ChanDataReplyNew, RadioState::kChanDataWidth},
    {u'F', &RadioState::FreqReply, &RadioState::FreqReplyNew, RadioState::kFreqWidth},
}};

/// A reply line that only marks that it was seen.
struct MarkerReply {
    char16_t key;
    bool RadioState::*flag;
};

const std::array<MarkerReply, 4> kMarkerReplies{{
    {u'!', &RadioState::BangSeen},
    {u'#', &RadioState::HashSeen},
    {u'Q', &RadioState::QSeen},
    {u'.', &RadioState::DotSeen},
}};

bool isValidFrequencyLine(const QString& line) {
    static const QRegularExpression pattern(QStringLiteral("^F[0-9]{7}$"));
    return pattern.match(line).hasMatch();
}

bool isValidModeLine(const QString& line) {
    return line.size() == 2 && line[1] >= u'1' && line[1] <= u'4';
}

int meterReading(const QString& line) {
    bool ok = false;
    const int value = line.mid(1, 2).trimmed().toInt(&ok);
    return ok ? value : 0;
}

// "C", "B", "G", "X", ",", "*" and ")" are accepted replies that nothing
// depends on; like unknown first characters they fall through both tables.
void dispatchLine(const QString& line, RadioState& state, Indicators& indicators) {
    const char16_t key = line.at(0).unicode();
    switch (key) {
        case u'J':
            state.MeterValue = meterReading(line);
            indicators.displayMeterData(line);
            return;
        case u'U':
        case u'K':
            state.SyncReplied = true;
            state.RadioKeyed = key == u'K';
            return;
        case u'F':
            state.FreqReplyValid = isValidFrequencyLine(line);
            state.StatusRequestDue = state.StatusRequestDue || !state.FreqReplyValid;
            break;
        case u'M':
            state.StatusRequestDue = state.StatusRequestDue || !isValidModeLine(line);
            break;
        default:
            break;
    }
    for (const StoredReply& reply : kStoredReplies) {
        if (reply.key == key) {
            state.*reply.field = fitField(line, reply.width);
            state.*reply.flag = true;
            return;
        }
    }
    for (const MarkerReply& marker : kMarkerReplies) {
        if (marker.key == key) {
            state.*marker.flag = true;
            return;
        }
    }
}

}  // namespace

void DispatchRadioReplies(QString& batch, RadioState& state, Indicators& indicators) {
    qsizetype pos = 0;
    while (pos < batch.size()) {
        const qsizetype lineFeed = batch.indexOf(u'\n', pos);
        if (lineFeed < 0) {
            break;
        }
        if (lineFeed > pos) {
            batch[lineFeed] = u'<';
            dispatchLine(batch.mid(pos, lineFeed - pos), state, indicators);
        }
        pos = lineFeed + 1;
    }
    if (indicators.rawDataShown()) {
        indicators.setRawData(batch);
    }
}

}  // namespace tq::protocol
