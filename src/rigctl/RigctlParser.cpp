#include "rigctl/RigctlParser.h"

namespace tq::rigctl {

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

bool isLineCharacter(QChar c) {
    return isBlank(c) || (c.unicode() >= 0x21 && c.unicode() <= 0x7e);
}

// The prefixes that ask for an extended reply, and the separator each gives.
QChar separatorFor(QChar prefix) {
    switch (prefix.unicode()) {
        case u'+':
            return u'\n';
        case u';':
        case u'|':
        case u',':
            return prefix;
        default:
            return QChar();
    }
}

class Cursor {
public:
    explicit Cursor(QStringView text) : m_text(text) {}

    bool atEnd() const { return m_pos >= m_text.size(); }
    QChar peek() const { return m_text.at(m_pos); }
    QChar take() { return m_text.at(m_pos++); }
    void skipBlanks() {
        while (!atEnd() && isBlank(peek())) {
            ++m_pos;
        }
    }
    QString word() {
        const qsizetype start = m_pos;
        while (!atEnd() && !isBlank(peek())) {
            ++m_pos;
        }
        return m_text.mid(start, m_pos - start).toString();
    }

private:
    QStringView m_text;
    qsizetype m_pos = 0;
};

}  // namespace

ParsedLine parseRigctlLine(QStringView line) {
    ParsedLine parsed;
    for (QChar c : line) {
        if (!isLineCharacter(c)) {
            parsed.rejected = true;
            return parsed;
        }
    }
    Cursor cursor(line);
    for (;;) {
        cursor.skipBlanks();
        if (cursor.atEnd()) {
            return parsed;
        }
        if (static_cast<int>(parsed.requests.size()) == kMaxCommandsPerLine) {
            parsed.rejected = true;
            parsed.requests.clear();
            return parsed;
        }
        RigctlRequest request;
        request.separator = separatorFor(cursor.peek());
        if (!request.separator.isNull()) {
            cursor.take();
        }
        if (!cursor.atEnd() && cursor.peek() == u'\\') {
            cursor.take();
            request.name = cursor.word();
            request.command = findLongCommand(request.name);
        } else if (!cursor.atEnd()) {
            const QChar name = cursor.take();
            request.name = name;
            request.command = isBlank(name) ? nullptr : findShortCommand(name);
        }
        if (request.command == nullptr) {
            parsed.requests.push_back(std::move(request));
            return parsed;
        }
        for (int i = 0; i < request.command->argumentCount; ++i) {
            cursor.skipBlanks();
            if (cursor.atEnd()) {
                request.missingArguments = true;
                break;
            }
            request.arguments << cursor.word();
        }
        parsed.requests.push_back(std::move(request));
    }
}

}  // namespace tq::rigctl
