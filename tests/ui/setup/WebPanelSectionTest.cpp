// The web panel section of Station Software Links: it warns while the panel
// would listen beyond this computer unprotected, checks a new password
// before handing it on, and Apply keeps the settings in WebPanel.txt.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "link/RecordingIndicators.h"
#include "persist/DataDirectoryTest.h"
#include "persist/WebPanelFile.h"
#include "support/WidgetApplication.h"
#include "ui/setup/LinkSetupDialog.h"

namespace tq::ui {
namespace {

class WebPanelSectionTest : public test::DataDirectoryTest {
protected:
    void SetUp() override {
        test::DataDirectoryTest::SetUp();
        test::ensureWidgetApplication();
        m_dialog = std::make_unique<LinkSetupDialog>(
            m_links, [] { return QStringLiteral("links applied"); }, m_indicators, QString());
        m_dialog->addWebPanel(
            m_web, false,
            [this] {
                ++m_webApplied;
                return QStringLiteral("Web panel: http://127.0.0.1:8073/");
            },
            [this](const QString& password) {
                m_passwords << password;
                return QStringLiteral("Password set.");
            },
            QString());
        m_dialog->show();
    }

    template <typename Control>
    Control* control(const char* name) const {
        auto* found = m_dialog->findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void type(const char* name, const QString& text) const {
        control<QLineEdit>(name)->setText(text);
    }
    void click(const char* name) const {
        QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton);
    }
    QString status() const { return control<QLabel>("lblWebStatus")->text(); }
    QString warning() const {
        const QLabel* label = control<QLabel>("lblWebWarning");
        return label->isVisible() ? label->text() : QString();
    }

    persist::StationLinks m_links;
    persist::WebPanelSettings m_web;
    int m_webApplied = 0;
    QStringList m_passwords;
    std::unique_ptr<LinkSetupDialog> m_dialog;
};

TEST_F(WebPanelSectionTest, WarnsWhileThePanelWouldListenBeyondThisComputerUnprotected) {
    EXPECT_EQ(warning(), "") << "off";
    control<QCheckBox>("chkWeb")->setChecked(true);
    EXPECT_EQ(warning(), "") << "loopback";
    type("txtWebAddress", QStringLiteral("0.0.0.0"));
    EXPECT_TRUE(warning().contains("Set a password"));
    EXPECT_TRUE(warning().contains("SSH tunnel"));
    type("txtPassword", QStringLiteral("long enough"));
    type("txtPasswordAgain", QStringLiteral("long enough"));
    click("cmdSetPassword");
    EXPECT_FALSE(warning().contains("Set a password"));
    type("txtCertificate", QStringLiteral("/etc/radio.crt"));
    EXPECT_EQ(warning(), "") << "a password and TLS";
}

TEST_F(WebPanelSectionTest, ANewPasswordIsCheckedBeforeTheProgramGetsIt) {
    struct Case {
        const char* first;
        const char* second;
        const char* status;
    };
    const Case cases[] = {
        {"short", "short", "at least 8 characters"},
        {"long enough", "long enuogh", "differ"},
        {"long enough", "long enough", "Password set."},
    };
    for (const Case& c : cases) {
        type("txtPassword", QString::fromLatin1(c.first));
        type("txtPasswordAgain", QString::fromLatin1(c.second));
        click("cmdSetPassword");
        EXPECT_TRUE(status().contains(QLatin1String(c.status))) << status().toStdString();
    }
    EXPECT_EQ(m_passwords, QStringList{"long enough"});
    EXPECT_TRUE(control<QLineEdit>("txtPassword")->text().isEmpty()) << "not left on the screen";
}

TEST_F(WebPanelSectionTest, ApplyKeepsTheSettingsOnlyWhenTheyAreWhole) {
    control<QCheckBox>("chkWeb")->setChecked(true);
    type("txtWebPort", QStringLiteral("8443"));
    type("txtCertificate", QStringLiteral("/etc/radio.crt"));
    click("cmdApply");
    EXPECT_TRUE(status().contains("both a certificate file and a key file"));
    EXPECT_EQ(m_webApplied, 0);
    type("txtKey", QStringLiteral("/etc/radio.key"));
    click("cmdApply");
    EXPECT_EQ(m_webApplied, 1);
    EXPECT_EQ(status(), "Web panel: http://127.0.0.1:8073/");
    EXPECT_TRUE(m_web.enabled);
    EXPECT_EQ(m_web.port, 8443);
    EXPECT_EQ(persist::loadWebPanelSettings(), m_web);
}

}  // namespace
}  // namespace tq::ui
