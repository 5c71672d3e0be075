// How fast the web panel moves: a real WebSocket client (QWebSocket) logged
// in to the web panel, measuring
//   in this process, the server beside a panel model as in the program:
//     page -> request table: a click message sent until the panel's click()
//                            runs (the request raised for the main loop),
//     model -> page:         a model value set until the update arrives;
//   against the real program (tq5820 --web on tq5820-sim --log-received),
//   logged in through the printed ?token= address, with the session cookie
//   and the page's own Origin:
//     page -> wire:  a VFO A digit press and release sent until the
//                    simulator prints the frequency command it received,
//     wire -> page:  the radio switched between remote and local ("toggle"
//                    on the simulator's standard input) until the page's
//                    update shows it; and a frequency set over network rig
//                    control until the page shows the new digits.
// Prints n, min, p50, p99 and max per path.
//
// usage: bench_web_panel [samples]   (default 1000 in this process; against
//        the program a fifth of them, at least 20, of clicks and of network
//        sets, and a tenth, at least 20, of remote/local switches)
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
#include <map>
#include <optional>
#include <vector>

#include "BenchStats.h"
#include "StationClients.h"
#include "TimedLines.h"
#include "link/SystemClock.h"
#include "panel/PanelModel.h"
#include "support/ProgramProcess.h"
#include "support/RecordingPanelActions.h"
#include "web/WebPanelServer.h"

namespace {

constexpr int kLimitMs = 5000;
/// How long a quick click holds a digit: within the panel's first step.
constexpr int kClickMs = 20;
/// Time left after a sample for what it set going to end.
constexpr int kSettleMs = 100;
/// The VFO A digit a click steps, in the radio's 10 Hz units.
constexpr int kThousandHz = 100;

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
    tq::bench::printLatencies(QStringLiteral("page -> request table"), toTable);
    tq::bench::printLatencies(QStringLiteral("model -> page"), toPage);
}

/// A stand-in for the page's messages: sends one, then handles events
/// until the condition holds; the time from the send, or -1 on the limit.
template <typename Sender, typename Signal>
double timed(const std::function<void()>& send, const std::function<bool()>& arrived,
             Sender* source, Signal signal) {
    const double start = tq::bench::steadyMs();
    double ms = -1;
    QEventLoop loop;
    const QMetaObject::Connection watch = QObject::connect(source, signal, &loop, [&] {
        if (ms < 0 && arrived()) {
            ms = tq::bench::steadyMs() - start;
            loop.quit();
        }
    });
    QTimer::singleShot(kLimitMs, &loop, &QEventLoop::quit);
    send();
    if (!arrived()) {
        loop.exec();
    } else {
        ms = tq::bench::steadyMs() - start;
    }
    QObject::disconnect(watch);
    return ms;
}

