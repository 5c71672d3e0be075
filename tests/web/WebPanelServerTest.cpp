// The web panel over real loopback connections: the WebSocket only for a
// logged-in page of this server's own origin, every page kept in step with
// the model, its actions reaching the panel, and a page that goes away
// never left holding the transmitter.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTcpSocket>
#include <QTimer>
#include <QWebSocket>
#include <functional>
#include <memory>

#include "support/CoreApplication.h"
#include "support/RecordingPanelActions.h"
#include "support/TestClock.h"
#include "web/PasswordHash.h"
#include "web/WaitForCalls.h"
#include "web/WebPanelServer.h"

namespace {

using tq::web::WebPanelServer;

// Only keeps a broken build from hanging the suite; never a measurement.
constexpr int kLimitMs = 10000;

struct HttpAnswer {
    int status = 0;
    QByteArray head;
    QByteArray body;
    QByteArray cookie() const {
        for (const QByteArray& line : head.split('\n')) {
            if (line.startsWith("Set-Cookie: ")) {
                return line.mid(12).split(';').first();
            }
        }
        return {};
    }
};

class WebPanelServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        tq::test::ensureCoreApplication();
        ASSERT_FALSE(server.start(options).has_value());
    }

    QByteArray host() const { return "127.0.0.1:" + QByteArray::number(server.port()); }
    QString origin() const { return QStringLiteral("http://") + QString::fromLatin1(host()); }

    HttpAnswer http(const QByteArray& method, const QByteArray& target,
                    const QByteArray& cookie = {}, const QByteArray& body = {}) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, server.port());
        QByteArray request = method + ' ' + target + " HTTP/1.1\r\nHost: " + host() + "\r\n";
        if (!cookie.isEmpty()) {
            request += "Cookie: " + cookie + "\r\n";
        }
        if (!body.isEmpty()) {
            request += "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: " +
                       QByteArray::number(body.size()) + "\r\n";
        }
        socket.write(request + "\r\n" + body);
        HttpAnswer answer;
        QByteArray received;
        QSignalSpy arrived(&socket, &QTcpSocket::readyRead);
        while (true) {
            received += socket.readAll();
            const qsizetype end = received.indexOf("\r\n\r\n");
            if (end >= 0) {
                answer.head = received.left(end);
                const qsizetype lengthAt = answer.head.indexOf("Content-Length: ");
                const int length = answer.head.mid(lengthAt + 16).split('\r').first().toInt();
                if (received.size() >= end + 4 + length) {
                    answer.body = received.mid(end + 4, length);
                    answer.status = answer.head.mid(9, 3).toInt();
                    return answer;
                }
            }
            if (!arrived.wait(kLimitMs)) {
                ADD_FAILURE() << "no answer to " << target.constData();
                return answer;
            }
        }
    }

    QByteArray logIn() {
        const QByteArray token =
            server.accessAddress().section(QStringLiteral("token="), 1).toLatin1();
        return http("GET", "/?token=" + token).cookie();
    }

    // A page's WebSocket with the given cookie and origin; hello is its
    // first message when it is taken.
    std::unique_ptr<QWebSocket> openSocket(const QByteArray& cookie, const QString& from,
                                           const QString& path = QStringLiteral("/ws")) {
        auto socket = std::make_unique<QWebSocket>(from);
        QNetworkRequest request(
            QUrl(QStringLiteral("ws://%1%2").arg(QString::fromLatin1(host()), path)));
        if (!cookie.isEmpty()) {
            request.setRawHeader("Cookie", cookie);
        }
        socket->open(request);
        return socket;
    }

    bool waitForCalls(int count) { return tq::test::waitForCalls(actions, count); }

    // The next message that satisfies the predicate, skipping others.
    QJsonObject messageWhere(QSignalSpy& spy,
                             const std::function<bool(const QJsonObject&)>& wanted) {
        for (int skipped = 0; skipped < 50; ++skipped) {
            const QJsonObject message = nextMessage(spy);
            if (message.isEmpty() || wanted(message)) {
                return message;
            }
        }
        ADD_FAILURE() << "not among the next 50 messages";
        return {};
    }

    QJsonObject nextMessage(QSignalSpy& spy) {
        if (spy.isEmpty() && !spy.wait(kLimitMs)) {
            ADD_FAILURE() << "no message";
            return {};
        }
        return QJsonDocument::fromJson(spy.takeFirst().at(0).toString().toUtf8()).object();
    }

    tq::test::TestClock clock;
    tq::panel::PanelModel model;
    tq::test::RecordingPanelActions actions;
    tq::web::WebPanelOptions options;
    WebPanelServer server{model, actions, clock};
};

