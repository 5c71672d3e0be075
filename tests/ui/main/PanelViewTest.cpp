// The main window as a view of the panel model: it paints what the model
// holds and turns the operator's input into the panel's actions.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QTest>
#include <QTimer>

#include "link/QStringPrinter.h"
#include "panel/PanelColours.h"
#include "support/PanelLookup.h"
#include "support/RecordingPanelActions.h"
#include "support/WidgetApplication.h"
#include "ui/main/WidgetColours.h"
#include "ui/main/frmTQ5820.h"

namespace tq::test {
namespace {

using namespace tq::panel;
using Call = RecordingPanelActions::Call;

struct PanelViewTest : WidgetTest {
    PanelViewTest() {
        window.show();
        QApplication::setActiveWindow(&window);
    }
    template <typename Control = QWidget>
    Control* find(const char* name) {
        Control* found = control<Control>(window, QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString text(const char* name) { return find<QAbstractButton>(name)->text(); }

    PanelModel model;
    RecordingPanelActions actions;
    ui::frmTQ5820 window{model, actions};
};

TEST_F(PanelViewTest, PaintsTheModelOnItsControls) {
    model.vfoA.set(QStringLiteral("1420500"));
    model.mode.set(Mode::Lsb);
    model.bandIndicator.set(BandIndicator::OutOfBand);
    model.bandIndicatorColour.set(Colour::Red);
    model.xmitActive.set(true);
    model.meterChecked.set(3);
    model.setEnabled(Control::cmdTune, false);
    model.setVisible(Control::txtInData, false);

    QString digits;
    for (int i = 0; i < PanelModel::kDigits; ++i) {
        digits += text(qPrintable(QStringLiteral("cmdF_%1").arg(i)));
    }
    EXPECT_EQ(digits, "1420500");
    EXPECT_EQ(find<QComboBox>("cmbMode")->currentText(), "LSB");
    EXPECT_EQ(find<QLabel>("lblInBand")->text(), "Out Of Band");
    EXPECT_EQ(ui::backColour(find("lblInBand")), QColor(kRed));
    EXPECT_EQ(text("cmdXmit"), "&XMT OFF");
    EXPECT_TRUE(find<QRadioButton>("optMeter_3")->isChecked());
    EXPECT_FALSE(find("cmdTune")->isEnabled());
    EXPECT_TRUE(find("txtInData")->isHidden());
    // The model setting a box is no choice of the operator's.
    EXPECT_TRUE(actions.take().empty());

    model.meterChecked.set(std::nullopt);
    EXPECT_FALSE(find<QRadioButton>("optMeter_3")->isChecked());
    model.panelEnabled.set(false);
    EXPECT_FALSE(window.isEnabled());
}

TEST_F(PanelViewTest, LampColourReachesTheWidgetOnlyWhenTheProgramWaits) {
    QWidget* lamp = find("shaTrace");
    for (const auto& [state, colour] : {std::pair{protocol::Lamp::Sending, QColor(kRed)},
                                        std::pair{protocol::Lamp::Awaiting, QColor(kGreen)},
                                        std::pair{protocol::Lamp::Idle, ui::greyTextColour()}}) {
        const QColor before = ui::backColour(lamp);
        model.lamp.set(state);
        EXPECT_EQ(ui::backColour(lamp), before);
        QEventLoop wait;
        QTimer::singleShot(1, &wait, &QEventLoop::quit);
        wait.exec();
        EXPECT_EQ(ui::backColour(lamp), colour);
    }
}

TEST_F(PanelViewTest, TurnsClicksChoicesHoldsAndKeysIntoActions) {
    QTest::mouseClick(find("cmdSwap"), Qt::LeftButton);
    find<QRadioButton>("optMeter_4")->click();
    emit find<QComboBox>("cmbSource")->activated(3);
    EXPECT_EQ(actions.take(),
              (std::vector<Call>{Call::click(PanelRequest::cmdSwap), Call::of(Call::Meter, 4),
                                 Call::of(Call::Source, Source::Remote)}));

    // Each stepping control reports its index and the mouse button's code.
    struct Row {
        const char* name;
        Stepper stepper;
        int index;
    };
    for (const Row& row : {Row{"cmdF_3", Stepper::VfoA, 3}, Row{"cmdVFOB_6", Stepper::VfoB, 6},
                           Row{"cmdM_1", Stepper::Channel, 1}, Row{"cmdPTT", Stepper::Ptt, 0}}) {
        for (const auto& [mouse, code] :
             {std::pair{Qt::LeftButton, kLeftButton}, std::pair{Qt::RightButton, kRightButton},
              std::pair{Qt::MiddleButton, kMiddleButton}}) {
            QTest::mousePress(find(row.name), mouse);
            QTest::mouseRelease(find(row.name), mouse);
            EXPECT_EQ(actions.take(), (std::vector{Call::press(row.stepper, row.index, code),
                                                   Call::release(row.stepper, row.index, code)}))
                << row.name << " " << code;
        }
    }

    // A key goes to the panel first, whatever has the focus; a key the panel
    // leaves reaches the control.
    find("cmbMode")->setFocus();
    QTest::keyClick(find("cmbMode"), Qt::Key_Down);
    actions.keyUsed = true;
    QTest::keyClick(find("cmbMode"), Qt::Key_I);
    EXPECT_EQ(actions.take(),
              (std::vector<Call>{Call::of(Call::Key, Qt::Key_Down), Call::of(Call::Mode, Mode::Usb),
                                 Call::of(Call::Key, Qt::Key_I)}));
}

TEST_F(PanelViewTest, SliderMoveThePanelRefusesGoesBackToTheModelsValue) {
    model.setEnabled(Control::vscRFG, true);
    auto* slider = find<QSlider>("vscRFG");
    slider->setValue(40);
    EXPECT_EQ(actions.take().front(), Call::of(Call::RfGain, 40));
    EXPECT_EQ(slider->value(), kRfgTop);
    EXPECT_EQ(find<QLineEdit>("txtRFG")->text(), "100");
}

}  // namespace
}  // namespace tq::test
