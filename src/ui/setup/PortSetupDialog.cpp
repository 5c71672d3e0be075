#include "ui/setup/PortSetupDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QSignalBlocker>

#include "link/FileExists.h"
#include "link/IntegerValue.h"
#include "link/PortMap.h"
#include "persist/PersistedFile.h"
#include "persist/SerialPortsFile.h"

namespace tq::ui {

namespace {

// The search covers the port numbers the files and the serial layer have
// always accepted.
constexpr int kFirstPort = 1;
constexpr int kLastPort = 16;

// A port number in the file is at most two characters, and always two when
// shown after Load.
constexpr int kPortWidth = 2;

// The first three carry a trailing blank, which goes into the settings text
// before the comma; the serial layer trims it.
QStringList baudItems() {
    return {QStringLiteral("19200 "), QStringLiteral("9600 "), QStringLiteral("4800 "),
            QStringLiteral("2400"),   QStringLiteral("600"),   QStringLiteral("300")};
}

QStringList handshakeNames() {
    QStringList names;
    for (int i = 0; i < persist::kHandshakeCount; ++i) {
        names << persist::handshakeName(i);
    }
    return names;
}

QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QLabel* makeLabel(const QString& name, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

QLineEdit* makeInfoBox(const QString& name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    return box;
}

// Typed text is taken as typed: it must not turn into a list item on Enter.
QComboBox* makeTypedCombo(const QString& name, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}

// Shows text in a combo as one of its items, adding it when the list does
// not have it yet.
void showAsItem(QComboBox* combo, const QString& text) {
    int index = combo->findText(text, Qt::MatchExactly);
    if (index < 0) {
        combo->addItem(text);
        index = combo->count() - 1;
    }
    combo->setCurrentIndex(index);
}

// The parity, data and stop bits of a settings text: everything after the
// baud rate, blanks inside the parts kept ("N, 8, 1" stays as it is).
QString bitsPart(const QString& settings) {
    return settings.section(u',', 1);
}

QString baudPart(const QString& settings) {
    return settings.section(u',', 0, 0);
}

QComboBox* makeListCombo(const QString& name, const QStringList& items, QWidget* parent) {
    QComboBox* combo = makeTypedCombo(name, parent);
    combo->addItems(items);
    combo->setCurrentIndex(0);
    return combo;
}

}  // namespace

PortSetupDialog::PortSetupDialog(PortSetupForm form, PortSetupTarget target,
                                 const link::SerialPort& port, PortSetupProbes probes,
                                 protocol::ProgramFlags& flags, link::LinkIndicators& indicators)
    : m_form(std::move(form)),
      m_target(target),
      m_probes(std::move(probes)),
      m_flags(flags),
      m_indicators(indicators) {
    setObjectName(m_form.formName);
    setWindowTitle(m_form.caption);
    setWindowModality(Qt::ApplicationModal);
    buildControls();
    connectControls();
    listDevices();
    searchPorts();
    showOpeningValues(port);
}

void PortSetupDialog::done(int result) {
    QDialog::done(result);
    emit unloaded();
}

void PortSetupDialog::buildControls() {
    auto* layout = new QGridLayout(this);
    int row = 0;

    layout->addWidget(makeLabel(QStringLiteral("lblPort"), QStringLiteral("Select Port"), this),
                      row, 0);
    m_cmbSelectPort = makeTypedCombo(QStringLiteral("cmbSelectPort"), this);
    layout->addWidget(m_cmbSelectPort, row, 1);
    m_lblPortDevice = makeLabel(QStringLiteral("lblPortDevice"), QString(), this);
    layout->addWidget(m_lblPortDevice, row, 2);
    ++row;

    layout->addWidget(makeLabel(QStringLiteral("Label1"), m_form.foundCaption, this), row, 0);
    m_txtFound = makeInfoBox(QStringLiteral("txtFound"), this);
    layout->addWidget(m_txtFound, row, 1, 1, 2);
    ++row;

    // The serial devices this computer has, and a way to give one the chosen
    // number, so that nobody has to write SerialPorts.txt by hand.
    layout->addWidget(makeLabel(QStringLiteral("lblDevice"), QStringLiteral("Serial Device"), this),
                      row, 0);
    m_cmbDevice = new QComboBox(this);
    m_cmbDevice->setObjectName(QStringLiteral("cmbDevice"));
    m_cmbDevice->setPlaceholderText(QStringLiteral("No serial devices found"));
    layout->addWidget(m_cmbDevice, row, 1, 1, 2);
    ++row;
    m_cmdAttachDevice =
        makeButton(QStringLiteral("cmdAttachDevice"), QStringLiteral("Use for This Port"), this);
    m_cmdRefreshDevices =
        makeButton(QStringLiteral("cmdRefreshDevices"), QStringLiteral("Refresh"), this);
    auto* deviceButtons = new QHBoxLayout;
    deviceButtons->addWidget(m_cmdAttachDevice);
    deviceButtons->addWidget(m_cmdRefreshDevices);
    deviceButtons->addStretch();
    layout->addLayout(deviceButtons, row, 1, 1, 2);
    ++row;

    if (!m_form.portRangeNote.isEmpty()) {
        layout->addWidget(makeLabel(QStringLiteral("lable2"), m_form.portRangeNote, this), row, 0,
                          1, 3);
        ++row;
    }

    layout->addWidget(
        makeLabel(QStringLiteral("lblBaudRate"), QStringLiteral("Select Baud Rate"), this), row, 0);
    m_cmbSelectBaudRate = makeListCombo(QStringLiteral("cmbSelectBaudRate"), baudItems(), this);
    layout->addWidget(m_cmbSelectBaudRate, row, 1);
    ++row;

    if (!m_form.bitsItems.isEmpty()) {
        layout->addWidget(makeLabel(QStringLiteral("Label2"), m_form.bitsCaption, this), row, 0);
        m_cmbBits = makeListCombo(QStringLiteral("cmbBits"), m_form.bitsItems, this);
        layout->addWidget(m_cmbBits, row, 1);
        ++row;
    }

    if (!m_form.defaultSettingsNote.isEmpty()) {
        QLineEdit* note = makeInfoBox(QStringLiteral("txtDefaultSettings"), this);
        note->setText(m_form.defaultSettingsNote);
        layout->addWidget(note, row, 0, 1, 3);
        ++row;
    }

    m_fraHandShake =
        new CodeOptionGroup(QStringLiteral("fraHandShake"), QStringLiteral("Handshake Mode"),
                            QStringLiteral("optHandShake"),
                            {QStringLiteral("NONE"), QStringLiteral("XON"), QStringLiteral("RTS"),
                             QStringLiteral("RTS  XON")},
                            handshakeNames(), this);
    selectHandshake(0);
    layout->addWidget(m_fraHandShake, row, 0, 1, 3);
    ++row;

    if (!m_form.extPttCaption.isEmpty()) {
        m_chkExtPTTEna = new QCheckBox(m_form.extPttCaption, this);
        m_chkExtPTTEna->setObjectName(QStringLiteral("chkExtPTTEna"));
        layout->addWidget(m_chkExtPTTEna, row, 0, 1, 3);
        ++row;
    }

    if (!m_form.rigTypeItems.isEmpty()) {
        layout->addWidget(makeLabel(QStringLiteral("Label3"), m_form.rigTypeCaption, this), row, 0);
        m_cmbRigType = makeListCombo(QStringLiteral("cmbRigType"), m_form.rigTypeItems, this);
        layout->addWidget(m_cmbRigType, row, 1);
        ++row;
    }

    m_cmdApply = makeButton(QStringLiteral("cmdApply"), QStringLiteral("Apply"), this);
    m_cmdCancel = makeButton(QStringLiteral("cmdCancel"), QStringLiteral("Cancel"), this);
    m_cmdLoad = makeButton(QStringLiteral("cmdLoadPortSettings"), QStringLiteral("Load"), this);
    m_cmdSave = makeButton(QStringLiteral("cmdSavePortSettings"), QStringLiteral("Save"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_cmdApply);
    buttons->addWidget(m_cmdCancel);
    buttons->addWidget(m_cmdLoad);
    buttons->addWidget(m_cmdSave);
    layout->addLayout(buttons, row, 0, 1, 3);
}

void PortSetupDialog::connectControls() {
    connect(m_cmbSelectPort, &QComboBox::currentTextChanged, this,
            &PortSetupDialog::showPortDevice);
    connect(m_fraHandShake, &CodeOptionGroup::codeClicked, this,
            [this](const QString& name) { m_handshakeIndex = persist::handshakeIndex(name); });
    connect(m_cmdApply, &QPushButton::clicked, this, &PortSetupDialog::apply);
    connect(m_cmdCancel, &QPushButton::clicked, this, &PortSetupDialog::cancel);
    connect(m_cmdLoad, &QPushButton::clicked, this, &PortSetupDialog::load);
    connect(m_cmdSave, &QPushButton::clicked, this, &PortSetupDialog::save);
    connect(m_cmdAttachDevice, &QPushButton::clicked, this, &PortSetupDialog::attachDevice);
    connect(m_cmdRefreshDevices, &QPushButton::clicked, this, &PortSetupDialog::refresh);
}

link::PortDevices PortSetupDialog::portDevices() const {
    // A fresh map on every call, so an edit of SerialPorts.txt shows at once.
    return {link::PortMap(), m_devices};
}

void PortSetupDialog::listDevices() {
    m_devices =
        m_probes.devices != nullptr ? m_probes.devices->devices() : QList<link::SerialDevice>();
    m_cmbDevice->clear();
    for (const link::SerialDevice& device : m_devices) {
        m_cmbDevice->addItem(device.label(), device.path());
        m_cmbDevice->setItemData(m_cmbDevice->count() - 1, device.path(), Qt::ToolTipRole);
    }
    m_cmdAttachDevice->setEnabled(!m_devices.isEmpty());
}

void PortSetupDialog::searchPorts() {
    m_cmbSelectPort->clear();
    m_found.clear();
    const link::PortDevices portDevices = this->portDevices();
    QString found;
    QStringList devices;
    for (int n = kFirstPort; n <= kLastPort; ++n) {
        if (!m_probes.portExists(n)) {
            continue;
        }
        m_found.insert(n);
        const QString number = QString::number(n);
        const QString device = portDevices.describe(n);
        m_cmbSelectPort->addItem(number);
        m_cmbSelectPort->setItemData(m_cmbSelectPort->count() - 1, device, Qt::ToolTipRole);
        found += number + QStringLiteral(", ");
        devices << number + QStringLiteral(": ") + device;
    }
    m_txtFound->setText(found.isEmpty() ? QStringLiteral("No Ports") : found);
    m_txtFound->setToolTip(devices.join(u'\n'));
    // Adding to an empty list selects the first item; the port stays
    // unchosen until the operator or the open port chooses one.
    m_cmbSelectPort->setCurrentIndex(-1);
    m_cmbSelectPort->setEditText(QString());
}

void PortSetupDialog::showOpeningValues(const link::SerialPort& port) {
    if (port.isOpen()) {
        // This program holds the port, so the search could not open it.
        const bool byPath = m_form.acceptsDevicePath && !port.devicePath().isEmpty();
        m_heldPort = byPath ? port.devicePath() : QString::number(port.portNumber());
        showHeldPort();
        m_cmbSelectPort->setCurrentIndex(m_cmbSelectPort->count() - 1);
    } else if (!m_form.showsClosedPort) {
        return;
    }
    const QString settings = port.settings();
    if (port.isOpen() && m_form.openPortAddsItems) {
        if (m_cmbBits != nullptr) {
            showAsItem(m_cmbBits, bitsPart(settings));
        }
        showAsItem(m_cmbSelectBaudRate, baudPart(settings));
    } else {
        // The baud rate is shown as text only; the port's own text may lack
        // the blank that the list items carry.
        m_cmbSelectBaudRate->setEditText(baudPart(settings));
    }
    selectHandshake(static_cast<int>(port.handshaking()));
    if (m_chkExtPTTEna != nullptr && m_target.extPttEnabled != nullptr && *m_target.extPttEnabled) {
        m_chkExtPTTEna->setChecked(true);
    }
}

void PortSetupDialog::showHeldPort() {
    if (m_heldPort.isEmpty()) {
        return;
    }
    m_cmbSelectPort->addItem(m_heldPort);
    const int number = chosenPortNumber(m_heldPort);
    m_cmbSelectPort->setItemData(m_cmbSelectPort->count() - 1,
                                 number != 0 ? portDevices().describe(number) : m_heldPort,
                                 Qt::ToolTipRole);
}

int PortSetupDialog::chosenPortNumber(const QString& portText) {
    const int number = link::integerValue(portText);
    return number >= kFirstPort && number <= kLastPort ? number : 0;
}

void PortSetupDialog::showPortDevice(const QString& portText) {
    const int number = chosenPortNumber(portText);
    if (number == 0) {
        m_lblPortDevice->clear();
        return;
    }
    const link::PortDevices portDevices = this->portDevices();
    QString text = portDevices.describe(number);
    // A device that is there but was not found free: say why it does not
    // open, as the serial layer puts it. The port this program holds is
    // neither probed nor disturbed.
    const bool held = number == chosenPortNumber(m_heldPort);
    if (!held && !m_found.contains(number) && !portDevices.isMissing(number) &&
        m_probes.openFailure) {
        if (const auto failure = m_probes.openFailure(number)) {
            text += QStringLiteral("\nDid not open: ") + failure->description();
        }
    }
    m_lblPortDevice->setText(text);
    if (const auto device = portDevices.deviceOf(number)) {
        m_cmbDevice->setCurrentIndex(m_cmbDevice->findData(device->path()));
    }
}

int PortSetupDialog::firstUnusedPortNumber() const {
    const QMap<int, QString> mapped = link::PortMap().mappedEntries();
    for (int n = kFirstPort; n <= kLastPort; ++n) {
        if (!mapped.contains(n) && !m_found.contains(n) && n != chosenPortNumber(m_heldPort)) {
            return n;
        }
    }
    return 0;
}

void PortSetupDialog::attachDevice() {
    const QString path = m_cmbDevice->currentData().toString();
    if (path.isEmpty()) {
        return;
    }
#ifdef Q_OS_WIN
    // A COM port's number is in its name: choosing the device chooses the
    // number, and there is no map to write.
    const QString portName = m_devices.value(m_cmbDevice->currentIndex()).portName;
    m_cmbSelectPort->setEditText(QString::number(link::integerValue(portName.mid(3))));
#else
    // Without a number chosen, the device gets the first number that names
    // no device yet, rather than taking over a port that is in use.
    int number = chosenPortNumber(m_cmbSelectPort->currentText());
    if (number == 0) {
        number = firstUnusedPortNumber();
    }
    if (number == 0) {
        m_lblPortDevice->setText(QStringLiteral("Choose a port number from %1 to %2 first.")
                                     .arg(kFirstPort)
                                     .arg(kLastPort));
        return;
    }
    const QString fileName = QString::fromLatin1(link::PortMap::kFileName);
    if (const auto failure = persist::attachSerialPort(number, path)) {
        m_indicators.showErrorInfo(failure->report(fileName));
        return;
    }
    refresh();
    const int index = m_cmbSelectPort->findText(QString::number(number), Qt::MatchExactly);
    if (index >= 0) {
        m_cmbSelectPort->setCurrentIndex(index);
    } else {
        m_cmbSelectPort->setEditText(QString::number(number));
    }
#endif
}

void PortSetupDialog::refresh() {
    const QString chosen = m_cmbSelectPort->currentText();
    listDevices();
    searchPorts();
    showHeldPort();
    {
        // Shown once below, not once more by the text's change: showing may
        // try to open the port.
        const QSignalBlocker quiet(m_cmbSelectPort);
        m_cmbSelectPort->setEditText(chosen);
    }
    showPortDevice(chosen);
}

void PortSetupDialog::selectHandshake(int index) {
    m_handshakeIndex = index;
    m_fraHandShake->showCode(persist::handshakeName(index));
}

void PortSetupDialog::load() {
    if (!link::fileExists(m_form.fileName, m_indicators)) {
        return;
    }
    const std::optional<QString> text = persist::readPersistedFile(m_form.fileName);
    if (!text) {
        return;
    }
    const persist::PortSetupFile lines = persist::parsePortSetup(*text);
    if (m_chkExtPTTEna != nullptr) {
        // Only 1 ticks the box, as only "1" switches the line on at start-up
        // (" 1 " reads as 1 too).
        m_chkExtPTTEna->setChecked(link::integerValue(lines.fourth) == 1);
    }
    const auto path =
        m_form.acceptsDevicePath ? link::PortMap::typedDevicePath(lines.portNumber) : std::nullopt;
    m_cmbSelectPort->setEditText(
        path ? *path : lines.portNumber.left(kPortWidth).leftJustified(kPortWidth));
    m_cmbSelectBaudRate->setEditText(baudPart(lines.settings));
    if (m_cmbBits != nullptr) {
        m_cmbBits->setEditText(bitsPart(lines.settings));
    }
    if (m_cmbRigType != nullptr) {
        // A rig type typed by hand and saved comes back as an item of its own.
        showAsItem(m_cmbRigType, lines.fourth);
    }
    selectHandshake(persist::handshakeIndex(lines.handshake));
}

persist::PortSetupFile PortSetupDialog::shownLines() const {
    const QString bits =
        m_cmbBits != nullptr ? u',' + m_cmbBits->currentText() : m_form.lineSettings;
    const bool extPtt = m_chkExtPTTEna != nullptr && m_chkExtPTTEna->isChecked();
    const QString fourth =
        m_cmbRigType != nullptr ? m_cmbRigType->currentText() : persist::extPttLine(extPtt);
    return {m_cmbSelectPort->currentText(), m_cmbSelectBaudRate->currentText() + bits,
            persist::handshakeName(m_handshakeIndex), fourth};
}

void PortSetupDialog::save() {
    if (const auto failure =
            persist::savePortSetup(m_form.fileName, shownLines(), m_form.fourthDescription)) {
        m_indicators.showErrorInfo(failure->report(m_form.fileName));
    }
}

void PortSetupDialog::apply() {
    const persist::PortSetupFile lines = shownLines();
    *m_target.settings = lines.settings;
    *m_target.handshake = lines.handshake;
    *m_target.portNumber = lines.portNumber;
    m_flags.*m_form.changedFlag = true;
    if (m_target.extPttEnabled != nullptr && m_chkExtPTTEna != nullptr) {
        *m_target.extPttEnabled = m_chkExtPTTEna->isChecked();
    }
    accept();
}

void PortSetupDialog::cancel() {
    if (m_form.cancelClearsChanged) {
        m_flags.*m_form.changedFlag = false;
    }
    reject();
}

}  // namespace tq::ui
