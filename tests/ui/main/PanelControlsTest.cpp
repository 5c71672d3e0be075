#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

#include "protocol/ProgramFlags.h"
#include "protocol/RadioState.h"
#include "support/WidgetApplication.h"
#include "ui/main/StepButton.h"
#include "ui/main/frmTQ5820.h"

using tq::panel::PanelRequest;
using tq::ui::frmTQ5820;
using tq::ui::StepButton;

namespace {

struct UiPanel : tq::test::WidgetTest {
    /// The requests raised right now, in serving order.
    std::vector<tq::panel::PanelRequest> raised() const {
        std::vector<tq::panel::PanelRequest> list;
        for (std::size_t i = 0; i < tq::panel::kPanelRequestCount; ++i) {
            if (window.requests().isRaised(static_cast<tq::panel::PanelRequest>(i))) {
                list.push_back(static_cast<tq::panel::PanelRequest>(i));
            }
        }
        return list;
    }

    tq::protocol::RadioState state;
    tq::protocol::ProgramFlags flags;
    frmTQ5820 window{state, flags};
};

/// The text the operator sees on a control of any kind.
QString captionOf(QObject* control) {
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text();
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    if (auto* frame = qobject_cast<QGroupBox*>(control))
        return frame->title();
    if (auto* box = qobject_cast<QLineEdit*>(control))
        return box->text();
    if (auto* action = qobject_cast<QAction*>(control))
        return action->text();
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        return items.join(QLatin1Char('|'));
    }
    return QStringLiteral("<unknown control>");
}

TEST_F(UiPanel, NamedControlsCarryTheirCaptionsTooltipsAndItems) {
    struct Expected {
        const char* name;
        const char* caption;  // combo boxes: the items joined with "|"
        const char* tooltip;
    };
    const Expected sample[] = {
        {"Frame1", "Frequency (V)", ""},
        {"fraFreq", "VFO A", ""},
        {"cmdF_0", "0", "Left Click Up,Right Click Down"},
        {"Command1", ",", ""},
        {"cmdVFOB_3", "0", "Set Freq for Channel"},
        {"cmdDot", ".", ""},
        {"cmbVFOBMode", "USB|LSB|AME|CW", "Select Mode for Channel"},
        {"cmbStepSize", "10Hz|100Hz|1KHz|10KHz|OFF", "Step size for KB Input"},
        {"cmdA2B", "A->B", "Copy VFO A  to VFO B"},
        {"cmdSwap", "Swap ", "Swap VFO A and VFO B"},
        {"cmdSplit", "", "Toggle Split On/Off"},
        {"lblSplit", "Split Off", ""},
        {"cmbAGC", "SLOW|MED|FAST|OFF", "Select AGC Time"},
        {"cmbSource", "MIC|AUDIO2|PATCH|REMOTE|OFF/CW", "Select Audio Source"},
        {"cmbDig", "OFF|PSK|FSK|RTTY", "Choose Digital Mode"},
        {"cmdVOX", " VOX", ""},
        {"cmdPTT", "PTT", "Press Mouse Button to Transmit"},
        {"lblExtPTT", "EXT PTT", "Yellow: Disabled, Green: Ready, Red: Active"},
        {"lblMeter_5", "VSWR", ""},
        {"txtBFO", "000", "Set BFO Offset"},
        {"txtRFG", "100", "Set RF Gain"},
        {"cmd60M", "60 ", "Open menu of 60M Frequencies"},
        {"cmdWWV", "WWV", "Open menu of WWV Frequencies"},
        {"cmdM_1", "0", "Left Click Up,Right Click Down"},
        {"cmdVM", "MEM", "Toggle between VFO and MEM"},
        {"cmdAmpOpr", "OPR ->", "Place AMP in Operate / Standby"},
        {"cmdViewInData", "Hide Data", "Show / Hide the Data Box"},
        {"lblFWType", "F/W: v604M NonAdapt ", ""},
        {"mnuFileExit", "E&xit", ""},
        {"mnuChannelSetup", "Channels", ""},
        {"mnuHelpTQ5820", "TQ-5820 Help", ""},
    };
    for (const Expected& e : sample) {
        QObject* control = window.findChild<QObject*>(QString::fromLatin1(e.name));
        ASSERT_NE(control, nullptr) << e.name;
        EXPECT_EQ(captionOf(control), QString::fromLatin1(e.caption)) << e.name;
        auto* widget = qobject_cast<QWidget*>(control);
        EXPECT_EQ(widget ? widget->toolTip() : QString(), QString::fromLatin1(e.tooltip)) << e.name;
    }
    // The named members are the controls that carry the names.
    EXPECT_EQ(window.findChild<QPushButton*>(QStringLiteral("cmdSplit")), window.cmdSplit);
    EXPECT_EQ(window.findChild<QPushButton*>(QStringLiteral("cmdF_4")), window.cmdF[4]);
    EXPECT_EQ(window.findChild<QAction*>(QStringLiteral("mnuPortSetup")), window.mnuPortSetup);
    EXPECT_EQ(window.objectName(), "frmTQ5820");
}

