#pragma once

#include <QByteArray>
#include <QString>

namespace tq::web {

/// Bytes from the operating system's random source, for salts, session
/// identifiers and the access token.
QByteArray randomBytes(int count);

/// A random identifier of `bytes` bytes, in URL- and cookie-safe base64.
QString randomToken(int bytes = 32);

}  // namespace tq::web
