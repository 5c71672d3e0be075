#include "TimedLines.h"

#include <QProcess>

#include "BenchStats.h"

namespace tq::bench {

TimedLines::TimedLines(QProcess& process, std::function<QString()> output)
    : m_output(std::move(output)) {
    // What was printed before the watch began has no arrival time.
    m_consumed = m_output().size();
    connect(&process, &QProcess::readyReadStandardOutput, this, [this] { poll(); });
}

void TimedLines::poll() {
    const QString text = m_output();
    const double now = steadyMs();
    for (qsizetype end = text.indexOf(u'\n', m_consumed); end >= 0;
         end = text.indexOf(u'\n', m_consumed)) {
        const Line line{now, text.mid(m_consumed, end - m_consumed)};
        m_consumed = end + 1;
        m_lines.push_back(line);
        if (onLine) {
            onLine(m_lines.back());
        }
    }
}

std::vector<TimedLines::Line> TimedLines::startingWith(const QString& text) const {
    std::vector<Line> found;
    for (const Line& line : m_lines) {
        if (line.text.startsWith(text)) {
            found.push_back(line);
        }
    }
    return found;
}

}  // namespace tq::bench
