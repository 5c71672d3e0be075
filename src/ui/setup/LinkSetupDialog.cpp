#include "ui/setup/LinkSetupDialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace tq::ui {

namespace {

template <typename Control>
Control* named(Control* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

}  // namespace

LinkSetupDialog::LinkSetupDialog(persist::StationLinks& links, ApplyLinks applyLinks,
                                 link::LinkIndicators& indicators, const QString& status)
    : m_links(links), m_applyLinks(std::move(applyLinks)), m_indicators(indicators) {
    setObjectName(QStringLiteral("frmLinkSetup"));
    setWindowTitle(QStringLiteral("Station Software Links"));
    setWindowModality(Qt::ApplicationModal);
    buildControls();
    showLinks();
    m_lblStatus->setText(status);
    connect(m_cmdApply, &QPushButton::clicked, this, &LinkSetupDialog::apply);
    connect(m_cmdClose, &QPushButton::clicked, this, &QDialog::close);
}

void LinkSetupDialog::addWebPanel(persist::WebPanelSettings& settings, bool hasPassword,
                                  ApplyLinks applyWeb, WebPanelSection::SetPassword setPassword,
                                  const QString& status) {
    m_web = &settings;
    m_applyWeb = std::move(applyWeb);
    m_webSection = new WebPanelSection(settings, hasPassword, std::move(setPassword), this);
    m_webSection->setStatus(status);
    // Below the network rig control frame, above the status line and buttons.
    m_layout->insertWidget(m_layout->indexOf(m_lblStatus), m_webSection);
}

void LinkSetupDialog::done(int result) {
    QDialog::done(result);
    emit unloaded();
}

void LinkSetupDialog::buildControls() {
    m_chkExtendedCat =
        named(new QCheckBox(QStringLiteral("Extended CAT mode (TS-2000 commands on the CAT port)")),
              "chkExtendedCat");
    m_chkNetwork = named(new QCheckBox(QStringLiteral("Network rig control (Hamlib NET rigctl)")),
                         "chkNetwork");
    m_txtAddress = named(new QLineEdit, "txtAddress");
    m_txtAddress->setToolTip(
        QStringLiteral("127.0.0.1: this computer only. Any other address lets other "
                       "computers on that network control the radio."));
    m_txtPort = named(new QLineEdit, "txtPort");
    m_txtPort->setToolTip(QStringLiteral("TCP port, 1 to 65535 (Hamlib's default is 4532)"));
    m_lblStatus = named(new QLabel, "lblStatus");
    m_lblStatus->setWordWrap(true);
    m_cmdApply = named(new QPushButton(QStringLiteral("Apply")), "cmdApply");
    m_cmdClose = named(new QPushButton(QStringLiteral("Close")), "cmdClose");
    for (QPushButton* button : {m_cmdApply, m_cmdClose}) {
        button->setAutoDefault(false);
    }

    auto* network = named(new QGroupBox(QStringLiteral("Network Rig Control")), "fraNetwork");
    auto* fields = new QFormLayout(network);
    fields->addRow(m_chkNetwork);
    fields->addRow(QStringLiteral("Listen Address"), m_txtAddress);
    fields->addRow(QStringLiteral("Port"), m_txtPort);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdApply);
    buttons->addWidget(m_cmdClose);

    m_layout = new QVBoxLayout(this);
    m_layout->addWidget(m_chkExtendedCat);
    m_layout->addWidget(network);
    m_layout->addWidget(m_lblStatus);
    m_layout->addLayout(buttons);
}

void LinkSetupDialog::showLinks() {
    m_chkExtendedCat->setChecked(m_links.extendedCat);
    m_chkNetwork->setChecked(m_links.networkEnabled);
    m_txtAddress->setText(m_links.networkAddress);
    m_txtPort->setText(QString::number(m_links.networkPort));
}

void LinkSetupDialog::apply() {
    bool numeric = false;
    const int port = m_txtPort->text().trimmed().toInt(&numeric);
    if (!numeric || port < 1 || port > 65535) {
        m_lblStatus->setText(QStringLiteral("The port must be a number from 1 to 65535."));
        return;
    }
    QString problem;
    std::optional<persist::WebPanelSettings> web;
    if (m_webSection) {
        web = m_webSection->settings(problem);
        if (!web) {
            m_webSection->setStatus(problem);
            return;
        }
    }
    const QString address = m_txtAddress->text().trimmed();
    m_links.extendedCat = m_chkExtendedCat->isChecked();
    m_links.networkEnabled = m_chkNetwork->isChecked();
    m_links.networkAddress = address.isEmpty() ? persist::StationLinks{}.networkAddress : address;
    m_links.networkPort = port;
    showLinks();
    m_lblStatus->setText(m_applyLinks());
    if (const auto failure = persist::saveStationLinks(m_links)) {
        m_indicators.showErrorInfo(failure->report(persist::kStationLinksFileName));
    }
    if (web) {
        *m_web = *web;
        m_webSection->showSettings(*web);
        m_webSection->setStatus(m_applyWeb());
        if (const auto failure = persist::saveWebPanelSettings(*web)) {
            m_indicators.showErrorInfo(failure->report(persist::kWebPanelFileName));
        }
    }
}

}  // namespace tq::ui