TEST_F(WebPanelServerTest, AWebSocketWithoutASessionOrFromAnotherOriginIsRefusedAtTheHandshake) {
    const QByteArray cookie = logIn();
    ASSERT_FALSE(cookie.isEmpty());
    struct Case {
        const char* what;
        QByteArray cookie;
        QString origin;
        QString path;
    };
    const Case cases[] = {
        {"no session", {}, origin(), QStringLiteral("/ws")},
        {"made-up session", "tq5820_session=guess", origin(), QStringLiteral("/ws")},
        {"another origin", cookie, QStringLiteral("http://127.0.0.1:1"), QStringLiteral("/ws")},
        {"no origin", cookie, QString(), QStringLiteral("/ws")},
        {"another path", cookie, origin(), QStringLiteral("/state")},
    };
    for (const Case& c : cases) {
        auto socket = openSocket(c.cookie, c.origin, c.path);
        QSignalSpy opened(socket.get(), &QWebSocket::connected);
        QSignalSpy messages(socket.get(), &QWebSocket::textMessageReceived);
        QSignalSpy closed(socket.get(), &QWebSocket::disconnected);
        ASSERT_TRUE(closed.wait(kLimitMs)) << c.what;
        EXPECT_TRUE(opened.isEmpty()) << c.what << ": the handshake is refused";
        EXPECT_TRUE(messages.isEmpty()) << c.what;
    }
    EXPECT_EQ(server.pageCount(), 0);
}

TEST_F(WebPanelServerTest, APageSeesEveryChangeAndItsActionsReachThePanel) {
    model.vfoA.set(QStringLiteral("1420000"));
    const QByteArray cookie = logIn();
    auto first = openSocket(cookie, origin());
    auto second = openSocket(cookie, origin());
    QSignalSpy firstMessages(first.get(), &QWebSocket::textMessageReceived);
    QSignalSpy secondMessages(second.get(), &QWebSocket::textMessageReceived);
    const QJsonObject hello = nextMessage(firstMessages);
    EXPECT_EQ(hello["t"].toString(), "hello");
    EXPECT_EQ(hello["fields"]["vfoA"].toString(), "1420000");
    EXPECT_EQ(nextMessage(firstMessages)["t"].toString(), "holds");
    EXPECT_EQ(nextMessage(secondMessages)["t"].toString(), "hello");
    firstMessages.clear();
    secondMessages.clear();

    first->sendTextMessage(R"({"t":"choose","box":"mode","value":"LSB"})");
    ASSERT_TRUE(waitForCalls(1));
    EXPECT_EQ(actions.calls, QStringList{"mode LSB"});

    model.mode.set(tq::panel::Mode::Lsb);
    model.setEnabled(tq::panel::Control::cmdXmit, false);
    const QJsonObject update = nextMessage(secondMessages);
    EXPECT_EQ(update["t"].toString(), "update");
    EXPECT_EQ(update["fields"]["mode"].toString(), "LSB");
    EXPECT_FALSE(update["controls"]["cmdXmit"]["enabled"].toBool());
    const QJsonObject sameUpdate = nextMessage(firstMessages);
    EXPECT_EQ(sameUpdate["fields"]["mode"].toString(), "LSB");

    first->sendTextMessage(R"({"t":"click","request":"cmdXmit"})");
    const QJsonObject refused = nextMessage(firstMessages);
    EXPECT_EQ(refused["t"].toString(), "refused");
    EXPECT_EQ(actions.calls, QStringList{"mode LSB"}) << "a disabled button is not clicked";
}

