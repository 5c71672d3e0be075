// The web panel over loopback: the WebSocket only for a logged-in page, refusals and
// session ends told to the page, and TLS. The browser test drives the panel itself.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QSslSocket>
#include <QTcpSocket>
#include <QWebSocket>
#include <functional>
#include <memory>

#include "support/CoreApplication.h"
#include "support/RecordingPanelActions.h"
#include "support/TestClock.h"
#include "web/WebPanelServer.h"

namespace {

using tq::web::WebPanelServer;

// Only keeps a broken build from hanging the suite; never a measurement.
constexpr int kLimitMs = 10000;

/// The head of the answer to one request; the bodies are not needed here.
QByteArray answerHead(QAbstractSocket& socket, const QByteArray& request) {
    socket.write(request);
    QByteArray received;
    QSignalSpy arrived(&socket, &QIODevice::readyRead);
    while (!received.contains("\r\n\r\n") && arrived.wait(kLimitMs)) {
        received += socket.readAll();
    }
    return received.left(received.indexOf("\r\n\r\n"));
}

QByteArray sessionCookie(const QByteArray& head) {
    const qsizetype at = head.indexOf("tq5820_session=");
    return at < 0 ? QByteArray() : head.mid(at).split(';').first();
}

class WebPanelServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        tq::test::ensureCoreApplication();
        ASSERT_FALSE(server.start(options).has_value());
    }

    QByteArray host() const { return "127.0.0.1:" + QByteArray::number(server.port()); }
    QString origin() const { return QStringLiteral("http://") + QString::fromLatin1(host()); }
    QByteArray token() const {
        return server.accessAddress().section(QStringLiteral("token="), 1).toLatin1();
    }
    QByteArray request(const QByteArray& method, const QByteArray& target,
                       const QByteArray& cookie = {}) const {
        return method + ' ' + target + " HTTP/1.1\r\nHost: " + host() + "\r\n" +
               (cookie.isEmpty() ? QByteArray() : "Cookie: " + cookie + "\r\n") + "\r\n";
    }
    QByteArray answer(const QByteArray& request) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, server.port());
        return answerHead(socket, request);
    }
    QByteArray logIn() { return sessionCookie(answer(request("GET", "/?token=" + token()))); }

    std::unique_ptr<QWebSocket> openSocket(const QByteArray& cookie, const QString& from) {
        auto socket = std::make_unique<QWebSocket>(from);
        QNetworkRequest request(
            QUrl(QStringLiteral("ws://%1/ws").arg(QString::fromLatin1(host()))));
        if (!cookie.isEmpty()) {
            request.setRawHeader("Cookie", cookie);
        }
        socket->open(request);
        return socket;
    }

    /// The next message of the given type (that also passes `wanted`), skipping others.
    const QJsonObject next(QSignalSpy& spy, const char* type,
                           const std::function<bool(const QJsonObject&)>& wanted = {}) {
        for (int skipped = 0; skipped < 50; ++skipped) {
            if (spy.isEmpty() && !spy.wait(kLimitMs)) {
                break;
            }
            const QJsonObject message =
                QJsonDocument::fromJson(spy.takeFirst().at(0).toString().toUtf8()).object();
            if (message["t"] == QLatin1String(type) && (!wanted || wanted(message))) {
                return message;
            }
        }
        ADD_FAILURE() << "no " << type << " message";
        return {};
    }

    tq::test::TestClock clock;
    tq::panel::PanelModel model;
    tq::test::RecordingPanelActions actions;
    tq::web::WebPanelOptions options;
    WebPanelServer server{model, actions, clock};
};

TEST_F(WebPanelServerTest, AWebSocketWithoutAValidSessionOrOriginIsRefusedAtTheHandshake) {
    const QByteArray cookie = logIn();
    ASSERT_FALSE(cookie.isEmpty());
    const std::tuple<const char*, QByteArray, QString> cases[] = {
        {"no session", {}, origin()},
        {"made-up session", "tq5820_session=guess", origin()},
        {"no origin", cookie, QString()},
    };
    for (const auto& [what, withCookie, from] : cases) {
        auto socket = openSocket(withCookie, from);
        QSignalSpy opened(socket.get(), &QWebSocket::connected);
        QSignalSpy closed(socket.get(), &QWebSocket::disconnected);
        ASSERT_TRUE(closed.wait(kLimitMs)) << what;
        EXPECT_TRUE(opened.isEmpty()) << what;
    }
    EXPECT_EQ(server.pageCount(), 0);
}

