#include "app/CatWindowPanel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "ui/main/frmTQ5820.h"

namespace tq::app {

void CatWindowPanel::showCatInput(const QString& text) {
    m_window.txtInCat->setText(text);
}

void CatWindowPanel::showCatOutput(const QString& text) {
    m_window.txtOutCAT->setText(text);
}

QString CatWindowPanel::catOutput() const {
    return m_window.txtOutCAT->text();
}

void CatWindowPanel::setComStat(const QString& caption) {
    m_window.lblComStat->setText(caption);
}

QString CatWindowPanel::digitalMode() const {
    return m_window.cmbDig->currentText();
}

}  // namespace tq::app
