// frmBandSelect against the simulated radio in virtual time. (The program's
// own test sees the keep-alive while the window is open.)
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "panel/PanelColours.h"
#include "persist/ReadOnlyDirectory.h"
#include "support/CurrentDirectory.h"
#include "support/PanelFixture.h"
#include "support/QStringPrinter.h"
#include "ui/lists/frmBandSelect.h"
#include "ui/main/WidgetColours.h"
#include "ui/main/frmTQ5820.h"

namespace tq::ui {
namespace {

using sim::Setting;

class BandSelectWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_current = std::make_unique<link::CurrentDirectory>(m_dir.path());
        QFile file(QStringLiteral("M40List.txt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("7.150 lsb Net control\r\n\r\n7.074 USB FT8\r\n14.2\r\n");
    }

    frmBandSelect& open(const char* band) {
        m_list = std::make_unique<frmBandSelect>(QString::fromLatin1(band), f.panel.context(),
                                                 f.window().place());
        return *m_list;
    }

    QTemporaryDir m_dir;
    std::unique_ptr<link::CurrentDirectory> m_current;
    test::PanelFixture f;
    std::unique_ptr<frmBandSelect> m_list;
};

TEST_F(BandSelectWindowTest, OpensOnTheBandsFileWithTheRadiosFrequencyInTheLastRow) {
    frmBandSelect& list = open("40");
    EXPECT_EQ(list.windowTitle(), QDir::toNativeSeparators(m_dir.path()) + "M40List.txt");
    EXPECT_EQ(list.txtInfo[0]->text(), "Net control");
    list.cmdSort->click();
    EXPECT_EQ(list.txtFreq[0]->text(), "7.074");

    frmBandSelect& wwv = open("WWV");
    EXPECT_EQ(wwv.windowTitle(), "Frequency Select") << "no WWVList.txt";
    EXPECT_TRUE(wwv.txtFreq[0]->text().isEmpty());
    EXPECT_EQ(wwv.txtFreq[13]->text(), "14.20000");
}

TEST_F(BandSelectWindowTest, RowWithoutModeWordKeepsTheModeAndAnEmptyRowSendsNothing) {
    frmBandSelect& list = open("40");
    list.Option1[0]->click();
    ASSERT_EQ(f.setting(Setting::Mode), 2);
    list.Option1[3]->click();
    EXPECT_EQ(f.setting(Setting::Frequency), 1420000);
    EXPECT_EQ(f.setting(Setting::Mode), 2);
    EXPECT_TRUE(f.model().infoLine().isEmpty());
    f.port.clearWritten();
    list.Option1[1]->click();
    EXPECT_TRUE(f.port.written().isEmpty());
}

TEST_F(BandSelectWindowTest, FrequencyOutsideTheRadiosRangeShowsTheErrorAndSendsNothing) {
    frmBandSelect& list = open("40");
    for (const char* bad : {"1.5", "30.0", "14.2000001", "USB"}) {
        list.txtFreq[0]->setText(QString::fromLatin1(bad));
        f.port.clearWritten();
        list.Option1[0]->click();
        EXPECT_TRUE(f.port.written().isEmpty()) << bad;
        EXPECT_FALSE(list.Option1[0]->isChecked()) << bad;
        EXPECT_FALSE(list.lblError->isHidden()) << bad;
    }
    EXPECT_EQ(foreColour(list.txtFreq[0]), QColor(tq::panel::kRed));
    EXPECT_EQ(foreColour(list.lblError), QColor(tq::panel::kRed));
    EXPECT_FALSE(list.cmdGetFreq->isEnabled() || list.cmdSort->isEnabled() ||
                 list.cmdWriteFile->isEnabled());
    list.txtFreq[2]->setText(QStringLiteral("1.6"));
    list.Option1[2]->click();
    EXPECT_EQ(f.setting(Setting::Frequency), 160000);
    EXPECT_TRUE(list.lblError->isHidden());
    EXPECT_TRUE(list.cmdWriteFile->isEnabled());
}

TEST_F(BandSelectWindowTest, WriteFileAndAFailedWriteOrPortReportedOnTheMainWindow) {
    frmBandSelect& list = open("40");
    list.cmdWriteFile->click();
    QFile file(QStringLiteral("M40List.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    EXPECT_TRUE(written.startsWith("7.150 lsb Net control\r\n  \r\n7.074 USB FT8\r\n"));
    EXPECT_TRUE(written.endsWith("  \r\n14.20000 USB \r\n"));
    EXPECT_EQ(written.count("\r\n"), 14);

    list.txtInfo[0]->setText(QStringLiteral("changed"));
    {
        test::ReadOnlyDirectory readOnly(m_dir.path());
        list.cmdWriteFile->click();
    }
    EXPECT_EQ(f.model().info(), "M40List.txt: Err 13. Permission denied");
    file.seek(0);
    EXPECT_EQ(file.readAll(), written);

    // A radio port lost under the open list: a row says so.
    f.port.unplug();
    list.Option1[0]->click();
    EXPECT_TRUE(f.model().info().startsWith("Option1_Click: Err "))
        << f.model().info().toStdString();
}

}  // namespace
}  // namespace tq::ui
