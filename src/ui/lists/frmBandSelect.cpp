#include "ui/lists/frmBandSelect.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QScopeGuard>
#include <QScreen>
#include <QVBoxLayout>

#include "link/FailureReport.h"
#include "link/FileExists.h"
#include "link/PortFailure.h"
#include "panel/DisplayFailure.h"
#include "panel/ListFrequency.h"
#include "panel/PanelColours.h"
#include "panel/TransmitPermission.h"
#include "persist/BandListFile.h"
#include "persist/BandTable.h"
#include "protocol/RadioCommands.h"
#include "protocol/RadioLink.h"
#include "ui/lists/BandSelectPlacement.h"
#include "ui/main/WidgetColours.h"

namespace tq::ui {

namespace {

constexpr int kLastRow = static_cast<int>(persist::kBandListRows) - 1;

QString indexed(const char* name, std::size_t index) {
    return QString::fromLatin1(name) + u'_' + QString::number(index);
}

QLineEdit* makeBox(const char* name, std::size_t row, int width, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(indexed(name, row));
    if (width > 0) {
        box->setFixedWidth(width);
    } else {
        box->setMinimumWidth(220);
    }
    return box;
}

QPushButton* makeButton(const char* name, const char* caption, QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QColor windowTextColour() {
    return QApplication::palette().color(QPalette::Text);
}

}  // namespace

frmBandSelect::frmBandSelect(const QString& selectedBand, panel::PanelContext panel,
                             MainWindowPlace place)
    : m_panel(panel), m_place(place), m_link(panel.link), m_commands(panel.commands) {
    setObjectName(QStringLiteral("frmBandSelect"));
    setWindowTitle(QStringLiteral("Frequency Select"));
    // Its own top-level window: the main window is disabled while it is open
    // and would disable a child with it.
    setWindowFlag(Qt::Window);
    buildControls();
    connectControls();
    Form_Load(selectedBand);
}

frmBandSelect::~frmBandSelect() = default;

void frmBandSelect::buildControls() {
    fraBand = new QGroupBox(QStringLiteral("Band"), this);
    fraBand->setObjectName(QStringLiteral("fraBand"));
    auto* grid = new QGridLayout(fraBand);
    grid->setVerticalSpacing(2);
    for (std::size_t row = 0; row < persist::kBandListRows; ++row) {
        Option1[row] = new QRadioButton(fraBand);
        Option1[row]->setObjectName(indexed("Option1", row));
        txtFreq[row] = makeBox("txtFreq", row, 90, fraBand);
        txtMode[row] = makeBox("txtMode", row, 50, fraBand);
        txtInfo[row] = makeBox("txtInfo", row, 0, fraBand);
        const int line = static_cast<int>(row);
        grid->addWidget(Option1[row], line, 0);
        grid->addWidget(txtFreq[row], line, 1);
        grid->addWidget(txtMode[row], line, 2);
        grid->addWidget(txtInfo[row], line, 3);
    }

    cmdGetFreq = makeButton("cmdGetFreq", "Get Freq", this);
    cmdSort = makeButton("cmdSort", "Sort", this);
    cmdWriteFile = makeButton("cmdWriteFile", "Write File", this);
    cmdExit = makeButton("cmdExit", "Exit", this);
    lblError = new QLabel(QStringLiteral("Frequency Error"), this);
    lblError->setObjectName(QStringLiteral("lblError"));
    lblError->setWordWrap(true);
    lblError->hide();

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdGetFreq);
    buttons->addWidget(cmdSort);
    buttons->addWidget(cmdWriteFile);
    buttons->addSpacing(12);
    buttons->addWidget(lblError);
    buttons->addStretch();
    buttons->addWidget(cmdExit);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(fraBand, 1);
    layout->addLayout(buttons);
}

void frmBandSelect::connectControls() {
    for (std::size_t row = 0; row < persist::kBandListRows; ++row) {
        connect(Option1[row], &QRadioButton::clicked, this,
                [this, row] { Option1_Click(static_cast<int>(row)); });
    }
    connect(cmdGetFreq, &QPushButton::clicked, this, &frmBandSelect::cmdGetFreq_Click);
    connect(cmdSort, &QPushButton::clicked, this, &frmBandSelect::cmdSort_Click);
    connect(cmdWriteFile, &QPushButton::clicked, this, &frmBandSelect::cmdWriteFile_Click);
    connect(cmdExit, &QPushButton::clicked, this, &QWidget::close);
}

void frmBandSelect::Form_Load(const QString& selectedBand) {
    placeBesideBandFrame();
    const persist::BandListInfo* list = persist::bandListFor(selectedBand);
    if (list != nullptr) {
        fraBand->setTitle(QString::fromLatin1(list->title));
        BandListFile = QString::fromLatin1(list->fileName);
        if (link::fileExists(BandListFile, m_panel.display)) {
            // The directory and the name run together, as this title always
            // has shown them.
            setWindowTitle(QDir::toNativeSeparators(QDir::currentPath()) + BandListFile);
            if (const auto read = persist::readBandListFile(BandListFile)) {
                showRows(*read);
            }
        }
    }
    cmdGetFreq_Click();
    m_syncTimerInterval = kSyncTimerInterval;
    m_syncTimerEnabled = true;
}

void frmBandSelect::placeBesideBandFrame() {
    adjustSize();
    const QScreen* screen = m_place.window.screen();
    const QRect available =
        screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1 << 16, 1 << 16);
    move(bandSelectPosition(m_place.window.frameGeometry(), m_place.bandFrameWidth, size(),
                            available));
}

ModalTick frmBandSelect::syncTimer() {
    return {kSyncTimerInterval / 1000.0, [this] { SyncTimer_Timer(); }};
}