/// Handles events for a while, so what one sample set going settles first.
void settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void againstProgram(int samples) {
    const quint16 webPort = tq::bench::freeTcpPort();
    const quint16 rigPort = tq::bench::freeTcpPort();
    tq::test::ProgramProcess program(
        {.simArguments = {QStringLiteral("--log-received")},
         .programArguments = {QStringLiteral("--web=%1").arg(webPort),
                              QStringLiteral("--rigctld=%1").arg(rigPort)}});
    if (!program.ready() || !program.startToMainLoop(60000)) {
        std::fprintf(stderr, "tq5820 did not reach the main loop: %s\n",
                     qPrintable(program.output()));
        std::exit(1);
    }
    const QRegularExpression address(QStringLiteral("Web panel: \\S+/\\?token=(\\S+)"));
    const QString token = address.match(program.output()).captured(1);
    auto page = openPage(webPort, logIn(webPort, token));
    if (token.isEmpty() || !page->isValid()) {
        std::fprintf(stderr, "no page on the program's web panel: %s\n",
                     qPrintable(program.output()));
        std::exit(1);
    }
    tq::test::SimProcess& sim = program.sim();
    tq::bench::TimedLines wire(sim.process(), [&sim] { return sim.output(); });
    tq::bench::TimedLines said(program.process(), [&program] { return program.output(); });
    // The last message, and the VFO A digits the page last heard of.
    QString lastMessage;
    QString pageVfoA;
    static const QRegularExpression vfoA(QStringLiteral(R"re("vfoA":"(\d{7})")re"));
    std::map<QString, int> refusals;
    static const QRegularExpression refused(
        QStringLiteral(R"re("reason":"([^"]*)","t":"refused")re"));
    QObject::connect(page.get(), &QWebSocket::textMessageReceived, [&](const QString& message) {
        lastMessage = message;
        if (const auto match = refused.match(message); match.hasMatch()) {
            ++refusals[match.captured(1)];
        }
        if (const auto match = vfoA.match(message); match.hasMatch()) {
            pageVfoA = match.captured(1);
        }
    });
    // Waits until the page shows the digits, so what a sample set going has
    // ended before the next (the panel takes no click while its last one
    // still waits for the radio's answer).
    const auto untilPageShows = [&](int digits) {
        const QString wanted = QStringLiteral("%1").arg(digits, 7, 10, QLatin1Char('0'));
        timed([] {}, [&] { return pageVfoA == wanted; }, page.get(),
              &QWebSocket::textMessageReceived);
        settle(kSettleMs);
    };
    std::printf("against tq5820 on tq5820-sim: %s\n", qPrintable(tq::bench::machineLoad()));

    // Page -> wire: a quick click on the 1 kHz digit, up and down in turn,
    // until the frequency command reaches the radio. A click whose command
    // carries the frequency it started from stepped nothing; one that sends
    // nothing at all is lost. Both are counted, not timed.
    std::vector<double> toWire;
    int unstepped = 0;
    int lost = 0;
    int current = 1420000;
    const int clicks = std::max(20, samples / 5);
    for (int i = 0; i < clicks; ++i) {
        const bool up = i % 2 == 0;
        const QString message =
            QStringLiteral(R"({"t":"%1","stepper":"vfoA","index":4,"button":%2})")
                .arg(QStringLiteral("%1"), up ? QStringLiteral("1") : QStringLiteral("2"));
        const std::size_t before = wire.lines().size();
        const auto sent = [&]() -> std::optional<int> {
            for (std::size_t l = before; l < wire.lines().size(); ++l) {
                const QString& text = wire.lines()[l].text;
                if (text.startsWith(QStringLiteral("rx F"))) {
                    return text.mid(4, 7).toInt();
                }
            }
            return std::nullopt;
        };
        const double ms = timed(
            [&] {
                page->sendTextMessage(message.arg(QStringLiteral("press")));
                // Let go within the first step's pause, as a quick click does.
                QTimer::singleShot(kClickMs, page.get(), [&] {
                    page->sendTextMessage(message.arg(QStringLiteral("release")));
                });
            },
            [&] { return sent().has_value(); }, &sim.process(), &QProcess::readyReadStandardOutput);
        if (ms < 0) {
            ++lost;
        } else if (*sent() == current + (up ? kThousandHz : -kThousandHz)) {
            toWire.push_back(ms);
        } else {
            ++unstepped;
        }
        current = sent().value_or(current);
        untilPageShows(current);
    }
    tq::bench::printLatencies(QStringLiteral("page -> wire (digit click)"), toWire);
    std::printf("  clicks: %d, stepped %zu, sent the old frequency %d, sent nothing %d\n", clicks,
                toWire.size(), unstepped, lost);
    for (const auto& [reason, count] : refusals) {
        std::printf("  refused %d times: %s\n", count, qPrintable(reason));
    }

    // Wire -> page: the radio's own report of remote or local control.
    std::vector<double> switches;
    const int switchSamples = std::max(20, samples / 10);
    for (int i = 0; i < switchSamples; ++i) {
        const bool local = i % 2 == 0;
        const QString shown = local ? QStringLiteral(R"("remoteIndicator":"LOCAL")")
                                    : QStringLiteral(R"("remoteIndicator":"REMOTE")");
        const QString running = local ? QStringLiteral("Main loop running: LOCAL")
                                      : QStringLiteral("Main loop running: REMOTE");
        const std::size_t loopsBefore = said.startingWith(running).size();
        lastMessage.clear();
        const double ms = timed([&] { sim.process().write("toggle\n"); },
                                [&] { return lastMessage.contains(shown); }, page.get(),
                                &QWebSocket::textMessageReceived);
        if (ms < 0) {
            std::fprintf(stderr, "switch %d never reached the page\n", i);
            std::exit(1);
        }
        switches.push_back(ms);
        // The panel's set-up for the new control mode runs before the next.
        timed([] {}, [&] { return said.startingWith(running).size() > loopsBefore; },
              &program.process(), &QProcess::readyReadStandardOutput);
        settle(200);
    }
    tq::bench::printLatencies(QStringLiteral("wire -> page (remote/local)"), switches);

    // Wire -> page: a frequency set by network rig control, carried out by
    // the main loop on the radio, until the page shows the new digits.
    QTcpSocket rig;
    rig.connectToHost(QHostAddress::LocalHost, rigPort);
    if (!rig.waitForConnected(kLimitMs)) {
        std::fprintf(stderr, "no network rig control\n");
        std::exit(1);
    }
    QObject::connect(&rig, &QTcpSocket::readyRead, [&rig] { rig.readAll(); });
    std::vector<double> rigToPage;
    const int sets = std::max(20, samples / 5);
    for (int i = 0; i < sets; ++i) {
        const bool low = i % 2 == 0;
        const QByteArray line = low ? "F 7074000\n" : "F 14074000\n";
        const QString shown = low ? QStringLiteral("0707400") : QStringLiteral("1407400");
        const double ms = timed(
            [&] {
                rig.write(line);
                rig.flush();
            },
            [&] { return pageVfoA == shown; }, page.get(), &QWebSocket::textMessageReceived);
        if (ms < 0) {
            std::fprintf(stderr, "frequency set %d never reached the page\n", i);
            std::exit(1);
        }
        rigToPage.push_back(ms);
        settle(kSettleMs);
    }
    tq::bench::printLatencies(QStringLiteral("rigctl F -> page (vfoA)"), rigToPage);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int samples = argc > 1 ? std::max(10, std::atoi(argv[1])) : 1000;
    inProcess(samples);
    againstProgram(samples);
    return 0;
}
