#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <optional>

#include "persist/WebPanelFile.h"

namespace tq::ui {

/// The web panel part of Setup > Station Software Links: on/off, listen
/// address, port, the TLS certificate and key files, and a new password.
/// It warns while the panel would listen beyond this computer without TLS
/// or without a password; the password itself goes to the program, which
/// keeps only its hash.
class WebPanelSection : public QGroupBox {
    Q_OBJECT

public:
    /// What the program does with a new password (hash and store it): the
    /// line for the operator.
    using SetPassword = std::function<QString(const QString& password)>;

    static constexpr int kMinimumPasswordLength = 8;

    WebPanelSection(const persist::WebPanelSettings& settings, bool hasPassword,
                    SetPassword setPassword, QWidget* parent = nullptr);

    /// The settings as typed, or the reason they cannot be taken.
    std::optional<persist::WebPanelSettings> settings(QString& problem) const;
    void showSettings(const persist::WebPanelSettings& settings);
    /// Shows the program's response to Apply.
    void setStatus(const QString& status);

private:
    void updateWarning();
    void setPassword();

    SetPassword m_setPassword;
    bool m_hasPassword;
    QCheckBox* m_chkWeb = nullptr;
    QLineEdit* m_txtAddress = nullptr;
    QLineEdit* m_txtPort = nullptr;
    QLineEdit* m_txtCertificate = nullptr;
    QLineEdit* m_txtKey = nullptr;
    QLineEdit* m_txtPassword = nullptr;
    QLineEdit* m_txtPasswordAgain = nullptr;
    QPushButton* m_cmdSetPassword = nullptr;
    QLabel* m_lblWarning = nullptr;
    QLabel* m_lblStatus = nullptr;
};

}  // namespace tq::ui
