#include "rigctl/HttpLine.h"

#include <QRegularExpression>
#include <QString>

namespace tq::rigctl {

bool looksLikeHttp(const QByteArray& line) {
    // A request line is a method token, a target and "HTTP/" with a version
    // digit; a header line is a field name (a token) and a colon. Tokens are
    // HTTP's own character set, so every method and header name is covered.
    // No command line of Hamlib's has either shape: its commands are a
    // letter, or a backslash and a name, followed by numbers or mode names;
    // none ends its first word with a colon or carries "HTTP/".
    static const QRegularExpression kHttp(
        QStringLiteral("^(?:[!#$%&'*+.^_`|~0-9A-Za-z-]+[ \\t]+[^ \\t]+[ \\t]+HTTP/[0-9]"
                       "|[!#$%&'*+.^_`|~0-9A-Za-z-]+:)"),
        QRegularExpression::CaseInsensitiveOption);
    return kHttp.match(QString::fromLatin1(line)).hasMatch();
}

}  // namespace tq::rigctl
