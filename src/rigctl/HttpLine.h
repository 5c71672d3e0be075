#pragma once

#include <QByteArray>

namespace tq::rigctl {

/// Whether the first line of a connection is the start of an HTTP request:
/// a request line ("GET / HTTP/1.1", "POST /x HTTP/1.0", any method) or a
/// header line ("Host: ..."). A web page can make a browser send such a
/// request to the rig control port, with a body such as "T 1" that would
/// key the transmitter; a connection that opens this way is no Hamlib
/// client and is closed with nothing it sent acted on.
bool looksLikeHttp(const QByteArray& line);

}  // namespace tq::rigctl
