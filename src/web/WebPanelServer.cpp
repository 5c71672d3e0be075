#include "web/WebPanelServer.h"

#include <QFile>
#include <QHostInfo>
#include <QHttpServerRequest>
#include <QMetaEnum>
#include <QNetworkRequest>
#include <QPointer>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWebSocket>
#include <variant>

#include "panel/PanelNames.h"
#include "web/FieldEncoding.h"
#include "web/HttpFront.h"
#include "web/PageMessage.h"
#include "web/PasswordHash.h"

namespace tq::web {

namespace {

std::optional<QHostAddress> listenAddress(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0) {
        return QHostAddress(QHostAddress::LocalHost);
    }
    QHostAddress address;
    if (!address.setAddress(trimmed)) {
        return std::nullopt;
    }
    return address;
}

QByteArray methodName(const QHttpServerRequest& request) {
    const QMetaEnum methods = QMetaEnum::fromType<QHttpServerRequest::Method>();
    return QByteArray(methods.valueToKey(static_cast<int>(request.method()))).toUpper();
}

WebRequest fromHttp(const QHttpServerRequest& request) {
    WebRequest web;
    web.method = methodName(request);
    web.path = request.url().path();
    web.query = request.query();
    web.headers = request.headers();
    web.body = request.body();
    web.peer = request.remoteAddress();
    return web;
}

WebRequest fromHandshake(const QWebSocket& socket) {
    WebRequest web;
    const QNetworkRequest request = socket.request();
    web.method = "GET";
    web.path = request.url().path();
    for (const QByteArray& name : request.rawHeaderList()) {
        web.headers.append({name, request.rawHeader(name)});
    }
    web.peer = socket.peerAddress();
    return web;
}

bool isUpgrade(const WebRequest& request) {
    return request.header("Upgrade").compare("websocket", Qt::CaseInsensitive) == 0;
}

// The key may be RSA or elliptic-curve; the file says nothing we could ask.
QSslKey readKey(const QByteArray& pem) {
    for (QSsl::KeyAlgorithm algorithm : {QSsl::Rsa, QSsl::Ec}) {
        QSslKey key(pem, algorithm, QSsl::Pem);
        if (!key.isNull()) {
            return key;
        }
    }
    return QSslKey();
}

}  // namespace

WebPanelServer::WebPanelServer(panel::PanelModel& model, panel::PanelActions& actions,
                               link::Clock& clock, QObject* parent)
    : QObject(parent),
      m_model(model),
      m_time(clock),
      m_sessions(m_time),
      m_throttle(m_time),
      m_routes(m_sessions, m_throttle),
      m_driver(model, actions, m_time) {
    // One password check at a time: a flood of logins cannot take the
    // processor from the radio's own work.
    m_workers.setMaxThreadCount(1);
    m_flushTimer.setSingleShot(true);
    m_flushTimer.setInterval(0);
    connect(&m_flushTimer, &QTimer::timeout, this, &WebPanelServer::flush);
    m_checkTimer.setInterval(kCheckMs);
    connect(&m_checkTimer, &QTimer::timeout, this, &WebPanelServer::tick);
    connect(&m_model, &panel::PanelModel::changed, this, &WebPanelServer::noteField);
    connect(&m_model, &panel::PanelModel::controlChanged, this, &WebPanelServer::noteControl);
    connect(&m_driver, &PanelDriver::holdsChanged, this, &WebPanelServer::sendHolds);
}

WebPanelServer::~WebPanelServer() {
    stop();
    m_workers.waitForDone();
}

