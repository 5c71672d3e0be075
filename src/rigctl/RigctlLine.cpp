#include "rigctl/RigctlLine.h"

namespace tq::rigctl {

namespace {

QString report(RigResult result) {
    return QStringLiteral("RPRT %1").arg(resultCode(result));
}

CommandAnswer answerTo(const RigctlRequest& request, RigAccess& rig) {
    CommandAnswer answer;
    if (request.command == nullptr) {
        answer.result = RigResult::NotAvailable;
    } else if (request.missingArguments) {
        answer.result = RigResult::InvalidArgument;
    } else {
        answer = request.command->handler(request.arguments, rig);
    }
    return answer;
}

}  // namespace

QString formatReply(const RigctlRequest& request, const CommandAnswer& answer) {
    const bool ok = answer.result == RigResult::Ok;
    if (request.separator.isNull()) {
        if (!ok || answer.values.isEmpty()) {
            return report(answer.result) + u'\n';
        }
        QString text = answer.values.join(u'\n') + u'\n';
        if (answer.plainReport) {
            text += report(answer.result) + u'\n';
        }
        return text;
    }
    QStringList records;
    QString header =
        request.command != nullptr ? QLatin1String(request.command->longName) : request.name;
    header += u':';
    if (!request.arguments.isEmpty()) {
        header += u' ' + request.arguments.join(u' ');
    }
    records << header;
    if (ok) {
        const auto fields = request.command->fieldNames;
        for (qsizetype i = 0; i < answer.values.size(); ++i) {
            const auto index = static_cast<std::size_t>(i);
            records << (index < fields.size()
                            ? QLatin1String(fields[index]) + QStringLiteral(": ") + answer.values[i]
                            : answer.values[i]);
        }
    }
    records << report(answer.result);
    return records.join(request.separator) + u'\n';
}

LineOutcome serveRigctlLine(QStringView line, RigAccess& rig) {
    LineOutcome outcome;
    const ParsedLine parsed = parseRigctlLine(line);
    if (parsed.rejected) {
        outcome.reply = (report(RigResult::InvalidArgument) + u'\n').toLatin1();
        return outcome;
    }
    QString reply;
    for (const RigctlRequest& request : parsed.requests) {
        const CommandAnswer answer = answerTo(request, rig);
        reply += formatReply(request, answer);
        if (answer.transmitSet) {
            outcome.transmitSet = answer.transmitSet;
        }
        if (answer.quit) {
            outcome.close = true;
            break;  // nothing after a quit is run
        }
    }
    outcome.reply = reply.toLatin1();
    return outcome;
}

}  // namespace tq::rigctl
