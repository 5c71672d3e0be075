#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QProcess;

namespace tq::bench {

/// The lines a child process prints, each with the time (steadyMs()) it
/// was read, collected by the event loop of the thread that owns the
/// process. Reads through the launcher's own output getter, so the
/// launcher's record of what was printed stays whole.
class TimedLines : public QObject {
public:
    struct Line {
        double ms;
        QString text;
    };

    TimedLines(QProcess& process, std::function<QString()> output);

    /// Called for every complete line as it is read.
    std::function<void(const Line&)> onLine;

    const std::vector<Line>& lines() const { return m_lines; }
    /// The lines that start with the text.
    std::vector<Line> startingWith(const QString& text) const;
    /// Reads what has arrived without waiting for the event loop.
    void poll();

private:
    std::function<QString()> m_output;
    qsizetype m_consumed = 0;
    std::vector<Line> m_lines;
};

}  // namespace tq::bench
