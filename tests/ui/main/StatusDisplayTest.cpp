#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include "panel/PanelColours.h"
#include "protocol/ProgramFlags.h"
#include "protocol/RadioCommands.h"
#include "protocol/RadioLink.h"
#include "protocol/RadioState.h"
#include "support/ScriptedPort.h"
#include "support/TestClock.h"
#include "support/WidgetApplication.h"
#include "ui/main/StatusDisplay.h"
#include "ui/main/StepButton.h"
#include "ui/main/WidgetColours.h"
#include "ui/main/frmTQ5820.h"

using tq::protocol::Lamp;
using tq::protocol::RadioState;
using tq::ui::backColour;
using tq::ui::frmTQ5820;

namespace {

const QColor kRed(tq::panel::kRed);
const QColor kGreen(tq::panel::kGreen);

/// The main window wired to a radio link over a scripted port, in virtual
/// time, with the newer firmware's explicit PTT enable commands.
struct UiDisplay : tq::test::WidgetTest {
    UiDisplay() : clock(12 * 3600.0) {
        port.open();
        window.attachLink(link, commands);
        state.FirmwareType = 2;
    }

    void reply(QString RadioState::*field, bool RadioState::*flag, const char* text) {
        state.*field = QString::fromLatin1(text);
        state.*flag = true;
    }
    void frequency(const char* text) {
        reply(&RadioState::FreqReply, &RadioState::FreqReplyNew, text);
    }
    QStringList written() const {
        QStringList texts;
        for (const auto& write : port.writes)
            texts << write.text;
        return texts;
    }
    QString vfoA() const {
        QString digits;
        for (auto* digit : window.cmdF)
            digits += digit->text();
        return digits;
    }

