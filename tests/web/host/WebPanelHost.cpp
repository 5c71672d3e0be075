// tq5820-web-host: the web panel against a panel model with a stand-in
// program behind it, so the page can be driven in a browser (the browser
// tests, a look at the page) without a radio. Prints the address to open,
// then one line per thing the program would send the radio ("WIRE ...")
// and per model change of the read-outs the tests watch ("MODEL ...").
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRandomGenerator>
#include <QTextStream>
#include <QTimer>

#include "link/SystemClock.h"
#include "panel/MeterScale.h"
#include "panel/PanelModel.h"
#include "web/FieldEncoding.h"
#include "web/PasswordHash.h"
#include "web/WebPanelServer.h"
#include "web/host/HostActions.h"

namespace {

// The read-outs whose changes are printed: what the window would show.
constexpr tq::panel::Field kWatched[] = {tq::panel::Field::vfoA, tq::panel::Field::mode,
                                         tq::panel::Field::agc, tq::panel::Field::infoLine};

void setUpPanel(tq::panel::PanelModel& model) {
    using namespace tq::panel;
    model.vfoA.set(QStringLiteral("1420000"));
    model.vfoB.set(QStringLiteral("0707400"));
    model.vfoBMode.set(Mode::Lsb);
    model.mode.set(Mode::Usb);
    model.agc.set(Agc::Slow);
    model.source.set(Source::Mic);
    model.stepSize.set(StepSize::KHz1);
    model.infoLine.set(QString());
    model.controlMode.set(ControlMode::Remote);
    model.remoteIndicator.set(RemoteIndicator::Remote);
    model.remoteIndicatorColour.set(Colour::ButtonText);
    model.comStatus.set(QStringLiteral("Com OK"));
    model.meterChecked.set(0);
    model.meterLabels.set(MeterLabels{false, 0});
    model.meterScale.set(meterScaleFor(QStringLiteral("D1"), false).value_or(QString()));
    model.ampPower.set(AmpPower::Off);
    model.info.set(QStringLiteral("Web panel test host: no radio behind this panel."));
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("The TQ-5820 web panel against a stand-in program."));
    parser.addHelpOption();
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("TCP port (0: any free one)."),
                                  QStringLiteral("port"), QStringLiteral("0"));
    const QCommandLineOption address(QStringLiteral("address"), QStringLiteral("Listen address."),
                                     QStringLiteral("address"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption password(
        QStringLiteral("password"),
        QStringLiteral("Require this password (else a one-time token)."),
        QStringLiteral("password"));
    const QCommandLineOption certificate(QStringLiteral("certificate"),
                                         QStringLiteral("TLS certificate (PEM)."),
                                         QStringLiteral("file"));
    const QCommandLineOption key(QStringLiteral("key"), QStringLiteral("TLS private key (PEM)."),
                                 QStringLiteral("file"));
    parser.addOptions({port, address, password, certificate, key});
    parser.process(app);

    QTextStream out(stdout);
    tq::link::SystemClock clock;
    tq::panel::PanelModel model;
    setUpPanel(model);
    tq::test::HostActions actions(model, out);
    tq::web::WebPanelServer server(model, actions, clock);

    tq::web::WebPanelOptions options;
    options.address = parser.value(address);
    options.port = static_cast<quint16>(parser.value(port).toUInt());
    options.certificateFile = parser.value(certificate);
    options.keyFile = parser.value(key);
    if (parser.isSet(password)) {
        options.passwordHash = tq::web::PasswordHash::make(parser.value(password));
    }
    if (const std::optional<QString> failure = server.start(options)) {
        QTextStream(stderr) << *failure << Qt::endl;
        return 1;
    }
    QObject::connect(&model, &tq::panel::PanelModel::changed, [&](tq::panel::Field field) {
        for (tq::panel::Field watched : kWatched) {
            if (field == watched) {
                out << "MODEL " << tq::panel::fieldName(field) << ' '
                    << tq::web::encodeField(model, field).toString() << Qt::endl;
            }
        }
    });
    // A live meter: the reading moves while the radio transmits.
    QTimer meter;
    QObject::connect(&meter, &QTimer::timeout, [&] {
        const int top = model.transmitting() ? 21 : 4;
        model.meterLevel.set(QRandomGenerator::global()->bounded(top + 1));
    });
    meter.start(200);
    out << "Web panel: " << server.accessAddress() << Qt::endl;
    return app.exec();
}
