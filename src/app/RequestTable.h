#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "app/Stage.h"
#include "panel/PanelRequest.h"
#include "protocol/ProgramFlags.h"

namespace tq::app {

/// The requests the main loop serves on each pass, in their fixed order,
/// with the two places where a pass leaves the loop: new radio port settings
/// (back to the port step) and new audio settings (the remote panel step).
class RequestTable {
public:
    using Operation = std::function<void()>;
    using Raised = std::function<bool()>;

    RequestTable(panel::PanelRequests& requests, protocol::ProgramFlags& flags);

    void addPanelRow(panel::PanelRequest request, Operation operation);
    /// A row whose request is raised elsewhere (station software's sets).
    void addRow(Raised raised, Operation operation);
    void addPortChangedExit();
    void addPanelResetExit();

    /// Runs every raised request once, in table order. Returns the stage to
    /// leave for when an exit was taken.
    std::optional<Stage> serve();

    /// Whether anything is waiting to be served.
    bool anyRaised() const;

private:
    enum class Kind { Panel, Other, PortChangedExit, PanelResetExit };
    struct Row {
        Kind kind;
        panel::PanelRequest request;
        Raised raised;
        Operation operation;
    };

    panel::PanelRequests& m_requests;
    protocol::ProgramFlags& m_flags;
    std::vector<Row> m_rows;
};

}  // namespace tq::app
