// How fast the web panel moves: a real WebSocket client (QWebSocket) logged
// in to the web panel server, measuring
//   page -> request table: a click message sent until the panel's click()
//                          runs (the request raised for the main loop),
//   model -> page:         a model value set until the update arrives,
// both with the server in this process beside a panel model, as in the
// program; and the round trip click -> model change -> update against
// tq5820-web-host in its own process. Prints p50, p99 and max per path.
//
// usage: bench_web_panel [samples]   (default 1000)
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTimer>
#include <QWebSocket>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "link/SystemClock.h"
#include "panel/PanelModel.h"
#include "support/RecordingPanelActions.h"
#include "web/WebPanelServer.h"

namespace {

constexpr int kLimitMs = 5000;

double percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1))];
}

void report(const char* path, const std::vector<double>& ms) {
    std::printf("%-26s n=%zu  min %.3f  p50 %.3f  p99 %.3f  max %.3f ms\n", path, ms.size(),
                *std::min_element(ms.begin(), ms.end()), percentile(ms, 0.5), percentile(ms, 0.99),
                *std::max_element(ms.begin(), ms.end()));
}

// Handles events until done() holds; false after kLimitMs.
bool runUntil(const std::function<bool()>& done, const std::function<void(QEventLoop&)>& hook) {
    if (done()) {
        return true;
    }
    QEventLoop loop;
    QTimer::singleShot(kLimitMs, &loop, &QEventLoop::quit);
    hook(loop);
    loop.exec();
    return done();
}

// Logs in with the access token and returns the session cookie.
QByteArray logIn(quint16 port, const QString& token) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    socket.write("GET /?token=" + token.toLatin1() +
                 " HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(port) + "\r\n\r\n");
    QByteArray head;
    QEventLoop loop;
    QObject::connect(&socket, &QTcpSocket::readyRead, &loop, [&] {
        head += socket.readAll();
        if (head.contains("\r\n\r\n")) {
            loop.quit();
        }
    });
    QTimer::singleShot(kLimitMs, &loop, &QEventLoop::quit);
    loop.exec();
    const QRegularExpression cookie(QStringLiteral("Set-Cookie: ([^;]+);"));
    return cookie.match(QString::fromLatin1(head)).captured(1).toLatin1();
}

std::unique_ptr<QWebSocket> openPage(quint16 port, const QByteArray& cookie) {
    const QString origin = QStringLiteral("http://127.0.0.1:%1").arg(port);
    auto page = std::make_unique<QWebSocket>(origin);
    QNetworkRequest request(QUrl(QStringLiteral("ws://127.0.0.1:%1/ws").arg(port)));
    request.setRawHeader("Cookie", cookie);
    bool hello = false;
    QObject::connect(page.get(), &QWebSocket::textMessageReceived, [&](const QString& message) {
        hello = hello || message.contains("\"hello\"");
    });
    page->open(request);
    runUntil([&] { return hello; },
             [&](QEventLoop& loop) {
                 QObject::connect(page.get(), &QWebSocket::textMessageReceived, &loop,
                                  &QEventLoop::quit);
             });
    page->disconnect();
    return page;
}

