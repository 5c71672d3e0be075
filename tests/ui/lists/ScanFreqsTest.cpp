// The frequency-list scan window and ScanFreqs.txt against the simulated
// radio, in virtual time, in a data directory of its own.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "persist/ReadOnlyDirectory.h"
#include "support/CurrentDirectory.h"
#include "support/PanelFixture.h"
#include "support/QStringPrinter.h"
#include "ui/lists/frmScanFreqs.h"
#include "ui/main/ModalWindow.h"
#include "ui/main/WidgetColours.h"
#include "ui/main/frmTQ5820.h"

namespace tq::ui {
namespace {

const QColor kRed(255, 0, 0);
const QColor kGrey(224, 224, 224);

class ScanFreqs : public ::testing::Test {
protected:
    explicit ScanFreqs(sim::Firmware firmware = sim::Firmware::V604NonAdapt)
        : f(test::PanelFixture::radio(firmware)), data(dir.path()) {}

    void open() {
        scan = std::make_unique<frmScanFreqs>(f.panel.context(), f.window().place());
        scan->show();
    }
    void setRow(int i, const QString& freq, const QString& mode, const QString& info,
                bool ticked = true) {
        const auto k = static_cast<std::size_t>(i);
        scan->txtFreq[k]->setText(freq);
        scan->txtMode[k]->setText(mode);
        scan->txtInfo[k]->setText(info);
        scan->Check1[k]->setChecked(ticked);
    }
    /// Clicks Scan and has Stop clicked once `count` frequencies went out.
    void scanUntil(int count) {
        f.once([this, count] { return f.sentFrequencies().size() >= count; },
               [this] { f.at(0.5, [this] { scan->cmdStop->click(); }); });
        scan->cmdScan->click();
    }
    QByteArray readFile() {
        QFile file(dir.filePath(tq::persist::kScanFreqsFileName));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QColor rowColour(int i) { return backColour(scan->Check1[static_cast<std::size_t>(i)]); }

    test::PanelFixture f;
    QTemporaryDir dir;
    link::CurrentDirectory data;
    std::unique_ptr<frmScanFreqs> scan;
};

TEST_F(ScanFreqs, TickedRowsTakeTurnsForTheDwellTimeCountingTheSeconds) {
    open();
    setRow(2, "7.150", "LSB", "Net A");
    setRow(3, "3.6", "CW", "not ticked", false);
    setRow(5, "14.200", "USB", "Net B");
    QStringList counted;
    QObject::connect(scan->txtDelay, &QLineEdit::textChanged, [&](const QString& text) {
        if (counted.isEmpty() || counted.last() != text)
            counted << text;
    });
    scanUntil(3);
    EXPECT_EQ(f.sentFrequencies(), (QStringList{"F0715000", "F1420000", "F0715000"}));
    EXPECT_EQ(counted.mid(0, 5), (QStringList{"0", "1", "2", "3", "0"}));
    EXPECT_EQ(f.model().infoLine(), "Net A");
    // Stopped in its dwell: the row being scanned stays marked.
    EXPECT_EQ(rowColour(2), kRed);
    EXPECT_EQ(rowColour(5), kGrey);
    EXPECT_FALSE(scan->cmdScan->isHidden());
    EXPECT_TRUE(scan->cmdStop->isHidden());
}

class ScanFreqsAdapt : public ScanFreqs {
protected:
    ScanFreqsAdapt() : ScanFreqs(sim::Firmware::V604Adapt) {}
};

TEST_F(ScanFreqsAdapt, ModeWordAmSetsAmBeforeTheFrequency) {
    f.tuneRadio("1420000");
    open();
    setRow(0, "7.150", "am", "");
    scanUntil(1);
    const QStringList sent = f.sent();
    EXPECT_LT(sent.indexOf("M3"), sent.indexOf("F0715000"));
    EXPECT_EQ(f.setting(sim::Setting::Mode), 3);
}

TEST_F(ScanFreqs, UntickingEveryRowEndsTheScanAtTheNextPass) {
    open();
    setRow(0, "7.150", "", "");
    setRow(1, "7.160", "", "");
    scan->txtDelay->setText("0");  // taken as 1 s
    qsizetype tunedInTwoSeconds = 0;
    f.at(2.0, [&] { tunedInTwoSeconds = f.sentFrequencies().size(); });
    f.once([this] { return f.sentFrequencies().size() == 3; },
           [this] {
               for (QCheckBox* box : scan->Check1)
                   box->setChecked(false);
           });
    scan->cmdScan->click();  // returns only when the scan has ended
    EXPECT_EQ(f.sentFrequencies(), (QStringList{"F0715000", "F0716000", "F0715000"}));
    EXPECT_EQ(tunedInTwoSeconds, 2);
    EXPECT_EQ(scan->txtDelay->text(), "1");
    EXPECT_FALSE(scan->scanning());
}

TEST_F(ScanFreqs, RejectedOrEmptyTickedRowEndsTheScanOnThatRow) {
    open();
    setRow(0, "7.150", "", "");
    // An empty row ends the scan too, but without the error label.
    for (const auto& [text, error] :
         {std::pair{"30.0", true}, {"abc", true}, {"7.1234567", true}, {"", false}}) {
        SCOPED_TRACE(text);
        setRow(1, QString::fromLatin1(text), "", "");
        f.port.clearWritten();
        scan->cmdScan->click();  // ends by itself on row 1
        EXPECT_EQ(f.sentFrequencies(), QStringList{"F0715000"});
        EXPECT_EQ(scan->lblError->isHidden(), !error);
        EXPECT_EQ(rowColour(1), kRed);
        EXPECT_EQ(rowColour(0), kGrey);
    }
}

TEST_F(ScanFreqs, CloseDuringADwellEndsTheScanAtOnce) {
    open();
    setRow(0, "7.150", "", "");
    scan->txtDelay->setText("30");
    f.at(0.05, [this] { scan->cmdScan->click(); });
    f.at(5.0, [this] { scan->close(); });
    const double started = f.clock.elapsedTotal();
    runModalWindow(*scan, f.model(), f.clock, {0.5, [this] { scan->idleTick(); }});
    EXPECT_LT(f.clock.elapsedTotal() - started, 6.0);
    EXPECT_FALSE(scan->scanning());
    EXPECT_EQ(scan->txtDelay->text(), "30");
    EXPECT_TRUE(f.model().panelEnabled());
}

TEST_F(ScanFreqs, APortThatFailsDuringTheScanIsReportedAndEndsIt) {
    open();
    setRow(0, "7.150", "", "");
    f.port.close();
    scan->cmdScan->click();
    EXPECT_TRUE(f.model().info().startsWith("cmdScan: Err ")) << f.model().info().toStdString();
    EXPECT_FALSE(scan->scanning());
    EXPECT_FALSE(scan->cmdScan->isHidden());
}

TEST_F(ScanFreqs, WritesFourteenLinesAndReportsAFailedWriteLeavingTheFileWhole) {
    open();
    EXPECT_EQ(scan->txtDelay->text(), "3");
    scan->cmdWriteFile->click();
    const QByteArray blank = QByteArray("  \r\n").repeated(13) + "3\r\n";
    EXPECT_EQ(readFile(), blank);

    setRow(1, "7.150", "CW", "QRP");
    {
        test::ReadOnlyDirectory readOnly(dir.path());
        scan->cmdWriteFile->click();
    }
    EXPECT_EQ(f.model().info(), "ScanFreqs.txt: Err 13. Permission denied");
    EXPECT_TRUE(f.model().visible(tq::panel::Control::txtInfo));
    EXPECT_EQ(readFile(), blank);

    scan->cmdWriteFile->click();
    EXPECT_TRUE(readFile().startsWith("  \r\n7.150 CW QRP\r\n  \r\n"));
}

}  // namespace
}  // namespace tq::ui
