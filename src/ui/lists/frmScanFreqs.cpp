#include "ui/lists/frmScanFreqs.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPalette>
#include <QVBoxLayout>
#include <algorithm>

#include "link/FailureReport.h"
#include "link/FileExists.h"
#include "link/IntegerValue.h"
#include "link/PortFailure.h"
#include "panel/ScanConversions.h"
#include "persist/PersistedFile.h"
#include "protocol/RadioCommands.h"
#include "protocol/RadioLink.h"
#include "ui/lists/ScanWindowPlacement.h"
#include "ui/main/ControlFactory.h"
#include "ui/main/WidgetColours.h"

namespace tq::ui {

namespace {

const QColor kLightGrey(224, 224, 224);
const QColor kScanningRed(255, 0, 0);

QLineEdit* makeEditBox(const QString& name, const QString& text = QString()) {
    auto* box = new QLineEdit(text);
    box->setObjectName(name);
    return box;
}

}  // namespace

frmScanFreqs::frmScanFreqs(panel::PanelContext panel, MainWindowPlace place)
    : m_panel(panel),
      m_place(place),
      m_link(panel.link),
      m_commands(panel.commands),
      m_tuning(panel.link, panel.display) {
    setObjectName(QStringLiteral("frmScanFreqs"));
    setWindowTitle(QStringLiteral("Scan Freq"));
    setWindowFlag(Qt::Window);
    // Only the form's own background: the text boxes keep their white.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kLightGrey);
    setPalette(palette);
    setAutoFillBackground(true);
    buildControls();
    connectControls();
    adjustSize();
    placeBesideBandFrame(*this, m_place);
    readFile();
}

void frmScanFreqs::buildControls() {
    fraBand = makeFrame(QStringLiteral("fraBand"), QStringLiteral("Freqs"));
    auto* rows = new QGridLayout(fraBand);
    for (int i = 0; i < kRows; ++i) {
        const auto k = static_cast<std::size_t>(i);
        Check1[k] = new QCheckBox;
        Check1[k]->setObjectName(elementName(QStringLiteral("Check1"), i));
        Check1[k]->setAutoFillBackground(true);
        txtFreq[k] = makeEditBox(elementName(QStringLiteral("txtFreq"), i));
        txtMode[k] = makeEditBox(elementName(QStringLiteral("txtMode"), i));
        txtInfo[k] = makeEditBox(elementName(QStringLiteral("txtInfo"), i));
        rows->addWidget(Check1[k], i, 0);
        rows->addWidget(txtFreq[k], i, 1);
        rows->addWidget(txtMode[k], i, 2);
        rows->addWidget(txtInfo[k], i, 3);
        setRowColour(i, kLightGrey);
    }
    rows->setColumnStretch(3, 1);

    cmdScan = makeButton(QStringLiteral("cmdScan"), QStringLiteral("Scan"));
    cmdStop = makeButton(QStringLiteral("cmdStop"), QStringLiteral("Stop"));
    cmdStop->hide();
    cmdWriteFile = makeButton(QStringLiteral("cmdWriteFile"), QStringLiteral("Write File"));
    txtDelay = makeEditBox(QStringLiteral("txtDelay"), QString::number(kOpeningDwell));
    lblDelay = makeLabel(QStringLiteral("lblDelay"), QStringLiteral("Delay Secs"));
    lblError = makeLabel(QStringLiteral("lblError"), QStringLiteral("Frequency Error"));
    setForeColour(lblError, kScanningRed);
    lblError->hide();

    auto* controls = new QHBoxLayout;
    controls->addWidget(cmdScan);
    controls->addWidget(cmdStop);
    controls->addWidget(cmdWriteFile);
    controls->addWidget(txtDelay);
    controls->addWidget(lblDelay);
    controls->addWidget(lblError);
    controls->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraBand);
    layout->addLayout(controls);
}

void frmScanFreqs::connectControls() {
    connect(cmdScan, &QPushButton::clicked, this, &frmScanFreqs::cmdScan_Click);
    connect(cmdStop, &QPushButton::clicked, this, &frmScanFreqs::cmdStop_Click);
    connect(cmdWriteFile, &QPushButton::clicked, this, &frmScanFreqs::cmdWriteFile_Click);
}

void frmScanFreqs::readFile() {
    if (!link::fileExists(persist::kScanFreqsFileName, m_panel.display)) {
        return;
    }
    const auto text = persist::readPersistedFile(persist::kScanFreqsFileName);
    if (!text) {
        return;  // fileExists has just opened it; the rows simply stay empty
    }
    const persist::ScanFreqsFile file = persist::parseScanFreqs(*text);
    for (std::size_t k = 0; k < file.rows.size(); ++k) {
        txtFreq[k]->setText(file.rows[k].freq);
        txtMode[k]->setText(file.rows[k].mode);
        txtInfo[k]->setText(file.rows[k].info);
    }
    if (file.dwell) {
        txtDelay->setText(*file.dwell);
    }
}

