#include "SecondaryWindows.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cstddef>

#include "ui/lists/frmBandSelect.h"
#include "ui/lists/frmScanBands.h"
#include "ui/lists/frmScanFreqs.h"

namespace tq::test {

void SecondaryWindows::expect(int row, const QString& megahertz, double seconds) {
    m_row = row;
    m_megahertz = megahertz;
    m_seconds = seconds;
}

void SecondaryWindows::look() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget != m_worked &&
            (qobject_cast<ui::frmBandSelect*>(widget) || qobject_cast<ui::frmScanBands*>(widget) ||
             qobject_cast<ui::frmScanFreqs*>(widget))) {
            work(widget);
            return;
        }
    }
}

void SecondaryWindows::work(QWidget* opened) {
    m_worked = opened;
    m_clock.schedule(m_seconds, [window = QPointer(opened)] {
        if (window) {
            window->close();
        }
    });
    if (auto* list = qobject_cast<ui::frmBandSelect*>(opened)) {
        list->Option1.at(static_cast<std::size_t>(m_row))->click();
    } else if (auto* bands = qobject_cast<ui::frmScanBands*>(opened)) {
        bands->txtScanLow->setText(m_megahertz);
        bands->txtScanHi->setText(m_megahertz);
        bands->cmdScanUp->click();
    } else if (auto* freqs = qobject_cast<ui::frmScanFreqs*>(opened)) {
        freqs->txtFreq[0]->setText(m_megahertz);
        freqs->txtMode[0]->setText(QStringLiteral("USB"));
        freqs->Check1[0]->setChecked(true);
        freqs->cmdScan->click();
    }
}

}  // namespace tq::test
