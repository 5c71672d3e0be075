#pragma once

#include <gtest/gtest.h>

namespace tq::test {

/// Makes sure the test process has a QApplication, which every widget needs;
/// created once and kept for the whole run.
void ensureWidgetApplication();

/// Base of fixtures that hold widgets as members: the application exists
/// before any member is built.
struct WidgetTest : ::testing::Test {
    WidgetTest() { ensureWidgetApplication(); }
};

}  // namespace tq::test