std::optional<QString> WebPanelServer::start(const WebPanelOptions& options) {
    stop();
    const std::optional<QHostAddress> address = listenAddress(options.address);
    if (!address) {
        return QStringLiteral("Web panel: \"%1\" is not an IP address of this computer.")
            .arg(options.address);
    }
    if (!address->isLoopback() && !options.passwordHash) {
        return QStringLiteral(
                   "Web panel: set a password before listening on %1 (or listen on "
                   "127.0.0.1 and reach it through an SSH tunnel).")
            .arg(address->toString());
    }
    const bool secure = !options.certificateFile.isEmpty() || !options.keyFile.isEmpty();
    std::unique_ptr<QTcpServer> listener;
    if (secure) {
        if (!QSslSocket::supportsSsl()) {
            return QStringLiteral("Web panel: TLS is not available on this computer.");
        }
        const QList<QSslCertificate> chain = QSslCertificate::fromPath(options.certificateFile);
        QFile keyFile(options.keyFile);
        const QSslKey key =
            keyFile.open(QIODevice::ReadOnly) ? readKey(keyFile.readAll()) : QSslKey();
        if (chain.isEmpty()) {
            return QStringLiteral("Web panel: cannot read the certificate %1.")
                .arg(options.certificateFile);
        }
        if (key.isNull()) {
            return QStringLiteral("Web panel: cannot read the private key %1 (PEM, no passphrase).")
                .arg(options.keyFile);
        }
        QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
        configuration.setLocalCertificateChain(chain);
        configuration.setPrivateKey(key);
        auto server = std::make_unique<QSslServer>();
        server->setSslConfiguration(configuration);
        listener = std::move(server);
    } else {
        listener = std::make_unique<QTcpServer>();
    }
    if (!listener->listen(*address, options.port)) {
        return QStringLiteral("Web panel: cannot listen on %1 port %2: %3")
            .arg(address->toString())
            .arg(options.port)
            .arg(listener->errorString());
    }
    m_front = std::make_unique<HttpFront>(
        [this](const QHttpServerRequest& request, QTcpSocket* socket) {
            return handleHttp(request, socket);
        },
        [this](const QHttpServerRequest& request, QTcpSocket* socket) {
            refuseUpgrade(request, socket);
        });
    m_port = listener->serverPort();
    m_front->bind(listener.release());
    connect(m_front.get(), &QAbstractHttpServer::newWebSocketConnection, this,
            &WebPanelServer::acceptSockets);
    m_address = *address;
    m_secure = secure;
    m_routes.setListening(secure, address->isLoopback(), m_port);
    setPasswordHash(options.passwordHash);
    m_checkTimer.start();
    return std::nullopt;
}

void WebPanelServer::stop() {
    m_checkTimer.stop();
    // Taken out first: a socket that closes tells of it while it is
    // being destroyed, and must not find itself among the pages.
    std::map<quint64, Page> pages = std::move(m_pages);
    m_pages.clear();
    for (auto& [id, page] : pages) {
        page.socket->disconnect(this);
        m_driver.pageClosed(id);
    }
    const bool hadPages = !pages.empty();
    pages.clear();
    if (hadPages) {
        emit pageCountChanged(0);
    }
    m_front.reset();
    m_port = 0;
    m_accessToken.clear();
}

bool WebPanelServer::isListening() const {
    return m_front != nullptr;
}

QString WebPanelServer::address() const {
    QString host = m_address.toString();
    if (m_address == QHostAddress::Any || m_address == QHostAddress::AnyIPv6 ||
        m_address == QHostAddress::AnyIPv4) {
        host = QHostInfo::localHostName();
    } else if (m_address.protocol() == QAbstractSocket::IPv6Protocol) {
        host = QLatin1Char('[') + host + QLatin1Char(']');
    }
    return QStringLiteral("%1://%2:%3/")
        .arg(m_secure ? QStringLiteral("https") : QStringLiteral("http"), host)
        .arg(m_port);
}

QString WebPanelServer::accessAddress() const {
    return m_accessToken.isEmpty() ? address()
                                   : address() + QStringLiteral("?token=") + m_accessToken;
}

void WebPanelServer::setPasswordHash(std::optional<QString> hash) {
    // Without a password the panel is reached from this computer alone, by
    // the one-time address printed at start.
    m_accessToken = !hash && isListening() ? m_sessions.issueAccessToken() : QString();
    m_routes.setPasswordHash(std::move(hash));
}