void frmScanFreqs::cmdWriteFile_Click() {
    persist::ScanFreqsFile::Rows rows;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        rows[k] = {txtFreq[k]->text(), txtMode[k]->text(), txtInfo[k]->text()};
    }
    const auto failure = persist::writePersistedFile(
        persist::kScanFreqsFileName, persist::formatScanFreqs(rows, txtDelay->text()));
    if (failure) {
        m_panel.display.ShowErrorInfo(failure->report(persist::kScanFreqsFileName));
    }
}

void frmScanFreqs::cmdScan_Click() {
    if (m_scanning) {
        return;
    }
    m_stopRequest = false;
    m_scanning = true;
    m_dwell = panel::dwellSeconds(txtDelay->text());
    cmdScan->hide();
    cmdStop->show();
    lblError->hide();
    for (int i = 0; i < kRows; ++i) {
        setRowColour(i, kLightGrey);
    }
    try {
        scan();
    } catch (const link::PortFailure& failure) {
        link::reportFailure(m_panel.display, QStringLiteral("cmdScan"), failure);
    }
    cmdScan->show();
    cmdStop->hide();
    txtDelay->setText(QString::number(m_dwell));
    m_scanning = false;
    // A radio taken to its own panel ends the scan and gives the operator
    // the main window back, which then shows the local panel.
    if (m_tuning.radioWentLocal()) {
        hide();
    }
}

void frmScanFreqs::scan() {
    for (;;) {
        m_link.gSendSync(tq::protocol::SyncCharacter::U);
        if (mustEnd()) {
            return;
        }
        if (link::integerValue(txtDelay->text()) < 1) {
            txtDelay->setText(QStringLiteral("1"));
        }
        m_dwell = panel::dwellSeconds(txtDelay->text());
        if (std::none_of(Check1.cbegin(), Check1.cend(),
                         [](const QCheckBox* box) { return box->isChecked(); })) {
            return;
        }
        for (int i = 0; i < kRows; ++i) {
            if (mustEnd()) {
                return;
            }
            if (Check1[static_cast<std::size_t>(i)]->isChecked() && !scanRow(i)) {
                return;
            }
        }
    }
}

bool frmScanFreqs::scanRow(int i) {
    const auto k = static_cast<std::size_t>(i);
    setRowColour(i, kScanningRed);
    // An empty or rejected row ends the scan with its box left red, so the
    // operator sees which row stopped it.
    if (txtFreq[k]->text().trimmed().isEmpty()) {
        return false;
    }
    const auto frequency = panel::scanFrequency(txtFreq[k]->text());
    if (!frequency) {
        lblError->show();
        return false;
    }
    m_panel.model.infoLine.set(txtInfo[k]->text());
    // The mode first: a mode change can report (and with some firmware
    // re-send) a frequency, and the tuning's reply should be the last word
    // on where the radio is.
    const QString mode = panel::scanModeCode(txtMode[k]->text());
    if (!mode.isEmpty() && m_link.state().ModeReply != mode) {
        m_commands.SelectMode(mode);
    }
    if (!m_tuning.tune(panel::frequencyCommand(*frequency), [this] { return mustEnd(); })) {
        return false;
    }
    if (!dwell()) {
        return false;
    }
    txtDelay->setText(QString::number(m_dwell));
    setRowColour(i, kLightGrey);
    return true;
}

bool frmScanFreqs::dwell() {
    link::Clock& clock = m_link.clock();
    double start = clock.now();
    for (;;) {
        const double elapsed = link::elapsedSince(clock, start);
        if (elapsed >= m_dwell) {
            return true;
        }
        txtDelay->setText(QString::number(static_cast<int>(elapsed)));
        clock.waitForEvents(0);
        if (mustEnd()) {
            return false;
        }
        // Keep-alive and reply wait together pace the loop: the wait returns
        // after the sync answer or after 0.8 s of silence.
        m_link.gSendSync(tq::protocol::SyncCharacter::U);
        m_link.AwaitRadioReply();
    }
}

bool frmScanFreqs::mustEnd() const {
    return m_stopRequest || m_tuning.radioWentLocal();
}

void frmScanFreqs::cmdStop_Click() {
    txtDelay->setText(QString::number(m_dwell));
    m_stopRequest = true;
}

void frmScanFreqs::idleTick() {
    if (m_scanning || isHidden()) {
        return;
    }
    if (m_tuning.radioWentLocalWhileIdle()) {
        hide();
    }
}

void frmScanFreqs::closeEvent(QCloseEvent* event) {
    // As Stop does; a running scan sees the request at its next check.
    if (m_scanning) {
        cmdStop_Click();
    }
    event->accept();
}

void frmScanFreqs::setRowColour(int i, const QColor& colour) {
    setBackColour(Check1[static_cast<std::size_t>(i)], colour);
}

}  // namespace tq::ui
