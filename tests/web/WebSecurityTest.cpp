// Who gets in: salted slow password hashes, expiring sessions, a one-time access
// token, a slow-down for guessing, and only the login page without a session.
#include <gtest/gtest.h>

#include "support/TestClock.h"
#include "web/LoginThrottle.h"
#include "web/PasswordHash.h"
#include "web/SessionStore.h"
#include "web/WebRoutes.h"

namespace {

using tq::web::PasswordHash;
using tq::web::WebRequest;
using tq::web::WebResponse;

constexpr int kFewIterations = 1000;  // the check is the same; only slower in the program

TEST(WebPassword, OnlyThePasswordMatchesItsSaltedHash) {
    const QString hash = PasswordHash::make(QStringLiteral("correct horse"), kFewIterations);
    EXPECT_TRUE(hash.startsWith("pbkdf2-sha256$1000$") && !hash.contains("correct"));
    EXPECT_TRUE(PasswordHash::verify(QStringLiteral("correct horse"), hash));
    EXPECT_FALSE(PasswordHash::verify(QStringLiteral("correct hors"), hash));
    EXPECT_FALSE(PasswordHash::verify(QString(), hash));
    EXPECT_NE(PasswordHash::make(QStringLiteral("correct horse"), kFewIterations), hash)
        << "a fresh salt each time";
    const QStringList parts = hash.split(u'$');
    for (const QString& broken :
         {QString(), QStringLiteral("correct horse"), parts.mid(0, 3).join(u'$'),
          QStringList{QStringLiteral("md5"), parts[1], parts[2], parts[3]}.join(u'$'),
          QStringList{parts[0], QStringLiteral("0"), parts[2], parts[3]}.join(u'$'),
          QStringList{parts[0], parts[1], QStringLiteral("!!"), parts[3]}.join(u'$'),
          QStringList{parts[0], parts[1], parts[2], parts[3].left(8)}.join(u'$')}) {
        EXPECT_FALSE(PasswordHash::verify(QStringLiteral("correct horse"), broken))
            << broken.toStdString();
    }
}

class WebAccess : public ::testing::Test {
protected:
    tq::test::TestClock clock{23 * 3600.0};  // sessions live across midnight
    tq::web::WebTime time{clock};
    tq::web::SessionStore sessions{time};
    tq::web::LoginThrottle throttle{time};
};

TEST_F(WebAccess, SessionsLastTheirLifetimeAcrossMidnightAndATokenLogsInOnce) {
    const QString id = sessions.create();
    EXPECT_EQ(id.size(), 43) << "32 random bytes";
    EXPECT_NE(sessions.create(), id);
    clock.advance(tq::web::SessionStore::kLifetime - 1);
    EXPECT_TRUE(sessions.isValid(id));
    clock.advance(1);
    EXPECT_FALSE(sessions.isValid(id) || sessions.isValid(QString()));
    EXPECT_EQ(sessions.expire().size(), 2);

    EXPECT_FALSE(sessions.redeemAccessToken(QStringLiteral("anything")));
    const QString first = sessions.issueAccessToken();
    const QString second = sessions.issueAccessToken();
    EXPECT_FALSE(sessions.redeemAccessToken(first)) << "replaced";
    EXPECT_FALSE(sessions.redeemAccessToken(second.left(20)));
    EXPECT_TRUE(sessions.redeemAccessToken(second));
    EXPECT_FALSE(sessions.redeemAccessToken(second)) << "spent";
}

TEST_F(WebAccess, WrongPasswordsFromOneAddressWaitLongerEachTime) {
    const QHostAddress guesser(QStringLiteral("192.0.2.7"));
    const QHostAddress other(QStringLiteral("192.0.2.8"));
    const double expectedWaits[] = {0, 0, 0, 0, 1, 2, 4};
    for (double wait : expectedWaits) {
        EXPECT_DOUBLE_EQ(throttle.waitFor(guesser), wait);
        clock.advance(wait);
        throttle.failed(guesser);
    }
    EXPECT_DOUBLE_EQ(throttle.waitFor(QHostAddress(QStringLiteral("::ffff:192.0.2.7"))), 8)
        << "the same address written as IPv6";
    EXPECT_DOUBLE_EQ(throttle.waitFor(other), 0);
    for (int i = 0; i < 20; ++i) {
        clock.advance(throttle.waitFor(guesser));
        throttle.failed(guesser);
    }
    EXPECT_DOUBLE_EQ(throttle.waitFor(guesser), tq::web::LoginThrottle::kMaxDelay);
    clock.advance(tq::web::LoginThrottle::kMaxDelay);
    throttle.succeeded(guesser);
    throttle.failed(guesser);
    EXPECT_DOUBLE_EQ(throttle.waitFor(guesser), 0) << "a login starts afresh";
}

class WebRoutesTest : public WebAccess {
protected:
    static constexpr quint16 kPort = 8073;

    void SetUp() override { routes.setListening(false, true, kPort); }

    WebRequest request(const char* method, const QString& path, const QString& session = {}) {
        WebRequest r;
        r.method = method;
        r.path = path;
        r.peer = QHostAddress(QHostAddress::LocalHost);
        r.headers = {{"Host", "127.0.0.1:8073"}};
        if (!session.isEmpty()) {
            r.headers.append({"Cookie", "theme=dark; tq5820_session=" + session.toLatin1()});
        }
        return r;
    }

