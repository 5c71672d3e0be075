#include <gtest/gtest.h>

#include <QRegularExpression>

#include "protocol/DispatchRadioReplies.h"
#include "support/QStringPrinter.h"
#include "support/RecordingIndicators.h"

namespace tq::protocol {
namespace {

/// Every reply field whose "new" flag is up, then every flag that is set:
/// a reply landing in the wrong field or raising a flag it should not shows.
QString describe(const RadioState& s) {
    using R = RadioState;
    static const std::pair<QString R::*, bool R::*> replies[] = {
        {&R::FreqReply, &R::FreqReplyNew},         {&R::AgcReply, &R::AgcReplyNew},
        {&R::ModeReply, &R::ModeReplyNew},         {&R::MeterSelReply, &R::MeterSelReplyNew},
        {&R::SourceReply, &R::SourceReplyNew},     {&R::LocRemAudioReply, &R::LocRemAudioReplyNew},
        {&R::PttEnReply, &R::PttEnReplyNew},       {&R::MuteReply, &R::MuteReplyNew},
        {&R::ClipReply, &R::ClipReplyNew},         {&R::SideToneReply, &R::SideToneReplyNew},
        {&R::VoxReply, &R::VoxReplyNew},           {&R::RemoteReply, &R::RemoteReplyNew},
        {&R::AmpReply, &R::AmpReplyNew},           {&R::TuneReply, &R::TuneReplyNew},
        {&R::ChanDataReply, &R::ChanDataReplyNew},
    };
    static const std::pair<const char*, bool R::*> flags[] = {
        {"valid", &R::FreqReplyValid},
        {"due", &R::StatusRequestDue},
        {"sync", &R::SyncReplied},
        {"keyed", &R::RadioKeyed},
        {"!", &R::BangSeen},
        {"#", &R::HashSeen},
        {".", &R::DotSeen},
        {"Q", &R::QSeen},
    };
    QStringList out;
    for (const auto& [field, isNew] : replies) {
        if (s.*isNew) {
            out << s.*field;
        }
    }
    for (const auto& [name, flag] : flags) {
        if (s.*flag) {
            out << QString::fromLatin1(name);
        }
    }
    if (s.MeterValue != 0) {
        out << QStringLiteral("J=%1").arg(s.MeterValue);
    }
    return out.join(u'|');
}

TEST(Dispatch, EachCompleteLineLandsInItsFieldCutOrPaddedAndTheBatchIsRewrittenForTheRawView) {
    const struct {
        const char *batch, *rewritten, *state;
    } rows[] = {
        {"F1420000\nM1\n#\n.\n", "F1420000<M1<#<.<", "F1420000|M1|valid|#|."},
        // Text after the last line feed is neither dispatched nor rewritten;
        // empty lines are skipped and keep their line feed.
        {"A2\nM3", "A2<M3", "A2"},
        {"A1\n\nA3\n", "A1<\nA3<", "A3"},
        // A frequency is valid as seven digits; a bad one or mode asks for a status.
        {"F142000\n", "F142000<", "F142000 |due"},
        {"F14200001\n", "F14200001<", "F1420000|due"},
        {"M\nP0514200001X\nH23\n", "M<P0514200001X<H23<", "M |H2|P0514200001|due"},
        {"K\nU\n", "K<U<", "sync"},
        {"U\nK\n", "U<K<", "sync|keyed"},
        {"A4\nM2\nD5\nH3\n\"1\n'1\n(1\nI1\nS0\nV2\nR1\nO4\nT3\n",
         "A4<M2<D5<H3<\"1<'1<(1<I1<S0<V2<R1<O4<T3<", "A4|M2|D5|H3|\"1|'1|(1|I1|S0|V2|R1|O4|T3"},
        // The first character is compared exactly; some replies change nothing.
        {"a2\nm3\nd4\n:F1420000\nC05\nB100\nG10\nX1\n,1\n*1\n)abc\n",
         "a2<m3<d4<:F1420000<C05<B100<G10<X1<,1<*1<)abc<", ""},
        {"!\nQT1\n", "!<QT1<", "!|Q"},
        // Meter readings: a non-number reads as 0.
        {"J45\nJ99\nJx\n", "J45<J99<Jx<", ""},
    };
    bool rawShown = false;  // the raw view is left alone while switched off
    for (const auto& row : rows) {
        RadioState state;
        test::RecordingIndicators shown;
        shown.rawShown = rawShown = !rawShown;
        QString batch = QString::fromLatin1(row.batch);
        DispatchRadioReplies(batch, state, shown);
        EXPECT_EQ(batch, QString::fromLatin1(row.rewritten)) << row.batch;
        EXPECT_EQ(shown.rawData, rawShown ? batch : QString()) << row.batch;
        EXPECT_EQ(describe(state), QString::fromLatin1(row.state)) << row.batch;
        QStringList lines = QString::fromLatin1(row.batch).split(u'\n');
        lines.removeLast();
        EXPECT_EQ(shown.meterLines, lines.filter(QRegularExpression(QStringLiteral("^J"))));
    }
}

}  // namespace
}  // namespace tq::protocol