TEST_F(WebPanelServerTest, AClosedPageLetsGoOfPttAndTheOtherPagesHearOfIt) {
    const QByteArray cookie = logIn();
    auto holder = openSocket(cookie, origin());
    auto watcher = openSocket(cookie, origin());
    QSignalSpy holderMessages(holder.get(), &QWebSocket::textMessageReceived);
    QSignalSpy watcherMessages(watcher.get(), &QWebSocket::textMessageReceived);
    EXPECT_EQ(nextMessage(holderMessages)["t"].toString(), "hello");
    EXPECT_EQ(nextMessage(watcherMessages)["t"].toString(), "hello");
    holder->sendTextMessage(R"({"t":"press","stepper":"ptt","index":0,"button":1})");
    QJsonObject holds = messageWhere(watcherMessages, [](const QJsonObject& m) {
        return m["t"] == "holds" && !m["others"].toArray().isEmpty();
    });
    EXPECT_EQ(holds["others"].toArray().first().toString(), "ptt");
    ASSERT_TRUE(waitForCalls(1));
    EXPECT_EQ(actions.calls, QStringList{"press ptt 0 1"});

    watcher->sendTextMessage(R"({"t":"press","stepper":"ptt","index":0,"button":1})");
    const QJsonObject refused =
        messageWhere(watcherMessages, [](const QJsonObject& m) { return m["t"] == "refused"; });
    EXPECT_EQ(refused["reason"].toString(), "Another page holds that control.");

    QSignalSpy pages(&server, &WebPanelServer::pageCountChanged);
    holder->close();
    ASSERT_TRUE(pages.wait(kLimitMs));
    holds = messageWhere(watcherMessages, [](const QJsonObject& m) {
        return m["t"] == "holds" && m["others"].toArray().isEmpty();
    });
    EXPECT_FALSE(holds.isEmpty());
    ASSERT_TRUE(waitForCalls(2));
    EXPECT_EQ(actions.calls, QStringList({"press ptt 0 1", "release ptt 0 1"}));
}

TEST_F(WebPanelServerTest, APageIsClosedWhenItsSessionEndsByLogoutOrExpiry) {
    const QByteArray loggedOut = logIn();
    const QByteArray expiring =
        http("GET",
             "/?token=" + server.accessAddress().section(QStringLiteral("token="), 1).toLatin1())
            .cookie();
    EXPECT_TRUE(expiring.isEmpty()) << "the token was spent by the first login";
    auto page = openSocket(loggedOut, origin());
    QSignalSpy messages(page.get(), &QWebSocket::textMessageReceived);
    EXPECT_EQ(nextMessage(messages)["t"].toString(), "hello");
    QSignalSpy closed(page.get(), &QWebSocket::disconnected);
    EXPECT_EQ(http("POST", "/logout", loggedOut).status, 303);
    server.tick();
    ASSERT_TRUE(closed.wait(kLimitMs));
    EXPECT_EQ(page->closeCode(), QWebSocketProtocol::CloseCodePolicyViolated);
    EXPECT_EQ(page->closeReason(), "Logged out.");

    server.setPasswordHash(std::nullopt);  // a fresh access address
    const QByteArray again = logIn();
    auto second = openSocket(again, origin());
    QSignalSpy secondMessages(second.get(), &QWebSocket::textMessageReceived);
    EXPECT_EQ(nextMessage(secondMessages)["t"].toString(), "hello");
    QSignalSpy secondClosed(second.get(), &QWebSocket::disconnected);
    clock.advance(tq::web::SessionStore::kLifetime - 1);
    server.tick();
    EXPECT_EQ(server.pageCount(), 1);
    clock.advance(1);
    server.tick();
    ASSERT_TRUE(secondClosed.wait(kLimitMs));
    EXPECT_EQ(http("GET", "/", again).status, 303) << "back to the login page";
}

