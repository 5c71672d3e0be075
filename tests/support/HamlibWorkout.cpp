#include "support/HamlibWorkout.h"

#include <array>

namespace tq::test {

QStringList hamlibWorkout() {
    QStringList commands;
    for (int step = 0; step < 20; ++step) {
        commands << QStringLiteral("F") << QString::number(14000000 + step * 17000);
    }
    constexpr std::array kModes{"USB", "LSB", "CW", "AM", "PKTUSB"};
    for (int step = 0; step < 20; ++step) {
        commands << QStringLiteral("M") << QString::fromLatin1(kModes[step % kModes.size()])
                 << QStringLiteral("0");
    }
    commands << QStringLiteral("M") << QStringLiteral("USB") << QStringLiteral("0");
    for (int cycle = 0; cycle < 10; ++cycle) {
        commands << QStringLiteral("T") << QStringLiteral("1") << QStringLiteral("T")
                 << QStringLiteral("0");
    }
    return commands;
}

QStringList hamlibTrouble(const QString& trace) {
    // Hamlib prints "retry=N" on every command; these are the lines it
    // prints only when a read came up short or a command went out again.
    static const std::array kSigns{QStringLiteral("Timed out"),
                                   QStringLiteral("select() timeout"),
                                   QStringLiteral("timeout retry"),
                                   QStringLiteral("retry timeout"),
                                   QStringLiteral("Retrying"),
                                   QStringLiteral("retrying cmd"),
                                   QStringLiteral("got a timeout"),
                                   QStringLiteral("Communication timed out"),
                                   QStringLiteral("retval < 0"),
                                   QStringLiteral("wrong reply"),
                                   QStringLiteral("not correctly terminated")};
    QStringList trouble;
    for (const QString& line : trace.split(u'\n')) {
        for (const QString& sign : kSigns) {
            if (line.contains(sign)) {
                trouble << line;
                break;
            }
        }
    }
    return trouble;
}

}  // namespace tq::test
