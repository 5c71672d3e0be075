// Window-level keys: the window sees every key once, whatever control has
// the focus, and only while it is the active window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "link/QStringPrinter.h"
#include "support/WidgetApplication.h"
#include "ui/main/KeyPreview.h"

namespace tq::test {
namespace {

struct KeyPreviewTest : WidgetTest {
    KeyPreviewTest() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(edit);
        layout->addWidget(button);
        window.show();
        QApplication::setActiveWindow(&window);
        edit->setFocus();
    }

    QWidget window;
    QLineEdit* edit = new QLineEdit;
    QPushButton* button = new QPushButton(QStringLiteral("OK"));
    QList<int> seen;
    bool used = true;
    ui::KeyPreview preview{window, [this](const QKeyEvent& key) {
                               seen << key.key();
                               return used;
                           }};
};

TEST_F(KeyPreviewTest, WindowSeesEveryKeyOnceWhateverHasTheFocus) {
    QTest::keyClick(edit, Qt::Key_I);
    button->setFocus();
    QTest::keyClick(button, Qt::Key_D);
    EXPECT_EQ(seen, QList<int>({Qt::Key_I, Qt::Key_D}));
    EXPECT_EQ(edit->text(), "") << "a key the window used does not reach the control";

    // A key the window leaves alone reaches the control, and is not offered
    // again on its way up through the parents.
    used = false;
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_X);
    EXPECT_EQ(edit->text(), "x");
    EXPECT_EQ(seen.count(Qt::Key_X), 1);
}

TEST_F(KeyPreviewTest, KeysOfAnotherWindowAreNotTaken) {
    QWidget other;
    auto* otherEdit = new QLineEdit(&other);
    other.show();
    QApplication::setActiveWindow(&other);
    otherEdit->setFocus();
    QTest::keyClick(otherEdit, Qt::Key_I);
    EXPECT_TRUE(seen.isEmpty());
    EXPECT_EQ(otherEdit->text(), "i");
}

}  // namespace
}  // namespace tq::test
