// The main window as a view of the panel model.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <utility>

#include "panel/PanelColours.h"
#include "panel/PanelNames.h"
#include "support/PanelLookup.h"
#include "support/QStringPrinter.h"
#include "support/RecordingPanelActions.h"
#include "support/WidgetApplication.h"
#include "ui/main/WidgetColours.h"
#include "ui/main/frmTQ5820.h"

namespace tq::test {
namespace {

using namespace tq::panel;

/// Whether the panel used a key is the test's to say.
struct KeyActions : RecordingPanelActions {
    bool key(int qtKey) override {
        RecordingPanelActions::key(qtKey);
        return keyUsed;
    }
    bool keyUsed = false;
};

struct PanelViewTest : WidgetTest {
    PanelViewTest() {
        window.show();
        QApplication::setActiveWindow(&window);
    }
    QWidget* find(const QString& name) {
        QWidget* found = control(window, name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QStringList take() { return std::exchange(actions.calls, {}); }

    PanelModel model;
    KeyActions actions;
    ui::frmTQ5820 window{model, actions};
};

TEST_F(PanelViewTest, PaintsTheModelOnItsControls) {
    // What a control shows: its text, colour, and checked, disabled, hidden.
    const auto shown = [this](const char* name) {
        QWidget* w = find(QLatin1String(name));
        const auto* box = qobject_cast<QComboBox*>(w);
        const auto* button = qobject_cast<QAbstractButton*>(w);
        return QStringList{box ? box->currentText() : w->property("text").toString(),
                           ui::backColour(w).name(), button && button->isChecked() ? "checked" : "",
                           w->isEnabled() ? "" : "disabled", w->isHidden() ? "hidden" : ""};
    };
    using M = PanelModel;
    const std::tuple<void (*)(M&), const char*, const char*> rows[] = {
        {[](M& m) { m.vfoA.set(QStringLiteral("1420500")); }, "cmdF_4", "5"},
        {[](M& m) { m.mode.set(Mode::Lsb); }, "cmbMode", "LSB"},
        {[](M& m) { m.bandIndicator.set(BandIndicator::OutOfBand); }, "lblInBand", "Out Of Band"},
        {[](M& m) { m.bandIndicatorColour.set(Colour::Red); }, "lblInBand", "#ff0000"},
        {[](M& m) { m.xmitActive.set(true); }, "cmdXmit", "&XMT OFF"},
        {[](M& m) { m.meterChecked.set(3); }, "optMeter_3", "checked"},
        {[](M& m) { m.setEnabled(Control::cmdTune, false); }, "cmdTune", "disabled"},
        {[](M& m) { m.setVisible(Control::txtInData, false); }, "txtInData", "hidden"}};
    for (const auto& [set, name, expected] : rows) {
        EXPECT_FALSE(shown(name).contains(QLatin1String(expected))) << name << " already";
        set(model);
        EXPECT_TRUE(shown(name).contains(QLatin1String(expected))) << name << " " << expected;
    }
    model.meterChecked.set(std::nullopt);
    EXPECT_FALSE(shown("optMeter_3").contains("checked")) << "no meter named: none checked";
    EXPECT_TRUE(take().isEmpty()) << "the model setting a box is no choice of the operator's";
    model.panelEnabled.set(false);
    EXPECT_FALSE(window.isEnabled());
}

TEST_F(PanelViewTest, TurnsClicksChoicesHoldsAndKeysIntoActions) {
    QTest::mouseClick(find(QStringLiteral("cmdSwap")), Qt::LeftButton);
    qobject_cast<QRadioButton*>(find(QStringLiteral("optMeter_4")))->click();
    emit qobject_cast<QComboBox*>(find(QStringLiteral("cmbSource")))->activated(3);
    EXPECT_EQ(take(), QStringList({QStringLiteral("click %1").arg(int(PanelRequest::cmdSwap)),
                                   "meter 4", "source REMOTE"}));

    // Each stepping control reports its index and the mouse button's code.
    for (const auto& [name, stepper, index] :
         {std::tuple{"cmdF_3", "vfoA", 3}, std::tuple{"cmdVFOB_6", "vfoB", 6},
          std::tuple{"cmdM_1", "channel", 1}, std::tuple{"cmdPTT", "ptt", 0}}) {
        for (const auto& [mouse, code] :
             {std::pair{Qt::LeftButton, kLeftButton}, std::pair{Qt::RightButton, kRightButton},
              std::pair{Qt::MiddleButton, kMiddleButton}}) {
            QTest::mousePress(find(QLatin1String(name)), mouse);
            QTest::mouseRelease(find(QLatin1String(name)), mouse);
            const QString where = QStringLiteral("%1 %2 %3").arg(stepper).arg(index).arg(code);
            EXPECT_EQ(take(), QStringList({"press " + where, "release " + where})) << name;
        }
    }

    // A key goes to the panel first, whatever has the focus; only a key the
    // panel leaves reaches the control.
    QWidget* mode = find(QStringLiteral("cmbMode"));
    mode->setFocus();
    QTest::keyClick(mode, Qt::Key_Down);
    actions.keyUsed = true;
    QTest::keyClick(mode, Qt::Key_I);
    EXPECT_EQ(take(), QStringList({QStringLiteral("key %1").arg(Qt::Key_Down), "mode USB",
                                   QStringLiteral("key %1").arg(Qt::Key_I)}));
}

}  // namespace
}  // namespace tq::test
