#include "ui/main/CatFrame.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/main/ControlFactory.h"
#include "ui/main/PanelWidgets.h"

namespace tq::ui {

QGroupBox* buildCatFrame(PanelWidgets& w) {
    w.fraCAT = makeFrame(QStringLiteral("fraCAT"), QStringLiteral("CAT"));
    w.txtInCat = makeTextBox(QStringLiteral("txtInCat"));
    w.txtOutCAT = makeTextBox(QStringLiteral("txtOutCAT"));
    auto* layout = new QVBoxLayout(w.fraCAT);
    layout->addWidget(w.txtInCat);
    layout->addWidget(w.txtOutCAT);
    layout->addStretch();
    return w.fraCAT;
}

}  // namespace tq::ui