TEST_F(WebPanelServerTest, APageIsToldWhyItsActionWasRefusedWhoHoldsWhatAndWhenItsSessionEnded) {
    model.setEnabled(tq::panel::Control::cmdXmit, false);
    const QByteArray cookie = logIn();
    auto holder = openSocket(cookie, origin());
    auto other = openSocket(cookie, origin());
    QSignalSpy holderMessages(holder.get(), &QWebSocket::textMessageReceived);
    QSignalSpy otherMessages(other.get(), &QWebSocket::textMessageReceived);
    EXPECT_FALSE(next(holderMessages, "hello")["controls"]["cmdXmit"]["enabled"].toBool());
    next(otherMessages, "hello");
    // A change to the panel reaches every page; the raw reply box stays on the window.
    model.rfGain.set(55);
    model.rawData.set(QStringLiteral("F1420000"));
    model.setEnabled(tq::panel::Control::cmdXmit, true);
    for (QSignalSpy* page : {&holderMessages, &otherMessages}) {
        const QJsonObject update = next(*page, "update");
        EXPECT_EQ(update["fields"]["rfGain"]["readout"].toString(), "087");
        EXPECT_FALSE(update["fields"].toObject().contains("rawData"));
        EXPECT_TRUE(update["controls"]["cmdXmit"]["enabled"].toBool());
    }
    model.setEnabled(tq::panel::Control::cmdXmit, false);  // a control alone is news too
    EXPECT_FALSE(next(otherMessages, "update")["controls"]["cmdXmit"]["enabled"].toBool());
    holder->sendTextMessage(R"({"t":"press","stepper":"ptt","index":0,"button":1})");
    const auto othersHold = [](const QJsonObject& m) { return !m["others"].toArray().isEmpty(); };
    EXPECT_EQ(next(otherMessages, "holds", othersHold)["others"].toArray(), QJsonArray{"ptt"});
    other->sendTextMessage(R"({"t":"press","stepper":"ptt","index":0,"button":1})");
    EXPECT_EQ(next(otherMessages, "refused")["reason"].toString(),
              "Another page holds that control.");
    other->sendTextMessage(R"({"t":"click","request":"cmdXmit"})");
    EXPECT_FALSE(next(otherMessages, "refused").isEmpty());
    EXPECT_EQ(actions.calls, QStringList{"press ptt 0 1"});

    QSignalSpy closed(other.get(), &QWebSocket::disconnected);
    EXPECT_TRUE(answer(request("POST", "/logout", cookie)).startsWith("HTTP/1.1 303"));
    server.tick();
    ASSERT_TRUE(closed.wait(kLimitMs));
    EXPECT_EQ(other->closeCode(), QWebSocketProtocol::CloseCodePolicyViolated);
    EXPECT_EQ(other->closeReason(), "Logged out.");
}

TEST_F(WebPanelServerTest, ThePanelIsServedOverTlsWithASecureCookie) {
    server.stop();
    options.certificateFile = QStringLiteral(TQ_WEB_TEST_DATA "/test-cert.pem");
    options.keyFile = QStringLiteral(TQ_WEB_TEST_DATA "/test-key.pem");
    ASSERT_EQ(server.start(options), std::nullopt);
    EXPECT_TRUE(server.address().startsWith("https://127.0.0.1:"));
    QSslSocket socket;
    socket.setPeerVerifyMode(QSslSocket::VerifyNone);  // the test's own certificate
    socket.connectToHostEncrypted(QStringLiteral("127.0.0.1"), server.port());
    ASSERT_TRUE(QSignalSpy(&socket, &QSslSocket::encrypted).wait(kLimitMs));
    const QByteArray head = answerHead(socket, request("GET", "/?token=" + token()));
    EXPECT_TRUE(head.startsWith("HTTP/1.1 303"));
    EXPECT_TRUE(head.contains("; Secure"));
}

TEST_F(WebPanelServerTest, RefusesToListenBeyondLoopbackWithoutAPasswordOrWithABadCertificate) {
    server.stop();
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"0.0.0.0", "", "set a password"},
        {"127.0.0.1", "/nonexistent/cert.pem", "certificate"},
    };
    for (const auto& [address, certificate, said] : cases) {
        options.address = QString::fromLatin1(address);
        options.certificateFile = options.keyFile = QString::fromLatin1(certificate);
        EXPECT_TRUE(server.start(options).value_or(QString()).contains(QLatin1String(said)))
            << address;
        EXPECT_FALSE(server.isListening());
    }
}

}  // namespace
