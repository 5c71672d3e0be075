#include "ui/main/TransmitControls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/main/PanelColours.h"
#include "ui/main/StatusDisplay.h"
#include "ui/main/WidgetColours.h"

namespace tq::ui {

TransmitControls::TransmitControls(frmTQ5820& panel, protocol::RadioLink& link)
    : m_panel(panel), m_link(link), m_state(link.state()) {}

void TransmitControls::RefreshTransmitState() {
    m_link.gSendSync(m_link.SyncChar);
    if (m_link.port().bytesToRead() > 0) {
        m_link.AwaitRadioReply();
    }
    if (m_state.SyncReplied) {
        m_link.SyncCount = 0;
        if (m_link.SyncChar == u"U") {
            setBackColour(m_panel.lblU, QColor(m_state.RadioKeyed ? kRed : kGreen));
        } else if (m_link.SyncChar == u"K") {
            setBackColour(m_panel.lblU, QColor(kRed));
        }
        m_state.SyncReplied = false;
    }
    if (m_panel.lblXMTRCV->text() == u"Receive" && m_state.RadioKeyed) {
        setBackColour(m_panel.lblU, QColor(kRed));
        setBackColour(m_panel.lblXMTRCV, QColor(kRed));
        m_panel.lblXMTRCV->setText(QStringLiteral("Transmit"));
        m_panel.display().ShowMeterSelection();
        m_panel.FrequencyLock = true;
    } else if (m_panel.lblXMTRCV->text() == u"Transmit" && !m_state.RadioKeyed) {
        setBackColour(m_panel.lblXMTRCV, QColor(kGreen));
        m_panel.lblXMTRCV->setText(QStringLiteral("Receive"));
        m_panel.display().ShowMeterSelection();
        m_panel.FrequencyLock = false;
    }
}

void TransmitControls::viewInDataCmd() {
    if (m_panel.txtInData->isHidden()) {
        m_panel.txtInData->show();
        m_panel.txtInData->clear();
        m_panel.cmdViewInData->setText(frmTQ5820::kHideData);
    } else {
        m_panel.txtInData->hide();
        m_panel.cmdViewInData->setText(QStringLiteral("Show Data"));
    }
    m_panel.requests().clear(PanelRequest::cmdViewInData);
}

}  // namespace tq::ui
