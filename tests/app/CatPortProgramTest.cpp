// The CAT port in the whole program, in virtual time: left closed at start-up
// when it is missing, re-opened from Setup > CAT Setup after Apply only.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

#include "ProgramHarness.h"
#include "support/PanelLookup.h"

using tq::test::ProgramHarness;

namespace {

bool inMainLoop(ProgramHarness& h) {
    return h.program->model().controlMode() == tq::panel::ControlMode::Remote &&
           h.formLoad->stage() == tq::app::Stage::MainLoop;
}

QStringList catLog(ProgramHarness& h, const QString& prefix) {
    return h.catPort.log().filter(QRegularExpression(QStringLiteral("^") + prefix));
}

class CatPort : public ::testing::Test {
protected:
    CatPort() {
        h.writeFile(QStringLiteral("CATSetup.txt"),
                    QStringLiteral("2\r\n4800 ,N, 8, 1\r\ncomRTS\r\nElecraft\r\n"));
    }
    ProgramHarness h;
};

TEST_F(CatPort, MissingPortLeavesTheProgramWithoutCat) {
    h.writeFile(QStringLiteral("CATSetup.txt"),
                QStringLiteral("COM2\r\n9600,N,8,1\r\ncomNone\r\nKenwood\r\n"));
    ASSERT_TRUE(h.runUntil([&] { return inMainLoop(h); }));
    EXPECT_FALSE(h.catPort.isOpen());
    EXPECT_EQ(tq::test::control<QLineEdit>(*h.program->window, QStringLiteral("txtInCat"))->text(),
              QStringLiteral("No CAT Port"));
    EXPECT_EQ(tq::test::control<QLineEdit>(*h.program->window, QStringLiteral("txtOutCAT"))->text(),
              QStringLiteral("No CAT Port"));
}

TEST_F(CatPort, SetupMenuReopensThePortAfterApplyOnly) {
    ASSERT_TRUE(h.runUntil([&] { return inMainLoop(h); }));
    const auto dialog = [] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == u"frmCATSetup" && widget->isVisible()) {
                return widget;
            }
        }
        return static_cast<QWidget*>(nullptr);
    };
    h.catPort.clearLog();
    for (const char* button : {"cmdCancel", "cmdApply"}) {
        h.clock.schedule(0.1, [&] {
            tq::test::control<QAction>(*h.program->window, QStringLiteral("mnuCATSetup"))
                ->trigger();
        });
        h.clock.schedule(0.5, [&, button] {
            QWidget* form = dialog();
            ASSERT_NE(form, nullptr);
            form->findChild<QComboBox*>(QStringLiteral("cmbBits"))->setCurrentIndex(2);
            form->findChild<QPushButton*>(QString::fromLatin1(button))->click();
        });
        h.runFor(2.0);
        EXPECT_EQ(dialog(), nullptr);
        EXPECT_FALSE(h.program->flags.CatPortChanged);
    }
    // Cancel left the port alone; Apply re-opened it with the new settings.
    const QStringList opens = catLog(h, QStringLiteral("open"));
    ASSERT_EQ(opens.size(), 1);
    EXPECT_TRUE(opens[0].contains(QStringLiteral("settings=4800 ,E, 7, 1")))
        << opens[0].toStdString();
    EXPECT_EQ(h.program->catSetup.CatPortSettings, QStringLiteral("4800 ,E, 7, 1"));
}

}  // namespace
