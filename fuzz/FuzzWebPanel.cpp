// The web panel's input comes from any browser that reaches the port: a
// page's message either decodes to a command within the panel's ranges or
// is refused, and no request reaches the panel before a login.
#include <QCoreApplication>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <variant>

#include "link/Clock.h"
#include "web/PageMessage.h"
#include "panel/PanelNames.h"
#include "web/WebRoutes.h"

namespace {

class StillClock final : public tq::link::Clock {
public:
    double now() override { return 43200.0; }
    void waitForEvents(double) override {}
    void sleep(double) override {}
};

void checkMessage(const QByteArray& bytes) {
    using Kind = tq::web::PageCommand::Kind;
    const auto parsed = tq::web::parsePageMessage(bytes);
    const auto* command = std::get_if<tq::web::PageCommand>(&parsed);
    if (!command) {
        return;
    }
    const auto outside = [](int value, int low, int high) { return value < low || value > high; };
    bool bad = false;
    switch (command->kind) {
        case Kind::Press:
        case Kind::Release:
            bad = outside(command->index, 0, tq::panel::stepperPositions(command->stepper) - 1) ||
                  outside(command->button, 1, command->stepper == tq::panel::Stepper::Ptt ? 1 : 2);
            break;
        case Kind::Meter:
            bad = outside(command->value, 0, 5);
            break;
        case Kind::Bfo:
            bad = outside(command->value, 0, 200);
            break;
        case Kind::RfGain:
            bad = outside(command->value, 0, 63);
            break;
        default:
            break;
    }
    if (bad) {
        std::abort();  // a value outside what the panel offers got through
    }
}

void checkRequest(const QByteArray& bytes) {
    static StillClock clock;
    static tq::web::WebTime time(clock);
    static tq::web::SessionStore sessions(time);
    static tq::web::LoginThrottle throttle(time);
    static tq::web::WebRoutes routes(sessions, throttle);
    // First line: method and path; the rest: the body.
    const qsizetype end = bytes.indexOf('\n');
    const QList<QByteArray> start = bytes.left(end < 0 ? bytes.size() : end).split(' ');
    tq::web::WebRequest request;
    request.method = start.value(0);
    request.path = QString::fromUtf8(start.value(1));
    request.headers = {{"Host", "127.0.0.1:0"}, {"Cookie", start.value(2)}};
    request.body = end < 0 ? QByteArray() : bytes.mid(end + 1);
    const auto outcome = routes.handle(request);
    if (const auto* response = std::get_if<tq::web::WebResponse>(&outcome)) {
        if (response->status == 200 && response->body.contains("/assets/panel.js")) {
            std::abort();  // the panel served without a login
        }
    }
    if (sessions.count() != 0) {
        std::abort();  // a session made without the token or a password
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static int argc = 1;
    static char name[] = "fuzz_web_panel";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);  // the page files are Qt resources
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    checkMessage(bytes);
    checkRequest(bytes);
    return 0;
}
