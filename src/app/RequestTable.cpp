#include "app/RequestTable.h"

namespace tq::app {

RequestTable::RequestTable(panel::PanelRequests& requests, protocol::ProgramFlags& flags)
    : m_requests(requests), m_flags(flags) {}

void RequestTable::addPanelRow(panel::PanelRequest request, Operation operation) {
    m_rows.push_back({Kind::Panel, request, std::move(operation)});
}

void RequestTable::addCatRow(Operation operation) {
    m_rows.push_back({Kind::Cat, {}, std::move(operation)});
}

void RequestTable::addRigctlRow(Operation operation) {
    m_rows.push_back({Kind::Rigctl, {}, std::move(operation)});
}

void RequestTable::addPortChangedExit() {
    m_rows.push_back({Kind::PortChangedExit, {}, {}});
}

void RequestTable::addPanelResetExit() {
    m_rows.push_back({Kind::PanelResetExit, {}, {}});
}

std::optional<Stage> RequestTable::serve() {
    for (const Row& row : m_rows) {
        switch (row.kind) {
            case Kind::Panel:
                if (m_requests.isRaised(row.request)) {
                    row.operation();
                }
                break;
            case Kind::Cat:
                if (m_flags.CatCommandPending) {
                    row.operation();
                }
                break;
            case Kind::Rigctl:
                if (m_flags.RigctlCommandPending) {
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
    return m_requests.any() || m_flags.CatCommandPending || m_flags.RigctlCommandPending ||
           m_flags.RadioPortChanged || m_flags.PanelResetRequest;
}

}  // namespace tq::app