void WebPanelServer::tick() {
    m_driver.check();
    m_sessions.expire();
    m_throttle.expire();
    std::vector<quint64> ended;
    for (const auto& [id, page] : m_pages) {
        if (!m_sessions.isValid(page.session)) {
            ended.push_back(id);
        }
    }
    for (quint64 id : ended) {
        closePage(id, QStringLiteral("Logged out."));
    }
}

bool WebPanelServer::handleHttp(const QHttpServerRequest& request, QTcpSocket* socket) {
    const WebRequest web = fromHttp(request);
    if (isUpgrade(web)) {
        // Nothing written: Qt answers an accepted handshake itself.
        return !upgradeRefusal(web, nullptr).has_value();
    }
    const bool headOnly = web.method == "HEAD";
    RouteOutcome outcome = m_routes.handle(web);
    if (auto* check = std::get_if<PasswordCheck>(&outcome)) {
        checkPassword(*check, socket, headOnly);
        return true;
    }
    socket->write(std::get<WebResponse>(outcome).toHttp(headOnly));
    return true;
}

void WebPanelServer::refuseUpgrade(const QHttpServerRequest& request, QTcpSocket* socket) {
    const WebRequest web = fromHttp(request);
    const QString reason = upgradeRefusal(web, nullptr).value_or(QStringLiteral("Refused."));
    socket->write(WebResponse::text(403, reason).toHttp());
    socket->flush();
}

void WebPanelServer::checkPassword(const PasswordCheck& check, QTcpSocket* socket, bool headOnly) {
    if (m_checking) {
        socket->write(WebResponse::text(503, QStringLiteral("Another login is being checked: try "
                                                            "again in a moment."))
                          .toHttp(headOnly));
        return;
    }
    m_checking = true;
    QPointer<QTcpSocket> connection(socket);
    m_workers.start([this, check, connection, headOnly] {
        const bool matched = PasswordHash::verify(check.password, check.storedHash);
        QMetaObject::invokeMethod(
            this,
            [this, check, connection, headOnly, matched] {
                m_checking = false;
                const WebResponse response = m_routes.finishLogin(check, matched);
                if (connection && connection->state() == QAbstractSocket::ConnectedState) {
                    connection->write(response.toHttp(headOnly));
                }
                emit loginChecked(matched);
            },
            Qt::QueuedConnection);
    });
}

void WebPanelServer::acceptSockets() {
    while (m_front && m_front->hasPendingWebSocketConnections()) {
        std::unique_ptr<QWebSocket> socket = m_front->nextPendingWebSocketConnection();
        if (!socket) {
            break;
        }
        QString session;
        if (const std::optional<QString> reason =
                upgradeRefusal(fromHandshake(*socket), &session)) {
            // Checked again: a handshake that came after another request on
            // the same connection reaches here unchecked. Nothing is sent on
            // it before it closes.
            socket->close(QWebSocketProtocol::CloseCodePolicyViolated, *reason);
            socket.release()->deleteLater();
            continue;
        }
        const quint64 id = m_nextPage++;
        QWebSocket* raw = socket.get();
        raw->setMaxAllowedIncomingMessageSize(kMaxMessageBytes);
        raw->setMaxAllowedIncomingFrameSize(kMaxMessageBytes);
        connect(raw, &QWebSocket::textMessageReceived, this,
                [this, id](const QString& message) { receive(id, message); });
        connect(raw, &QWebSocket::binaryMessageReceived, this,
                [this, id](const QByteArray&) { closePage(id, QStringLiteral("Text only.")); });
        connect(raw, &QWebSocket::disconnected, this, [this, id] { pageGone(id); });
        m_pages[id] = Page{std::move(socket), session};
        send(id, helloMessage(m_model, kHeartbeatMs,
                              static_cast<int>(HoldTracker::kReleaseAfter * 1000)));
        emit pageCountChanged(pageCount());
        sendHolds();
    }
}

std::optional<QString> WebPanelServer::upgradeRefusal(const WebRequest& handshake,
                                                      QString* session) {
    if (handshake.path != QLatin1String(kSocketPath)) {
        return QStringLiteral("Unknown path.");
    }
    if (!m_routes.hostAllowed(handshake.header("Host")) || !m_routes.sameOrigin(handshake)) {
        return QStringLiteral("Foreign origin.");
    }
    const std::optional<QString> id = m_routes.sessionOf(handshake);
    if (!id) {
        return QStringLiteral("Log in first.");
    }
    if (pageCount() >= kMaxPages) {
        return QStringLiteral("Too many open pages.");
    }
    if (session) {
        *session = *id;
    }
    return std::nullopt;
}

