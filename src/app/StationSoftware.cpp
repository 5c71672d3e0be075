#include "app/StationSoftware.h"

#include "link/SerialPort.h"

namespace tq::app {

StationSoftware::StationSoftware(link::SerialPort& catPort, link::Clock& clock,
                                 panel::StationGateway& gateway, cat::CatPanel& catPanel)
    : m_catPort(catPort),
      m_rigAccess(gateway),
      m_bridge(catPort, clock, catPanel, gateway),
      m_server(new rigctl::RigctlServer(m_rigAccess, clock, this)),
      m_catWatch(new link::DeviceWatch(
          catPort, [this] { m_bridge.ReopenCatPort(); }, this)) {
    m_catPort.setEventHandler([this](int) { portEvent(); });
}

StationSoftware::~StationSoftware() {
    if (m_thread) {
        m_thread->quit();
        m_thread->wait();
    }
    m_catPort.setEventHandler({});
}

void StationSoftware::startThread() {
    m_thread = std::make_unique<QThread>();
    m_thread->setObjectName(QStringLiteral("station software"));
    moveToThread(m_thread.get());
    m_catPort.moveToThread(m_thread.get());
    m_thread->start();
}

template <typename Work>
auto StationSoftware::onRoutesThread(Work work) {
    using Result = decltype(work());
    if (!m_thread || QThread::currentThread() == m_thread.get()) {
        return work();
    }
    if constexpr (std::is_void_v<Result>) {
        QMetaObject::invokeMethod(this, std::move(work), Qt::BlockingQueuedConnection);
    } else {
        Result result{};
        QMetaObject::invokeMethod(this, std::move(work), Qt::BlockingQueuedConnection, &result);
        return result;
    }
}

void StationSoftware::portEvent() {
    m_bridge.MSComm2_OnComm();
    // A pulled adapter is opened again when it comes back.
    if (m_catPort.lastEvent() == link::CommEvent::kDeviceLost) {
        m_catWatch->watch();
    }
}

std::optional<link::PortFailure> StationSoftware::configureCat(const cat::CatPortSetup& setup) {
    return onRoutesThread([this, setup]() -> std::optional<link::PortFailure> {
        m_catWatch->stop();
        try {
            m_bridge.ConfigureCatPort(setup);
        } catch (const link::PortFailure& failure) {
            // A device that is not there yet is waited for.
            if (failure.number() == link::PortFailure::kInvalidPortNumber) {
                m_catWatch->watch();
            }
            return failure;
        }
        return std::nullopt;
    });
}

void StationSoftware::closeCat() {
    onRoutesThread([this] {
        m_catWatch->stop();
        m_catPort.close();
    });
}

void StationSoftware::setExtendedCat(bool extended) {
    m_bridge.setExtended(extended);
}

std::optional<QString> StationSoftware::listen(const QHostAddress& address, quint16 port) {
    return onRoutesThread([this, address, port] { return m_server->listen(address, port); });
}

void StationSoftware::stopNetwork() {
    onRoutesThread([this] { m_server->stop(); });
}

bool StationSoftware::isListeningOn(const QHostAddress& address, quint16 port) {
    return onRoutesThread([this, address, port] {
        return m_server->isListening() && m_server->serverAddress() == address &&
               m_server->serverPort() == port;
    });
}

void StationSoftware::shutDown() {
    onRoutesThread([this] {
        m_server->stop();
        m_catWatch->stop();
        m_catPort.close();
    });
}

}  // namespace tq::app
