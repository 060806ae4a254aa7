#include "platform/cursor.h"

#include <gtest/gtest.h>

#include <QCursor>

class CursorTest : public ::testing::Test {
  protected:
    void SetUp() override { savedCursor = {}; }
    void TearDown() override { APIs::InstallHelpWindowLocator(nullptr); }
};

TEST_F(CursorTest, RestoreBeforeAnySaveOrToTheScreenEdgeDoesNothing) {
    QCursor::setPos(40, 30);
    APIs::SaveRestoreCursor(1);
    EXPECT_EQ(QCursor::pos(), QPoint(40, 30));
    savedCursor = {0, 50};
    APIs::SaveRestoreCursor(1);
    EXPECT_EQ(QCursor::pos(), QPoint(40, 30));
}

TEST_F(CursorTest, RestorePutsThePointerBackWhereItWasSaved) {
    QCursor::setPos(120, 90);
    APIs::SaveRestoreCursor(0);
    QCursor::setPos(300, 200);
    APIs::SaveRestoreCursor(2);
    EXPECT_EQ(QCursor::pos(), QPoint(300, 200));
    APIs::SaveRestoreCursor(1);
    EXPECT_EQ(QCursor::pos(), QPoint(120, 90));
}

TEST_F(CursorTest, CentresOnTheHelpWindow) {
    QCursor::setPos(5, 5);
    APIs::CenterCursorOnHelp();  // no hint window: nothing moves
    EXPECT_EQ(QCursor::pos(), QPoint(5, 5));

    APIs::InstallHelpWindowLocator([] { return QRect(100, 50, 301, 200); });
    APIs::CenterCursorOnHelp();
    EXPECT_EQ(QCursor::pos(), QPoint(250, 150));  // 150.5 goes to the even neighbour
}