TEST_F(WebPanelServerTest, APasswordIsCheckedOffTheUserInterfaceThreadAndLogsIn) {
    server.setPasswordHash(tq::web::PasswordHash::make(QStringLiteral("let me in"), 1000));
    EXPECT_FALSE(server.accessAddress().contains("token")) << "a password replaces the token";
    QSignalSpy checked(&server, &WebPanelServer::loginChecked);
    const HttpAnswer wrong = http("POST", "/login", {}, "password=let+me+out");
    EXPECT_EQ(wrong.status, 401);
    EXPECT_TRUE(wrong.body.contains("Wrong password."));
    const HttpAnswer right = http("POST", "/login", {}, "password=let+me+in");
    EXPECT_EQ(right.status, 303);
    ASSERT_EQ(checked.size(), 2);
    EXPECT_FALSE(checked[0][0].toBool());
    EXPECT_TRUE(checked[1][0].toBool());
    EXPECT_EQ(http("GET", "/", right.cookie()).status, 200);
    EXPECT_EQ(http("GET", "/assets/panel.js").status, 401);
}

TEST(WebPanelServerTls, TheWholePanelIsServedOverTlsWithASecureCookie) {
    tq::test::ensureCoreApplication();
    tq::test::TestClock clock;
    tq::panel::PanelModel model;
    tq::test::RecordingPanelActions actions;
    WebPanelServer server(model, actions, clock);
    tq::web::WebPanelOptions options;
    options.certificateFile = QStringLiteral(TQ_WEB_TEST_DATA "/test-cert.pem");
    options.keyFile = QStringLiteral(TQ_WEB_TEST_DATA "/test-key.pem");
    ASSERT_EQ(server.start(options), std::nullopt);
    EXPECT_TRUE(server.address().startsWith("https://127.0.0.1:"));

    QSslSocket socket;
    socket.setPeerVerifyMode(QSslSocket::VerifyNone);  // the test's own certificate
    socket.connectToHostEncrypted(QStringLiteral("127.0.0.1"), server.port());
    ASSERT_TRUE(QSignalSpy(&socket, &QSslSocket::encrypted).wait(kLimitMs));
    const QByteArray token = server.accessAddress().section(QStringLiteral("token="), 1).toLatin1();
    socket.write("GET /?token=" + token +
                 " HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(server.port()) + "\r\n\r\n");
    QByteArray head;
    QSignalSpy arrived(&socket, &QSslSocket::readyRead);
    while (!head.contains("\r\n\r\n") && arrived.wait(kLimitMs)) {
        head += socket.readAll();
    }
    EXPECT_TRUE(head.startsWith("HTTP/1.1 303"));
    EXPECT_TRUE(head.contains("; Secure"));
    const QByteArray cookie = head.mid(head.indexOf("tq5820_session=")).split(';').first();

    QWebSocket page(QStringLiteral("https://127.0.0.1:%1").arg(server.port()));
    QSslConfiguration trusting = QSslConfiguration::defaultConfiguration();
    trusting.setPeerVerifyMode(QSslSocket::VerifyNone);
    page.setSslConfiguration(trusting);
    QNetworkRequest request(QUrl(QStringLiteral("wss://127.0.0.1:%1/ws").arg(server.port())));
    request.setRawHeader("Cookie", cookie);
    QSignalSpy messages(&page, &QWebSocket::textMessageReceived);
    page.open(request);
    ASSERT_TRUE(messages.wait(kLimitMs));
    EXPECT_TRUE(messages.first().first().toString().contains("\"hello\""));
}

TEST(WebPanelServerStart, RefusesToListenBeyondLoopbackWithoutAPasswordOrWithABadCertificate) {
    tq::test::ensureCoreApplication();
    tq::test::TestClock clock;
    tq::panel::PanelModel model;
    tq::test::RecordingPanelActions actions;
    WebPanelServer server(model, actions, clock);
    tq::web::WebPanelOptions options;
    options.address = QStringLiteral("0.0.0.0");
    EXPECT_TRUE(server.start(options).value_or(QString()).contains("set a password"));
    options.address = QStringLiteral("radio.example");
    EXPECT_TRUE(server.start(options).value_or(QString()).contains("not an IP address"));
    options.address = QStringLiteral("127.0.0.1");
    options.certificateFile = QStringLiteral("/nonexistent/cert.pem");
    options.keyFile = QStringLiteral("/nonexistent/key.pem");
    EXPECT_TRUE(server.start(options).value_or(QString()).contains("certificate"));
    EXPECT_FALSE(server.isListening());
}

}  // namespace