    WebResponse answer(const WebRequest& r) {
        auto outcome = routes.handle(r);
        const auto* response = std::get_if<WebResponse>(&outcome);
        EXPECT_NE(response, nullptr) << "answered at once";
        return response ? *response : WebResponse{};
    }

    static QByteArray header(const WebResponse& response, const QByteArray& name) {
        const QByteArray wire = response.toHttp(true);
        const qsizetype at = wire.indexOf("\r\n" + name + ": ");
        return at < 0 ? QByteArray() : wire.mid(at + name.size() + 4).split('\r').first();
    }

    tq::web::WebRoutes routes{sessions, throttle};
};

TEST_F(WebRoutesTest, WithoutASessionOnlyTheLoginPageIsServed) {
    struct Case {
        const char* method;
        const char* path;
        int status;
        QByteArray location;
    };
    const Case cases[] = {
        {"GET", "/", 303, "/login"},           {"GET", "/assets/panel.js", 401, {}},
        {"GET", "/assets/panel.css", 401, {}}, {"GET", "/state", 401, {}},
        {"POST", "/logout", 303, "/login"},    {"GET", "/login", 200, {}},
        {"GET", "/assets/login.css", 200, {}},
    };
    for (const Case& c : cases) {
        const WebResponse response = answer(request(c.method, QString::fromLatin1(c.path)));
        EXPECT_EQ(response.status, c.status) << c.method << ' ' << c.path;
        EXPECT_EQ(header(response, "Location"), c.location) << c.path;
        EXPECT_FALSE(response.body.contains("panel.js")) << c.path;
    }
}

TEST_F(WebRoutesTest, TheAccessTokensCookieOpensThePanelUnderItsPolicyUntilLogout) {
    // The browser sees HttpOnly, SameSite and the spent token; here the rest.
    WebRequest first = request("GET", QStringLiteral("/"));
    first.query.addQueryItem(QStringLiteral("token"), sessions.issueAccessToken());
    const WebResponse login = answer(first);
    EXPECT_EQ(login.status, 303);
    const QByteArray cookie = header(login, "Set-Cookie");
    EXPECT_TRUE(cookie.contains("; Max-Age=43200") && !cookie.contains("Secure")) << cookie.data();
    const QString session = QString::fromLatin1(cookie.split(';').first().split('=').last());

    const WebResponse page = answer(request("GET", QStringLiteral("/"), session));
    EXPECT_TRUE(page.status == 200 && page.body.contains("/assets/panel.js"));
    EXPECT_EQ(header(page, "Content-Security-Policy"), tq::web::contentSecurityPolicy());

    const WebResponse out = answer(request("POST", QStringLiteral("/logout"), session));
    EXPECT_TRUE(header(out, "Set-Cookie").contains("Max-Age=0"));
    EXPECT_EQ(answer(request("GET", QStringLiteral("/"), session)).status, 303);
}

TEST_F(WebRoutesTest, APasswordLoginIsCheckedThenAnsweredAndWrongOnesAreSlowedDown) {
    routes.setPasswordHash(PasswordHash::make(QStringLiteral("s3cret pass"), kFewIterations));
    WebRequest post = request("POST", QStringLiteral("/login"));
    post.headers.emplaceBack("Origin", "http://127.0.0.1:8073");
    post.body = "password=s3cret+pass";
    auto outcome = routes.handle(post);
    auto* check = std::get_if<tq::web::PasswordCheck>(&outcome);
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(check->password, "s3cret pass") << "a form's + is a blank";
    EXPECT_TRUE(
        header(routes.finishLogin(*check, true), "Set-Cookie").startsWith("tq5820_session="));
    for (int i = 0; i < tq::web::LoginThrottle::kFreeAttempts + 1; ++i) {
        EXPECT_EQ(routes.finishLogin(*check, false).status, 401);
    }
    const WebResponse slowed = answer(post);
    EXPECT_TRUE(slowed.status == 429 && slowed.body.contains("wait 1 s"));
    clock.advance(1);
    EXPECT_TRUE(std::holds_alternative<tq::web::PasswordCheck>(routes.handle(post)));
}

TEST_F(WebRoutesTest, ForeignOriginsHostNamesAndOversizedOrPasswordlessLoginsAreRefused) {
    WebRequest post = request("POST", QStringLiteral("/login"));
    post.body = "password=guess";
    EXPECT_EQ(answer(post).status, 403) << "no password is set";
    EXPECT_TRUE(answer(request("GET", QStringLiteral("/login"))).body.contains("access address"));
    WebRequest big = post;
    big.body = QByteArray(tq::web::WebRoutes::kMaxBody + 1, 'x');
    EXPECT_EQ(answer(big).status, 413);

    routes.setPasswordHash(PasswordHash::make(QStringLiteral("s3cret pass"), kFewIterations));
    post.headers.emplaceBack("Origin", "http://evil.example");
    EXPECT_EQ(answer(post).status, 403);
    WebRequest rebound = request("GET", QStringLiteral("/login"));
    rebound.headers = {{"Host", "evil.example:8073"}};
    EXPECT_EQ(answer(rebound).status, 400) << "a foreign name pointed at this computer";
    routes.setListening(true, false, kPort);
    EXPECT_EQ(answer(rebound).status, 200) << "beyond loopback the names are the operator's";
    rebound.headers.emplaceBack("Origin", "https://evil.example:8073");
    EXPECT_TRUE(routes.sameOrigin(rebound)) << "the page's own origin under TLS";
}

}  // namespace
