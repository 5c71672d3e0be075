// The web panel section of Station Software Links.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include "persist/DataDirectoryTest.h"
#include "persist/WebPanelFile.h"
#include "support/WidgetApplication.h"
#include "ui/WidgetText.h"
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
        return m_dialog->findChild<Control*>(QString::fromLatin1(name));
    }
    void type(const char* name, const char* text) const {
        control<QLineEdit>(name)->setText(QString::fromUtf8(text));
    }
    void click(const char* name) const { EXPECT_TRUE(test::clickButton(*m_dialog, name)); }
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

TEST_F(WebPanelSectionTest, WarnsUntilAnOpenPanelIsProtectedAndApplyKeepsOnlyWholeSettings) {
    control<QCheckBox>("chkWeb")->setChecked(true);
    EXPECT_EQ(warning(), "") << "loopback";
    type("txtWebAddress", "0.0.0.0");
    EXPECT_TRUE(warning().contains("Set a password"));
    control<QCheckBox>("chkWeb")->setChecked(false);
    EXPECT_EQ(warning(), "") << "off";
    control<QCheckBox>("chkWeb")->setChecked(true);
    const std::tuple<const char*, const char*, const char*> passwords[] = {
        {"short", "short", "at least 8 characters"},
        {"long enough", "long enuogh", "differ"},
        {"long enough", "long enough", "Password set."},
    };
    for (const auto& [first, second, said] : passwords) {
        EXPECT_TRUE(warning().contains("Set a password")) << first;
        type("txtPassword", first);
        type("txtPasswordAgain", second);
        click("cmdSetPassword");
        EXPECT_TRUE(status().contains(QLatin1String(said))) << status().toStdString();
    }
    EXPECT_EQ(m_passwords, QStringList{"long enough"});
    EXPECT_TRUE(control<QLineEdit>("txtPassword")->text().isEmpty()) << "not left on the screen";
    EXPECT_FALSE(warning().contains("Set a password"));
    type("txtCertificate", "/etc/radio.crt");
    EXPECT_EQ(warning(), "") << "a password and TLS";
    // A port Apply refuses, or a certificate without its key.
    const std::pair<const char*, const char*> refused[] = {
        {"8443", "both a certificate file and a key file"},
        {"0", "from 1 to 65535"},
        {"65536", "from 1 to 65535"},
    };
    for (const auto& [port, said] : refused) {
        type("txtWebPort", port);
        click("cmdApply");
        EXPECT_TRUE(status().contains(QLatin1String(said))) << port;
    }
    EXPECT_EQ(m_webApplied, 0);
    type("txtKey", "/etc/radio.key");
    for (const int port : {1, 65535}) {
        type("txtWebPort", QByteArray::number(port).constData());
        click("cmdApply");
        EXPECT_EQ(m_web.port, port);
    }
    EXPECT_EQ(m_webApplied, 2);
    EXPECT_EQ(status(), "Web panel: http://127.0.0.1:8073/");
    EXPECT_TRUE(m_web.enabled);
    EXPECT_EQ(persist::loadWebPanelSettings(), m_web);
}

}  // namespace
}  // namespace tq::ui
