#include "controls/RowsScrollArea.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

// The area is no stop of its own: Tab from the control before it lands on
// its first row, so what is typed next goes there.
TEST(RowsScrollArea, TabGoesStraightToTheFirstRow)
{
    QWidget window;
    auto* before = new QLineEdit(&window);
    auto* rows = new QWidget;
    auto* first = new QLineEdit(rows);
    (new QVBoxLayout(rows))->addWidget(first);
    auto* column = new QVBoxLayout(&window);
    column->addWidget(before);
    column->addWidget(new RowsScrollArea(rows));
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "9");
    EXPECT_TRUE(first->hasFocus());
    EXPECT_EQ(first->text(), "9");
}
