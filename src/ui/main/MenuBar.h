#pragma once

namespace tq::ui {

class frmTQ5820;

/// Fills the window's menu bar: File, Scan, Setup and Help with their
/// entries, each entry named as established so it can be wired by name.
void buildMenuBar(frmTQ5820& w);

}  // namespace tq::ui
