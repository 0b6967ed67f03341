#include <gtest/gtest.h>

#include <QApplication>

TEST(GuiHarness, RunsUnderAnApplicationObject) {
  EXPECT_NE(QApplication::instance(), nullptr);
}