TEST_F(UiPanel, BandButtonsSitInTheirMembersAndRaiseTheirOwnRequests) {
    const std::array<QPushButton*, 12> members{
        window.cmd160M, window.cmd75M, window.cmd60M, window.cmd40M, window.cmd30M, window.cmd20M,
        window.cmd17M,  window.cmd15M, window.cmd12M, window.cmd10M, window.cmdWWV, window.cmdMARS};
    // Clicked from MARS down, raised requests still list 160 m first.
    for (std::size_t i = members.size(); i-- > 0;) {
        EXPECT_EQ(members[i]->objectName(), QString::fromLatin1(tq::panel::bandButtons()[i].name));
        QTest::mouseClick(members[i], Qt::LeftButton);
    }
    std::vector<tq::panel::PanelRequest> expected;
    for (const auto& band : tq::panel::bandButtons())
        expected.push_back(band.request);
    EXPECT_EQ(raised(), expected);
}

TEST_F(UiPanel, ClicksAndChoicesRaiseOnlyTheirOwnRequest) {
    QTest::mouseClick(window.cmdSplit, Qt::LeftButton);
    EXPECT_EQ(raised(), std::vector{tq::panel::PanelRequest::cmdSplit});
    window.requests().clear(tq::panel::PanelRequest::cmdSplit);

    QTest::mouseClick(window.cmdViewInData, Qt::LeftButton);
    QTest::mouseClick(window.cmdAmpPwr, Qt::LeftButton);
    EXPECT_EQ(raised(), (std::vector{tq::panel::PanelRequest::cmdViewInData,
                                     tq::panel::PanelRequest::cmdAmpPwr}));
    window.requests().clear(tq::panel::PanelRequest::cmdViewInData);
    window.requests().clear(tq::panel::PanelRequest::cmdAmpPwr);

    // The display showing the radio's mode is no choice of the operator's.
    window.cmbMode->setCurrentIndex(2);
    EXPECT_TRUE(raised().empty());
    emit window.cmbMode->activated(1);
    EXPECT_EQ(raised(), std::vector{tq::panel::PanelRequest::cmbMode});
    window.requests().clear(tq::panel::PanelRequest::cmbMode);

    window.optMeter[4]->click();
    EXPECT_EQ(raised(), std::vector{tq::panel::PanelRequest::optMeter});
    EXPECT_EQ(window.meterChoice(), 4);
}

TEST_F(UiPanel, SliderValuesSetFromCodeUpdateTheReadoutAndRaiseTheRequest) {
    window.vscRFG->setValue(55);
    EXPECT_EQ(window.txtRFG->text(), "087");
    EXPECT_EQ(raised(), std::vector{tq::panel::PanelRequest::vscRFG});

    window.vscBFO->setValue(99);
    EXPECT_EQ(window.txtBFO->text(), "-010");
    EXPECT_EQ(raised(),
              (std::vector{tq::panel::PanelRequest::vscBFO, tq::panel::PanelRequest::vscRFG}));

    // An unchanged value is no move.
    window.requests().clear(tq::panel::PanelRequest::vscBFO);
    window.vscBFO->setValue(99);
    EXPECT_FALSE(window.requests().isRaised(tq::panel::PanelRequest::vscBFO));
}

TEST_F(UiPanel, SteppingButtonsReportBothMouseButtonsWithTheirIndex) {
    QSignalSpy vfoADown(&window, &frmTQ5820::vfoADigitDown);
    QSignalSpy vfoAUp(&window, &frmTQ5820::vfoADigitUp);
    QSignalSpy vfoBDown(&window, &frmTQ5820::vfoBDigitDown);
    QSignalSpy channelDown(&window, &frmTQ5820::channelDigitDown);
    QSignalSpy pttDown(&window, &frmTQ5820::pttDown);
    QSignalSpy pttUp(&window, &frmTQ5820::pttUp);

    QTest::mouseClick(window.cmdF[3], Qt::RightButton);
    QTest::mouseClick(window.cmdVFOB[6], Qt::LeftButton);
    QTest::mouseClick(window.cmdM[1], Qt::RightButton);
    QTest::mousePress(window.cmdPTT, Qt::LeftButton);
    EXPECT_EQ(pttUp.count(), 0);
    QTest::mouseRelease(window.cmdPTT, Qt::LeftButton);

    using Calls = QList<QList<QVariant>>;
    EXPECT_EQ(Calls(vfoADown), Calls({{3, StepButton::kRight}}));
    EXPECT_EQ(Calls(vfoAUp), Calls({{3, StepButton::kRight}}));
    EXPECT_EQ(Calls(vfoBDown), Calls({{6, StepButton::kLeft}}));
    EXPECT_EQ(Calls(channelDown), Calls({{1, StepButton::kRight}}));
    EXPECT_EQ(pttDown.count(), 1);
    EXPECT_EQ(pttUp.count(), 1);
    // Stepping buttons raise no request: their handlers run at once.
    EXPECT_TRUE(raised().empty());
}

}  // namespace
