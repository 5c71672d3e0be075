#include "app/RequestTable.h"

namespace tq::app {

RequestTable::RequestTable(panel::PanelRequests& requests, protocol::ProgramFlags& flags)
    : m_requests(requests), m_flags(flags) {}

void RequestTable::addPanelRow(panel::PanelRequest request, Operation operation) {
    m_rows.push_back({Kind::Panel, request, {}, std::move(operation)});
}

void RequestTable::addRow(Raised raised, Operation operation) {
    m_rows.push_back({Kind::Other, {}, std::move(raised), std::move(operation)});
}

void RequestTable::addPortChangedExit() {
    m_rows.push_back({Kind::PortChangedExit, {}, {}, {}});
}

void RequestTable::addPanelResetExit() {
    m_rows.push_back({Kind::PanelResetExit, {}, {}, {}});
}

std::optional<Stage> RequestTable::serve() {
    for (const Row& row : m_rows) {
        switch (row.kind) {
            case Kind::Panel:
                if (m_requests.isRaised(row.request)) {
                    row.operation();
                }
                break;
            case Kind::Other:
                if (row.raised()) {
                    row.operation();
                }
                break;
            case Kind::PortChangedExit:
                if (m_flags.RadioPortChanged) {
                    return Stage::PortStep;
                }
                break;
            case Kind::PanelResetExit:
                if (m_flags.PanelResetRequest) {
                    m_flags.PanelResetRequest = false;
                    return Stage::RemotePanelStep;
                }
                break;
        }
    }
    return std::nullopt;
}

bool RequestTable::anyRaised() const {
    if (m_requests.any() || m_flags.RadioPortChanged || m_flags.PanelResetRequest) {
        return true;
    }
    for (const Row& row : m_rows) {
        if (row.kind == Kind::Other && row.raised()) {
            return true;
        }
    }
    return false;
}

}  // namespace tq::app