persist::BandListRows frmBandSelect::rows() const {
    persist::BandListRows rows;
    for (std::size_t row = 0; row < persist::kBandListRows; ++row) {
        rows[row] = {txtFreq[row]->text(), txtMode[row]->text(), txtInfo[row]->text()};
    }
    return rows;
}

void frmBandSelect::showRows(const persist::BandListRows& rows) {
    for (std::size_t row = 0; row < persist::kBandListRows; ++row) {
        txtFreq[row]->setText(rows[row].freq);
        txtMode[row]->setText(rows[row].mode);
        txtInfo[row]->setText(rows[row].info);
    }
}

void frmBandSelect::cmdGetFreq_Click() {
    const protocol::RadioState& state = m_link.state();
    if (const auto freq = panel::listFrequencyFromReply(state.FreqReply)) {
        txtFreq[kLastRow]->setText(*freq);
    }
    if (const auto mode = panel::modeWordOf(state.ModeReply)) {
        txtMode[kLastRow]->setText(*mode);
    }
}

void frmBandSelect::cmdSort_Click() {
    showRows(persist::sortBandList(rows()));
}

void frmBandSelect::cmdWriteFile_Click() {
    if (BandListFile.isEmpty()) {
        return;  // a band without a list
    }
    if (const auto failure = persist::writeBandListFile(BandListFile, rows())) {
        m_panel.display.ShowErrorInfo(failure->report(BandListFile));
    }
}

void frmBandSelect::Option1_Click(int index) {
    if (index < 0 || index > kLastRow) {
        return;
    }
    const auto row = static_cast<std::size_t>(index);
    if (m_selecting) {
        // Clicked while another row's exchange pauses: that row stays the
        // selected one, and this click is not served inside its exchange.
        Option1[*m_selecting]->setChecked(true);
        return;
    }
    m_selecting = row;
    // The keep-alive must not interleave with the frequency and mode
    // commands; it resumes as it was once the row is served.
    const bool timerWasRunning = m_syncTimerEnabled;
    m_syncTimerEnabled = false;
    const auto restore = qScopeGuard([this, timerWasRunning] {
        m_selecting.reset();
        if (timerWasRunning && !m_unloaded) {
            m_syncTimerEnabled = true;
        }
    });
    if (!txtFreq[row]->text().isEmpty()) {
        selectRow(row);
    }
}

void frmBandSelect::selectRow(std::size_t row) {
    clearFrequencyError(row);
    const auto digits = panel::listFrequencyDigits(txtFreq[row]->text());
    if (!digits || !panel::inTuningRange(*digits)) {
        showFrequencyError(row);
        return;
    }
    // The radio stays where it transmits; the row can be chosen again once
    // the transmission has ended.
    if (!panel::frequencyMayMove(m_link)) {
        return;
    }
    const protocol::RadioState& state = m_link.state();
    QString wanted = state.ModeReply;
    if (const auto code = panel::modeCodeOf(txtMode[row]->text())) {
        wanted = *code;
    }
    // Taken now: the rows may be sorted while the exchange pauses.
    const QString note = txtInfo[row]->text();
    try {
        m_commands.SendFrequency(*digits);
        if (state.ModeReply != wanted) {
            m_commands.SelectMode(wanted);
        }
        m_link.AwaitRadioReply();
        m_panel.display.gUpdateDisplay();
        m_panel.model.infoLine.set(note);
    } catch (const link::PortFailure& failure) {
        reportFailure("Option1_Click", failure.number(), failure.description());
    } catch (const panel::DisplayFailure& failure) {
        reportFailure("Option1_Click", failure.number(), failure.description());
    }
}

void frmBandSelect::showFrequencyError(std::size_t row) {
    // An exclusive group keeps one button checked; it has to let go for one.
    Option1[row]->setAutoExclusive(false);
    Option1[row]->setChecked(false);
    Option1[row]->setAutoExclusive(true);
    setForeColour(txtFreq[row], QColor(panel::kRed));
    setForeColour(lblError, QColor(panel::kRed));
    lblError->show();
    cmdGetFreq->setEnabled(false);
    cmdSort->setEnabled(false);
    cmdWriteFile->setEnabled(false);
}

void frmBandSelect::clearFrequencyError(std::size_t row) {
    setForeColour(txtFreq[row], windowTextColour());
    lblError->hide();
    cmdGetFreq->setEnabled(true);
    cmdSort->setEnabled(true);
    cmdWriteFile->setEnabled(true);
}

void frmBandSelect::SyncTimer_Timer() {
    if (!m_syncTimerEnabled) {
        return;
    }
    m_syncTicks = static_cast<qint16>(m_syncTicks + 1);
    try {
        if (m_syncTicks * m_syncTimerInterval > kSyncPeriod) {
            m_syncTicks = 0;
            m_link.gSendSync(m_link.SyncChar);
        }
        // Only what has arrived: waiting out the reply time on every tick
        // would hold the window still for most of each second.
        link::SerialPort& port = m_link.port();
        if (port.isOpen() && port.bytesToRead() > 0) {
            m_link.AwaitRadioReply();
        }
        m_panel.display.gUpdateDisplay();
    } catch (const link::PortFailure& failure) {
        reportFailure("SyncTimer_Timer", failure.number(), failure.description());
    }
}

void frmBandSelect::closeEvent(QCloseEvent* event) {
    m_syncTimerEnabled = false;
    m_unloaded = true;
    event->accept();
}

void frmBandSelect::reportFailure(const char* routine, int number, const QString& description) {
    m_panel.display.ShowErrorInfo(
        link::failureReport(QString::fromLatin1(routine), number, description));
}

}  // namespace tq::ui
