// The frequency-list scan window against the simulated radio in virtual time.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "persist/ReadOnlyDirectory.h"
#include "support/CurrentDirectory.h"
#include "support/PanelFixture.h"
#include "support/QStringPrinter.h"
#include "ui/lists/frmScanFreqs.h"
#include "ui/main/WidgetColours.h"
#include "ui/main/frmTQ5820.h"

namespace tq::ui {
namespace {

const QColor kRed(255, 0, 0);
const QColor kGrey(224, 224, 224);

class ScanFreqs : public ::testing::Test {
protected:
    ScanFreqs() : f(test::PanelFixture::radio(sim::Firmware::V604NonAdapt)), data(dir.path()) {
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
    setRow(2, "7.150", "LSB", "Net A");
    setRow(3, "3.6", "CW", "not ticked", false);
    setRow(5, "14.200", "USB", "Net B");
    QStringList counted;
    QObject::connect(scan->txtDelay, &QLineEdit::textChanged, [&](const QString& text) {
        if (counted.isEmpty() || counted.last() != text)
            counted << text;
    });
    f.once([this] { return f.sentFrequencies().size() >= 3; },
           [this] { f.at(0.5, [this] { scan->cmdStop->click(); }); });
    scan->cmdScan->click();
    EXPECT_EQ(f.sentFrequencies(), (QStringList{"F0715000", "F1420000", "F0715000"}));
    EXPECT_EQ(counted.mid(0, 5), (QStringList{"0", "1", "2", "3", "0"}));
    EXPECT_EQ(f.model().infoLine(), "Net A");
    // Stopped in its dwell: the row being scanned stays marked.
    EXPECT_EQ(rowColour(2), kRed);
    EXPECT_EQ(rowColour(5), kGrey);
}

TEST_F(ScanFreqs, RejectedOrEmptyTickedRowEndsTheScanOnThatRow) {
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

TEST_F(ScanFreqs, WritesFourteenLinesAndReportsAFailedWriteLeavingTheFileWhole) {
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
    EXPECT_EQ(readFile(), blank);

    scan->cmdWriteFile->click();
    EXPECT_TRUE(readFile().startsWith("  \r\n7.150 CW QRP\r\n  \r\n"));
}

}  // namespace
}  // namespace tq::ui
