#include "support/WidgetApplication.h"

#include <QApplication>

namespace tq::test {

void ensureWidgetApplication() {
    if (QApplication::instance() != nullptr) {
        return;
    }
    static int argc = 1;
    static char name[] = "tq_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: Qt objects that QTest creates on first use outlive
    // static destructors, and tearing the application down under them crashes
    // at exit.
    new QApplication(argc, argv);
}

}  // namespace tq::test
