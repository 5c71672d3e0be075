#include "ui/lists/frmScanBands.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "link/FailureReport.h"
#include "link/Pause.h"
#include "link/PortFailure.h"
#include "panel/ScanConversions.h"
#include "protocol/RadioLink.h"
#include "ui/lists/ScanWindowPlacement.h"
#include "ui/main/ControlFactory.h"
#include "ui/main/WidgetColours.h"

namespace tq::ui {

namespace {

struct StepOption {
    const char* caption;
    int step;  // 10 Hz units
};
constexpr std::array<StepOption, frmScanBands::kStepCount> kSteps{{
    {"10Hz", 1},
    {"50Hz", 5},
    {"100Hz", 10},
    {"500Hz", 50},
    {"1KHz", 100},
}};
constexpr int kOpeningStepIndex = 2;

struct DwellOption {
    const char* caption;
    double seconds;
};
constexpr std::array<DwellOption, frmScanBands::kDwellCount> kDwells{{
    {"Fast Scan", 0.5},
    {"Slow Scan", 1.5},
}};

struct BandLimits {
    QPushButton* frmScanBands::*button;
    const char* name;
    const char* caption;
    const char* low;
    const char* high;
};
// The 30 m caption carries a trailing blank, as the operators know it.
const std::array<BandLimits, frmScanBands::kBandCount> kBands{{
    {&frmScanBands::cmd160M, "cmd160M", "160", "1.800", "2.000"},
    {&frmScanBands::cmd75M, "cmd75M", "75", "3.500", "4.000"},
    {&frmScanBands::cmd40M, "cmd40M", "40", "7.000", "7.300"},
    {&frmScanBands::cmd30M, "cmd30M", "30 ", "10.100", "10.150"},
    {&frmScanBands::cmd20M, "cmd20M", "20", "14.00", "14.350"},
    {&frmScanBands::cmd17M, "cmd17M", "17", "18.068", "18.168"},
    {&frmScanBands::cmd15M, "cmd15M", "15", "21.000", "21.450"},
    {&frmScanBands::cmd12M, "cmd12M", "12", "24.890", "24.990"},
    {&frmScanBands::cmd10M, "cmd10M", "10", "28.000", "29.700"},
}};

const QColor kErrorRed(255, 0, 0);

// The window covers the main window's band frame and should not reach far
// beyond it: narrow boxes and band buttons.
constexpr int kLimitBoxWidth = 80;
constexpr int kFrequencyBoxWidth = 100;
constexpr int kBandButtonWidth = 36;

QLineEdit* makeEditBox(const QString& name) {
    auto* box = new QLineEdit;
    box->setObjectName(name);
    return box;
}

QRadioButton* makeOption(const QString& name, const QString& caption) {
    auto* option = new QRadioButton(caption);
    option->setObjectName(name);
    return option;
}

}  // namespace

frmScanBands::frmScanBands(panel::PanelContext panel, MainWindowPlace place)
    : m_panel(panel),
      m_place(place),
      m_link(panel.link),
      m_tuning(panel.link, panel.display),
      m_beep([] { QApplication::beep(); }) {
    setObjectName(QStringLiteral("frmScanBands"));
    setWindowTitle(QStringLiteral("Scan Bands"));
    setWindowFlag(Qt::Window);
    buildControls();
    connectControls();
    adjustSize();
    placeBesideBandFrame(*this, m_place);

    // The sweep reports in the information box, and the note label would
    // show a band list's note that no longer fits the frequency.
    panel::PanelModel& model = m_panel.model;
    m_savedLblInfoVisible = model.visible(panel::Control::lblInfo);
    model.setVisible(panel::Control::lblInfo, false);
    m_savedTxtInfoVisible = model.visible(panel::Control::txtInfo);
    model.setVisible(panel::Control::txtInfo, true);
    try {
        bool inBand = false;
        m_panel.display.ApplyBandLimits(inBand);
    } catch (const link::PortFailure& failure) {
        link::reportFailure(m_panel.display, QStringLiteral("frmScanBands"), failure);
    }
}

void frmScanBands::buildControls() {
    txtFreq = makeEditBox(QStringLiteral("txtFreq"));
    txtFreq->setReadOnly(true);
    txtScanLow = makeEditBox(QStringLiteral("txtScanLow"));
    txtScanHi = makeEditBox(QStringLiteral("txtScanHi"));
    Label1 = makeLabel(QStringLiteral("Label1"), QStringLiteral("Lower"));
    Label2 = makeLabel(QStringLiteral("Label2"), QStringLiteral("Upper Limit"));
    for (std::size_t i = 0; i < Label3.size(); ++i) {
        Label3[i] = makeLabel(elementName(QStringLiteral("Label3"), static_cast<int>(i)),
                              QStringLiteral("MHz"));
    }
    cmdScanUp = makeButton(QStringLiteral("cmdScanUp"), QStringLiteral("Scan"));
    cmdStop = makeButton(QStringLiteral("cmdStop"), QStringLiteral("Stop"));
    cmdPauseCont = makeButton(QStringLiteral("cmdPauseCont"), QStringLiteral("Pause"));

    Frame1 = makeFrame(QStringLiteral("Frame1"), QString());
    auto* steps = new QVBoxLayout(Frame1);
    for (std::size_t i = 0; i < Option1.size(); ++i) {
        Option1[i] = makeOption(elementName(QStringLiteral("Option1"), static_cast<int>(i)),
                                QString::fromLatin1(kSteps[i].caption));
        steps->addWidget(Option1[i]);
    }
    Option1[kOpeningStepIndex]->setChecked(true);
    Frame2 = makeFrame(QStringLiteral("Frame2"), QString());
    auto* dwells = new QVBoxLayout(Frame2);
    for (std::size_t i = 0; i < Option2.size(); ++i) {
        Option2[i] = makeOption(elementName(QStringLiteral("Option2"), static_cast<int>(i)),
                                QString::fromLatin1(kDwells[i].caption));
        dwells->addWidget(Option2[i]);
    }
    Option2[0]->setChecked(true);

    auto* bands = new QHBoxLayout;
    for (const BandLimits& band : kBands) {
        QPushButton* button =
            makeButton(QString::fromLatin1(band.name), QString::fromLatin1(band.caption));
        button->setMaximumWidth(kBandButtonWidth);
        this->*band.button = button;
        bands->addWidget(button);
    }

    txtFreq->setMaximumWidth(kFrequencyBoxWidth);
    txtScanLow->setMaximumWidth(kLimitBoxWidth);
    txtScanHi->setMaximumWidth(kLimitBoxWidth);

    auto* grid = new QGridLayout(this);
    grid->addWidget(txtFreq, 0, 0, 1, 3);
    grid->addWidget(Label1, 1, 0);
    grid->addWidget(txtScanLow, 1, 1);
    grid->addWidget(Label3[0], 1, 2);
    grid->addWidget(Label2, 2, 0);
    grid->addWidget(txtScanHi, 2, 1);
    grid->addWidget(Label3[1], 2, 2);
    grid->addWidget(Frame1, 0, 3, 4, 1);
    grid->addWidget(Frame2, 0, 4, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdScanUp);
    buttons->addWidget(cmdPauseCont);
    buttons->addWidget(cmdStop);
    grid->addLayout(buttons, 3, 0, 1, 3);
    grid->addLayout(bands, 4, 0, 1, 5);
}

void frmScanBands::connectControls() {
    connect(cmdScanUp, &QPushButton::clicked, this, &frmScanBands::cmdScanUp_Click);
    connect(cmdStop, &QPushButton::clicked, this, &frmScanBands::cmdStop_Click);
    connect(cmdPauseCont, &QPushButton::clicked, this, &frmScanBands::cmdPauseCont_Click);
    for (std::size_t i = 0; i < Option1.size(); ++i) {
        connect(Option1[i], &QRadioButton::clicked, this, [this, i] { m_step = kSteps[i].step; });
    }
    for (std::size_t i = 0; i < Option2.size(); ++i) {
        connect(Option2[i], &QRadioButton::clicked, this,
                [this, i] { m_dwell = kDwells[i].seconds; });
    }
    for (std::size_t i = 0; i < kBands.size(); ++i) {
        connect(this->*kBands[i].button, &QPushButton::clicked, this,
                [this, i] { bandClicked(static_cast<int>(i)); });
    }
}

void frmScanBands::bandClicked(int index) {
    const BandLimits& band = kBands[static_cast<std::size_t>(index)];
    setForeColour(txtScanLow, Qt::black);
    setForeColour(txtScanHi, Qt::black);
    txtScanLow->setText(QString::fromLatin1(band.low));
    txtScanHi->setText(QString::fromLatin1(band.high));
}

void frmScanBands::cmdScanUp_Click() {
    if (m_scanning) {
        return;  // a second click queued before the button was disabled
    }
    m_stopRequest = false;
    m_closeRequest = false;
    m_scanning = true;
    try {
        scan();
    } catch (const link::PortFailure& failure) {
        link::reportFailure(m_panel.display, QStringLiteral("cmdScanUp"), failure);
    }
    m_scanning = false;
    cmdScanUp->setEnabled(true);
    // A radio taken to its own panel ends the scan and gives the operator
    // the main window back, which then shows the local panel.
    if (m_closeRequest || m_tuning.radioWentLocal()) {
        closingRoutine();
    }
}

void frmScanBands::scan() {
    for (;;) {
        cmdScanUp->setEnabled(false);
        setForeColour(txtScanLow, Qt::black);
        setForeColour(txtScanHi, Qt::black);
        if (txtScanLow->text().isEmpty()) {
            return;
        }
        // The limits are read afresh for every sweep: edits made during one
        // take effect with the next.
        const auto low = limit(txtScanLow);
        if (!low) {
            return;
        }
        const auto high = limit(txtScanHi);
        if (!high) {
            return;
        }
        if (!sweep(*low, *high)) {
            return;
        }
        m_beep();
        link::Pause(m_link.clock(), kSweepRestPause);
        // A stop or close in the rest between sweeps counts: a closed window
        // never goes on scanning.
        if (mustEnd()) {
            return;
        }
    }
}

bool frmScanBands::sweep(int low, int high) {
    const auto ending = [this] { return mustEnd(); };
    for (int f = low;;) {
        if (mustEnd()) {
            return false;
        }
        while (m_paused) {
            link::Pause(m_link.clock(), kPausedKeepAlive);
            m_link.gSendSync(tq::protocol::SyncCharacter::U);
            // Read the sync answers, and with them a switch to local control.
            m_link.DrainRadioInput();
            if (m_closeRequest || m_tuning.radioWentLocal()) {
                return false;
            }
        }
        if (f > high) {
            return true;
        }
        const QString command = panel::frequencyCommand(f);
        f += m_step;
        // The read-out shows the frequency in Hz: the command and one more 0.
        if (!m_tuning.tune(command, ending,
                           [this, &command] { txtFreq->setText(command + u'0'); })) {
            return false;
        }
        link::Pause(m_link.clock(), m_dwell);
    }
}

std::optional<int> frmScanBands::limit(QLineEdit* box) {
    const auto value = panel::scanFrequency(box->text());
    if (!value) {
        setForeColour(box, kErrorRed);
        box->setText(QStringLiteral("Error"));
    }
    return value;
}

bool frmScanBands::mustEnd() const {
    return m_stopRequest || m_closeRequest || m_tuning.radioWentLocal();
}

void frmScanBands::cmdStop_Click() {
    m_stopRequest = true;
}

void frmScanBands::cmdPauseCont_Click() {
    m_paused = !m_paused;
    cmdPauseCont->setText(m_paused ? QStringLiteral("Con't") : QStringLiteral("Pause"));
    cmdStop->setEnabled(!m_paused);
}

void frmScanBands::idleTick() {
    if (m_scanning || isHidden()) {
        return;
    }
    if (m_tuning.radioWentLocalWhileIdle()) {
        closingRoutine();
    }
}

void frmScanBands::closeEvent(QCloseEvent* event) {
    m_stopRequest = true;
    m_closeRequest = true;
    event->accept();
    if (!m_scanning) {
        closingRoutine();
    }
    // A running sweep sees the close request at its next check and runs the
    // closing routine itself as it finishes.
}

void frmScanBands::closingRoutine() {
    hide();
    m_panel.model.setVisible(panel::Control::txtInfo, m_savedTxtInfoVisible);
    m_panel.model.setVisible(panel::Control::lblInfo, m_savedLblInfoVisible);
}

}  // namespace tq::ui
