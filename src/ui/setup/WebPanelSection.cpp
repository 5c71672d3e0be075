#include "ui/setup/WebPanelSection.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHostAddress>

namespace tq::ui {

namespace {

template <typename Control>
Control* named(Control* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

bool isLoopback(const QString& address) {
    const QString text = address.trimmed();
    return text.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0 ||
           QHostAddress(text).isLoopback();
}

}  // namespace

WebPanelSection::WebPanelSection(const persist::WebPanelSettings& settings, bool hasPassword,
                                 SetPassword setPassword, QWidget* parent)
    : QGroupBox(QStringLiteral("Web Panel"), parent),
      m_setPassword(std::move(setPassword)),
      m_hasPassword(hasPassword) {
    setObjectName(QStringLiteral("fraWebPanel"));
    m_chkWeb =
        named(new QCheckBox(QStringLiteral("Serve the front panel to web browsers")), "chkWeb");
    m_txtAddress = named(new QLineEdit, "txtWebAddress");
    m_txtAddress->setToolTip(
        QStringLiteral("127.0.0.1: this computer only (reach it from elsewhere through an SSH "
                       "tunnel). Any other address lets other computers open the panel."));
    m_txtPort = named(new QLineEdit, "txtWebPort");
    m_txtPort->setToolTip(QStringLiteral("TCP port, 1 to 65535"));
    m_txtCertificate = named(new QLineEdit, "txtCertificate");
    m_txtCertificate->setToolTip(QStringLiteral("TLS certificate file (PEM); empty: plain HTTP"));
    m_txtKey = named(new QLineEdit, "txtKey");
    m_txtKey->setToolTip(QStringLiteral("TLS private key file (PEM, without a passphrase)"));
    m_txtPassword = named(new QLineEdit, "txtPassword");
    m_txtPasswordAgain = named(new QLineEdit, "txtPasswordAgain");
    for (QLineEdit* field : {m_txtPassword, m_txtPasswordAgain}) {
        field->setEchoMode(QLineEdit::Password);
    }
    m_cmdSetPassword = named(new QPushButton(QStringLiteral("Set Password")), "cmdSetPassword");
    m_cmdSetPassword->setAutoDefault(false);
    m_lblWarning = named(new QLabel, "lblWebWarning");
    m_lblWarning->setWordWrap(true);
    m_lblWarning->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
    m_lblStatus = named(new QLabel, "lblWebStatus");
    m_lblStatus->setWordWrap(true);
    m_lblStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* password = new QHBoxLayout;
    password->addWidget(m_txtPassword);
    password->addWidget(m_txtPasswordAgain);
    password->addWidget(m_cmdSetPassword);
    auto* fields = new QFormLayout(this);
    fields->addRow(m_chkWeb);
    fields->addRow(QStringLiteral("Listen Address"), m_txtAddress);
    fields->addRow(QStringLiteral("Port"), m_txtPort);
    fields->addRow(QStringLiteral("Certificate"), m_txtCertificate);
    fields->addRow(QStringLiteral("Key"), m_txtKey);
    fields->addRow(QStringLiteral("Password (twice)"), password);
    fields->addRow(m_lblWarning);
    fields->addRow(m_lblStatus);

    showSettings(settings);
    for (QLineEdit* field : {m_txtAddress, m_txtCertificate, m_txtKey}) {
        connect(field, &QLineEdit::textChanged, this, &WebPanelSection::updateWarning);
    }
    connect(m_chkWeb, &QCheckBox::toggled, this, &WebPanelSection::updateWarning);
    connect(m_cmdSetPassword, &QPushButton::clicked, this, &WebPanelSection::setPassword);
}

void WebPanelSection::showSettings(const persist::WebPanelSettings& settings) {
    m_chkWeb->setChecked(settings.enabled);
    m_txtAddress->setText(settings.address);
    m_txtPort->setText(QString::number(settings.port));
    m_txtCertificate->setText(settings.certificateFile);
    m_txtKey->setText(settings.keyFile);
    updateWarning();
}

std::optional<persist::WebPanelSettings> WebPanelSection::settings(QString& problem) const {
    bool numeric = false;
    const int port = m_txtPort->text().trimmed().toInt(&numeric);
    if (!numeric || port < 1 || port > 65535) {
        problem = QStringLiteral("The web panel's port must be a number from 1 to 65535.");
        return std::nullopt;
    }
    const QString certificate = m_txtCertificate->text().trimmed();
    const QString key = m_txtKey->text().trimmed();
    if (certificate.isEmpty() != key.isEmpty()) {
        problem = QStringLiteral("TLS needs both a certificate file and a key file.");
        return std::nullopt;
    }
    persist::WebPanelSettings settings;
    settings.enabled = m_chkWeb->isChecked();
    const QString address = m_txtAddress->text().trimmed();
    settings.address = address.isEmpty() ? settings.address : address;
    settings.port = port;
    settings.certificateFile = certificate;
    settings.keyFile = key;
    return settings;
}

void WebPanelSection::setStatus(const QString& status) {
    m_lblStatus->setText(status);
}

void WebPanelSection::updateWarning() {
    QStringList warnings;
    if (m_chkWeb->isChecked() && !isLoopback(m_txtAddress->text())) {
        if (!m_hasPassword) {
            warnings << QStringLiteral("Set a password: beyond this computer the panel needs one.");
        }
        if (m_txtCertificate->text().trimmed().isEmpty()) {
            warnings << QStringLiteral(
                "Without TLS the password and the panel cross the network unencrypted. Name a "
                "certificate and key, or listen on 127.0.0.1 and use an SSH tunnel (see the "
                "README).");
        }
    }
    m_lblWarning->setText(warnings.join(u' '));
    m_lblWarning->setVisible(!warnings.isEmpty());
}

void WebPanelSection::setPassword() {
    const QString password = m_txtPassword->text();
    if (password.size() < kMinimumPasswordLength) {
        setStatus(QStringLiteral("The password must have at least %1 characters.")
                      .arg(kMinimumPasswordLength));
        return;
    }
    if (password != m_txtPasswordAgain->text()) {
        setStatus(QStringLiteral("The two passwords differ."));
        return;
    }
    m_txtPassword->clear();
    m_txtPasswordAgain->clear();
    setStatus(m_setPassword(password));
    m_hasPassword = true;
    updateWarning();
}

}  // namespace tq::ui
