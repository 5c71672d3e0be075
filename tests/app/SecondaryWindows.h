#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "support/TestClock.h"

namespace tq::test {

/// Works the band list and scan windows the program opens during a test:
/// picks a row or scans one frequency, and closes the window a while later.
class SecondaryWindows {
public:
    explicit SecondaryWindows(TestClock& clock) : m_clock(clock) {}

    /// How to work the next window to open: the band list row to pick, the
    /// frequency to scan (in MHz, as the scan windows take it) and how long
    /// the window stays open.
    void expect(int row, const QString& megahertz, double seconds);
    /// Works a window opened since the last look, if one has been. A scan
    /// window's scan returns only when the window closes.
    void look();

private:
    void work(QWidget* opened);

    TestClock& m_clock;
    int m_row = 0;
    QString m_megahertz;
    double m_seconds = 0.1;
    QPointer<QWidget> m_worked;
};

}  // namespace tq::test
