#include "ui/lists/ScanWindowPlacement.h"

#include "ui/main/frmTQ5820.h"

namespace tq::ui {

void placeBesideBandFrame(QWidget& window, const frmTQ5820& main) {
    window.move(main.x() + main.width() - main.fraBand->width(), main.y());
}

}  // namespace tq::ui