void WebPanelServer::receive(quint64 page, const QString& message) {
    const auto found = m_pages.find(page);
    if (found == m_pages.end()) {
        return;
    }
    const auto parsed = parsePageMessage(message.toUtf8());
    std::optional<QString> refusal;
    if (const auto* error = std::get_if<PageError>(&parsed)) {
        refusal = error->reason;
    } else {
        refusal = m_driver.run(page, std::get<PageCommand>(parsed));
    }
    // The command may have run a nested event loop that closed the page.
    if (refusal) {
        send(page, refusedMessage(*refusal));
    }
}

void WebPanelServer::closePage(quint64 page, const QString& reason) {
    const auto found = m_pages.find(page);
    if (found == m_pages.end()) {
        return;
    }
    std::unique_ptr<QWebSocket> socket = std::move(found->second.socket);
    m_pages.erase(found);
    socket->disconnect(this);
    socket->close(QWebSocketProtocol::CloseCodePolicyViolated, reason);
    socket.release()->deleteLater();
    m_driver.pageClosed(page);
    emit pageCountChanged(pageCount());
}

void WebPanelServer::pageGone(quint64 page) {
    const auto found = m_pages.find(page);
    if (found == m_pages.end()) {
        return;
    }
    found->second.socket.release()->deleteLater();
    m_pages.erase(found);
    m_driver.pageClosed(page);
    emit pageCountChanged(pageCount());
}

void WebPanelServer::send(quint64 page, const QJsonObject& message) {
    // A write to a page whose browser went away can end the page there and
    // then (pageGone takes it out of m_pages): look it up at every send, and
    // never hold an iterator into m_pages across one.
    const auto found = m_pages.find(page);
    if (found == m_pages.end()) {
        return;
    }
    QWebSocket* socket = found->second.socket.get();
    socket->sendTextMessage(QString::fromUtf8(toWire(message)));
    if (m_pages.contains(page)) {
        socket->flush();
    }
}

std::vector<quint64> WebPanelServer::pageIds() const {
    std::vector<quint64> ids;
    for (const auto& [id, page] : m_pages) {
        ids.push_back(id);
    }
    return ids;
}

void WebPanelServer::noteField(panel::Field field) {
    if (isSent(field) && !m_pages.empty()) {
        m_dirtyFields.insert(field);
        m_flushTimer.start();
    }
}

void WebPanelServer::noteControl(panel::Control control) {
    if (!m_pages.empty()) {
        m_dirtyControls.insert(control);
        m_flushTimer.start();
    }
}

void WebPanelServer::flush() {
    QJsonObject fields;
    for (panel::Field field : m_dirtyFields) {
        fields.insert(panel::fieldName(field), encodeField(m_model, field));
    }
    QJsonObject controls;
    for (panel::Control control : m_dirtyControls) {
        controls.insert(panel::controlName(control), encodeControl(m_model, control));
    }
    m_dirtyFields.clear();
    m_dirtyControls.clear();
    if (fields.isEmpty() && controls.isEmpty()) {
        return;
    }
    const QJsonObject message = updateMessage(fields, controls);
    for (quint64 id : pageIds()) {
        send(id, message);
    }
}

void WebPanelServer::sendHolds() {
    for (quint64 id : pageIds()) {
        QStringList mine;
        QStringList others;
        for (panel::Stepper stepper : {panel::Stepper::VfoA, panel::Stepper::VfoB,
                                       panel::Stepper::Channel, panel::Stepper::Ptt}) {
            if (const std::optional<quint64> holder = m_driver.holds().holder(stepper)) {
                (*holder == id ? mine : others) << panel::stepperName(stepper);
            }
        }
        send(id, holdsMessage(mine, others));
    }
}

}  // namespace tq::web