    RadioState state;
    tq::protocol::ProgramFlags flags;
    frmTQ5820 window{state, flags};
    tq::test::TestClock clock;
    tq::test::ScriptedPort port{clock};
    tq::protocol::RadioLink link{port, clock, window, state};
    tq::protocol::RadioCommands commands{link};
};

TEST_F(UiDisplay, RefreshShowsEveryNewReplyAndClearsItsFlag) {
    using R = RadioState;
    const std::tuple<QString R::*, bool R::*, const char*> replies[] = {
        {&R::RemoteReply, &R::RemoteReplyNew, "R1"},
        {&R::AgcReply, &R::AgcReplyNew, "A3"},
        {&R::ModeReply, &R::ModeReplyNew, "M2"},
        {&R::FreqReply, &R::FreqReplyNew, "F1420000"},
        {&R::LocRemAudioReply, &R::LocRemAudioReplyNew, "\"1"},
        {&R::SourceReply, &R::SourceReplyNew, "H2"},
        {&R::ClipReply, &R::ClipReplyNew, "I1"},
        {&R::MeterSelReply, &R::MeterSelReplyNew, "D4"},
        {&R::PttEnReply, &R::PttEnReplyNew, "'1"},
        {&R::MuteReply, &R::MuteReplyNew, "(0"},
        {&R::SideToneReply, &R::SideToneReplyNew, "S1"},
        {&R::VoxReply, &R::VoxReplyNew, "V2"},
        {&R::AmpReply, &R::AmpReplyNew, "O4"},
        {&R::TuneReply, &R::TuneReplyNew, "T2"}};
    for (const auto& [field, flag, text] : replies)
        reply(field, flag, text);

    window.gUpdateDisplay();

    EXPECT_EQ(window.lblREMOTE->text(), "REMOTE");
    EXPECT_EQ(window.cmbAGC->currentText(), "MED");
    EXPECT_EQ(window.cmbMode->currentText(), "LSB");
    EXPECT_EQ(vfoA(), "1420000");
    EXPECT_EQ(window.cmbSource->currentText(), "AUDIO2");
    EXPECT_EQ(window.lblClipping->text(), "ON");
    EXPECT_TRUE(window.optMeter[3]->isChecked());
    EXPECT_EQ(tq::ui::foreColour(window.lblMeter[3]), tq::ui::buttonTextColour());
    EXPECT_EQ(tq::ui::foreColour(window.lblMeter[0]), tq::ui::greyTextColour());
    EXPECT_EQ(window.lblPTTEn->text(), "ON");
    EXPECT_EQ(window.lblMute->text(), "OFF");
    EXPECT_EQ(window.lblSideTone->text(), "ON");
    EXPECT_EQ(window.lblVox->text(), "DATA");
    EXPECT_EQ(window.lblAmpPwr->text(), "ON");
    EXPECT_EQ(backColour(window.lblAmpPwr), tq::panel::kRed);
    EXPECT_EQ(window.lblAmpOpStby->text(), "Operate");
    EXPECT_TRUE(window.cmdTuneAmp->isEnabled());
    EXPECT_EQ(window.lblAmpTuned->text(), "Start Tune");
    EXPECT_EQ(backColour(window.lblAmpTuned), tq::panel::kGreen);
    EXPECT_TRUE(window.cmdXmit->isEnabled());
    EXPECT_EQ(window.lblInBand->text(), "");
    EXPECT_EQ(backColour(window.lblInBand), QColor(tq::panel::kLightGrey));
    // In band with PTT already enabled: nothing to send.
    EXPECT_TRUE(written().isEmpty());

    for (const auto& [field, flag, text] : replies)
        EXPECT_FALSE(state.*flag) << text;
}

TEST_F(UiDisplay, RepliesMatchingNoKnownValueLeaveTheirControls) {
    reply(&RadioState::ModeReply, &RadioState::ModeReplyNew, "M3");
    reply(&RadioState::VoxReply, &RadioState::VoxReplyNew, "V1");
    reply(&RadioState::RemoteReply, &RadioState::RemoteReplyNew, "R0");
    window.gUpdateDisplay();
    reply(&RadioState::ModeReply, &RadioState::ModeReplyNew, "M9");
    reply(&RadioState::VoxReply, &RadioState::VoxReplyNew, "V ");
    reply(&RadioState::RemoteReply, &RadioState::RemoteReplyNew, "R5");
    // A remote audio path hides the source: the combo reads REMOTE.
    reply(&RadioState::LocRemAudioReply, &RadioState::LocRemAudioReplyNew, "\"0");
    reply(&RadioState::SourceReply, &RadioState::SourceReplyNew, "H1");
    frequency("F142000 ");
    window.gUpdateDisplay();

    EXPECT_EQ(window.cmbMode->currentText(), "AME");
    EXPECT_EQ(window.lblVox->text(), "VOICE");
    EXPECT_EQ(window.lblREMOTE->text(), "LOCAL");
    EXPECT_EQ(window.cmbSource->currentText(), "REMOTE");
    EXPECT_EQ(vfoA(), "0000000");
}

TEST_F(UiDisplay, FrequencyThatIsNoNumberStopsTheRefreshUntilTheNext) {
    frequency("F14ab000");
    reply(&RadioState::SourceReply, &RadioState::SourceReplyNew, "H3");
    reply(&RadioState::LocRemAudioReply, &RadioState::LocRemAudioReplyNew, "\"1");
    window.txtInfo->hide();

    window.gUpdateDisplay();
    EXPECT_EQ(window.txtInfo->text(), "gUpdateDisplay: Err 13. Type mismatch");
    EXPECT_FALSE(window.txtInfo->isHidden());
    EXPECT_EQ(vfoA(), "0000000");
    EXPECT_FALSE(state.FreqReplyNew);
    EXPECT_TRUE(state.SourceReplyNew);

    window.gUpdateDisplay();
    EXPECT_EQ(window.cmbSource->currentText(), "PATCH");
    EXPECT_FALSE(state.SourceReplyNew);
}

TEST_F(UiDisplay, BandLimitsBlockTransmittingOutsideTheBandsAndSetPttEnable) {
    state.PttEnReply = QStringLiteral("'1");
    frequency("F1435001");
    window.gUpdateDisplay();
    for (QPushButton* control : {window.cmdPTTEn, window.cmdXmit, window.cmdTune,
                                 static_cast<QPushButton*>(window.cmdPTT)}) {
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    }
    EXPECT_EQ(window.lblInBand->text(), "Out Of Band");
    EXPECT_EQ(backColour(window.lblInBand), tq::panel::kRed);
    EXPECT_EQ(written(), QStringList{"'0\n"});

    port.writes.clear();
    state.PttEnReply = QStringLiteral("'0");
    frequency("F1435000");
    window.gUpdateDisplay();
    EXPECT_TRUE(window.cmdXmit->isEnabled());
    EXPECT_TRUE(window.cmdPTT->isEnabled());
    EXPECT_EQ(window.lblInBand->text(), "");
    EXPECT_EQ(written(), QStringList{"'1\n"});
}

TEST_F(UiDisplay, ScanningBlocksEveryFrequencyAndPermissionAllowsEvery) {
    state.PttEnReply = QStringLiteral("'0");
    flags.ScanActive = true;
    frequency("F1420000");
    window.gUpdateDisplay();
    EXPECT_FALSE(window.cmdXmit->isEnabled());
    EXPECT_EQ(window.lblInBand->text(), "Scanning");

    bool inBand = true;
    window.display().ApplyBandLimits(inBand);
    EXPECT_FALSE(inBand);

    flags.ScanActive = false;
    flags.OutOfBandAllowed = true;
    state.PttEnReply = QStringLiteral("'1");
    frequency("F0100000");
    window.gUpdateDisplay();
    EXPECT_TRUE(window.cmdXmit->isEnabled());
}

TEST_F(UiDisplay, MeterScaleFollowsTransmitOnlyWhenTheSelectionIsShown) {
    state.RadioKeyed = true;
    reply(&RadioState::MeterSelReply, &RadioState::MeterSelReplyNew, "D4");
    window.gUpdateDisplay();
    const QString power = window.lblMeterScale->text();
    EXPECT_TRUE(power.startsWith(QStringLiteral("0            25")));

    state.RadioKeyed = false;  // "U" arrived: the scale waits for the next "D"
    window.gUpdateDisplay();
    EXPECT_EQ(window.lblMeterScale->text(), power);

    state.MeterSelReplyNew = true;
    window.gUpdateDisplay();
    EXPECT_EQ(window.lblMeterScale->text(), "  S3    S6     S9      +30      +60   ");

    // A selection the radio never names unselects every meter.
    reply(&RadioState::MeterSelReply, &RadioState::MeterSelReplyNew, "D9");
    window.gUpdateDisplay();
    for (auto* option : window.optMeter)
        EXPECT_FALSE(option->isChecked());
}

TEST_F(UiDisplay, MeterReadingsOutsideTheBarLeaveIt) {
    window.displayMeterData(QStringLiteral("J07"));
    EXPECT_EQ(window.pbMeter->value(), 7);
    EXPECT_EQ(state.MeterValue, 7);
    window.displayMeterData(QStringLiteral("J25"));
    EXPECT_EQ(window.pbMeter->value(), 7);
    EXPECT_EQ(state.MeterValue, 25);
    window.displayMeterData(QStringLiteral("Jxx"));
    EXPECT_EQ(window.pbMeter->value(), 0);
}

TEST_F(UiDisplay, ChannelEntryShowsItsDigitsAndModeOnVfoA) {
    reply(&RadioState::ChanDataReply, &RadioState::ChanDataReplyNew, "P1207074004");
    window.gUpdateDisplay();
    EXPECT_EQ(vfoA(), "0707400");
    EXPECT_EQ(window.cmbMode->currentText(), "CW");
    EXPECT_FALSE(state.ChanDataReplyNew);
}

TEST_F(UiDisplay, AmplifierTunedEndsTheTuneAndReleasesTheTransmitter) {
    state.AmpReply = QStringLiteral("O4");
    window.AmpTuneActive = true;
    link.SyncChar = QStringLiteral("K");
    link.LastSyncChar = QStringLiteral("K");
    window.lblAmpTuned->setText(QStringLiteral(" >> "));

    // Idle tune states do not overwrite a tune this program started.
    reply(&RadioState::TuneReply, &RadioState::TuneReplyNew, "T1");
    window.gUpdateDisplay();
    EXPECT_EQ(window.lblAmpTuned->text(), " >> ");

    reply(&RadioState::TuneReply, &RadioState::TuneReplyNew, "T4");
    window.gUpdateDisplay();
    EXPECT_EQ(window.lblAmpTuned->text(), "Tuned");
    EXPECT_EQ(backColour(window.lblAmpTuned), tq::panel::kRed);
    EXPECT_FALSE(window.AmpTuneActive);
    EXPECT_EQ(link.SyncChar, "U");
    EXPECT_EQ(written(), QStringList{"U"});

    // Switched to standby, the amplifier has no tune state to show.
    reply(&RadioState::AmpReply, &RadioState::AmpReplyNew, "O3");
    window.gUpdateDisplay();
    EXPECT_EQ(window.lblAmpTuned->text(), "");
    EXPECT_EQ(window.lblAmpOpStby->text(), "Standby");
    EXPECT_EQ(backColour(window.lblAmpOpStby), tq::panel::kGreen);
    EXPECT_FALSE(window.cmdTuneAmp->isEnabled());
}

TEST_F(UiDisplay, LinkIndicatorsShowOnTheirControls) {
    const std::pair<Lamp, QColor> lamps[] = {{Lamp::Sending, tq::panel::kRed},
                                             {Lamp::Awaiting, tq::panel::kGreen},
                                             {Lamp::Syncing, QColor(tq::panel::kYellow)},
                                             {Lamp::Idle, tq::ui::greyTextColour()}};
    for (const auto& [lamp, colour] : lamps) {
        window.setLamp(lamp);
        // The lamp takes its colour when the program waits for events.
        QEventLoop wait;
        QTimer::singleShot(1, &wait, &QEventLoop::quit);
        wait.exec();
        EXPECT_EQ(backColour(window.shaTrace), colour) << static_cast<int>(lamp);
    }

    tq::ui::setBackColour(window.lblU, tq::panel::kGreen);
    window.setSyncLabel(QStringLiteral("K"));
    EXPECT_EQ(window.lblU->text(), "K");
    EXPECT_EQ(backColour(window.lblU), QColor(tq::panel::kWhite));
    tq::ui::setBackColour(window.lblU, tq::panel::kRed);
    window.setSyncLabel(QString());
    EXPECT_EQ(window.lblU->text(), "");
    EXPECT_EQ(backColour(window.lblU), tq::panel::kRed);

    EXPECT_TRUE(window.rawDataShown());
    window.cmdViewInData->setText(QStringLiteral("Show Data"));
    EXPECT_FALSE(window.rawDataShown());
}

}  // namespace