void inProcess(int samples) {
    tq::link::SystemClock clock;
    tq::panel::PanelModel model;
    tq::test::RecordingPanelActions actions;
    tq::web::WebPanelServer server(model, actions, clock);
    if (const auto failure = server.start({})) {
        std::fprintf(stderr, "%s\n", qPrintable(*failure));
        std::exit(1);
    }
    const QString token = server.accessAddress().section(QStringLiteral("token="), 1);
    auto page = openPage(server.port(), logIn(server.port(), token));

    QElapsedTimer timer;
    std::vector<double> toTable;
    std::vector<double> toPage;
    for (int i = 0; i < samples; ++i) {
        const qsizetype before = actions.calls.size();
        timer.start();
        page->sendTextMessage(QStringLiteral(R"({"t":"click","request":"cmdA2B"})"));
        double elapsed = 0;
        const bool ok = runUntil([&] { return actions.calls.size() > before; },
                                 [&](QEventLoop& loop) {
                                     actions.onCall = [&](const QString&) {
                                         elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e6;
                                         loop.quit();
                                     };
                                 });
        actions.onCall = nullptr;
        if (!ok) {
            std::fprintf(stderr, "click %d never arrived\n", i);
            std::exit(1);
        }
        toTable.push_back(elapsed);

        const QString digits = QStringLiteral("%1").arg(1420000 + i, 7, 10, QLatin1Char('0'));
        bool arrived = false;
        QMetaObject::Connection watch =
            QObject::connect(page.get(), &QWebSocket::textMessageReceived, [&](const QString& m) {
                if (!arrived && m.contains(digits)) {
                    arrived = true;
                    toPage.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
                }
            });
        timer.start();
        model.vfoA.set(digits);
        if (!runUntil([&] { return arrived; },
                      [&](QEventLoop& loop) {
                          QObject::connect(page.get(), &QWebSocket::textMessageReceived, &loop,
                                           [&] {
                                               if (arrived)
                                                   loop.quit();
                                           });
                      })) {
            std::fprintf(stderr, "update %d never arrived\n", i);
            std::exit(1);
        }
        QObject::disconnect(watch);
    }
    report("page -> request table", toTable);
    report("model -> page", toPage);
}

void againstHost(int samples) {
    QProcess host;
    host.setProgram(QCoreApplication::applicationDirPath() + QStringLiteral("/tq5820-web-host"));
    host.setArguments({QStringLiteral("--port"), QStringLiteral("0")});
    host.start();
    QByteArray first;
    runUntil([&] { return first.contains('\n'); },
             [&](QEventLoop& loop) {
                 QObject::connect(&host, &QProcess::readyReadStandardOutput, &loop, [&] {
                     first += host.readAllStandardOutput();
                     if (first.contains('\n'))
                         loop.quit();
                 });
             });
    const QRegularExpression address(QStringLiteral(":(\\d+)/\\?token=(\\S+)"));
    const auto match = address.match(QString::fromLatin1(first));
    if (!match.hasMatch()) {
        std::fprintf(stderr, "tq5820-web-host did not start: %s\n", first.constData());
        std::exit(1);
    }
    const auto port = static_cast<quint16>(match.captured(1).toUInt());
    auto page = openPage(port, logIn(port, match.captured(2)));
    // Drain the host's WIRE/MODEL lines so its output pipe never fills.
    QObject::connect(&host, &QProcess::readyReadStandardOutput,
                     [&] { host.readAllStandardOutput(); });

    QElapsedTimer timer;
    std::vector<double> roundTrips;
    for (int i = 0; i < samples; ++i) {
        // Split toggles on each click; the update names the new state.
        const QString wanted =
            i % 2 == 0 ? QStringLiteral("Split On") : QStringLiteral("Split Off");
        bool arrived = false;
        QMetaObject::Connection watch =
            QObject::connect(page.get(), &QWebSocket::textMessageReceived, [&](const QString& m) {
                if (!arrived && m.contains(wanted)) {
                    arrived = true;
                    roundTrips.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
                }
            });
        timer.start();
        page->sendTextMessage(QStringLiteral(R"({"t":"click","request":"cmdSplit"})"));
        if (!runUntil([&] { return arrived; },
                      [&](QEventLoop& loop) {
                          QObject::connect(page.get(), &QWebSocket::textMessageReceived, &loop,
                                           [&] {
                                               if (arrived)
                                                   loop.quit();
                                           });
                      })) {
            std::fprintf(stderr, "round trip %d never came back\n", i);
            std::exit(1);
        }
        QObject::disconnect(watch);
    }
    report("click -> update (host)", roundTrips);
    host.terminate();
    host.waitForFinished();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int samples = argc > 1 ? std::max(10, std::atoi(argv[1])) : 1000;
    inProcess(samples);
    againstHost(samples);
    return 0;
}
