#include "platform/Help.h"

#include "tests/support/ProgramFolderFixture.h"
#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace {

class HelpTest : public ::testing::Test {
protected:
    ProgramFolderFixture folder;
    ScriptedDialogs dialogs;
    QWidget window;
    QWidget child{&window};
    void SetUp() override { Help::setContext(&window, 5); }
};

TEST_F(HelpTest, OpensThePageOfTheWindowsContext)
{
    folder.writeFile(QStringLiteral("Help/context-5.html"), "<html></html>");
    Help::show(&child);
    ASSERT_EQ(dialogs.opened().size(), 1);
    EXPECT_EQ(dialogs.opened().first(), QUrl::fromLocalFile(folder.filePath(QStringLiteral("Help/context-5.html"))));
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(HelpTest, AMissingHelpFileIsReportedWhenHelpIsAskedFor)
{
    Help::show(&window);
    EXPECT_TRUE(dialogs.opened().isEmpty());
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.shown().first().icon, Dialogs::Icon::Warning);
    EXPECT_TRUE(dialogs.shown().first().text.contains(QStringLiteral("context-5.html")));
}

TEST_F(HelpTest, AWindowWithoutContextOpensTheContents)
{
    folder.writeFile(QStringLiteral("Help/index.html"), "<html></html>");
    QWidget other;
    EXPECT_EQ(Help::context(&other), 0);
    Help::show(&other);
    ASSERT_EQ(dialogs.opened().size(), 1);
    EXPECT_EQ(dialogs.opened().first().fileName(), QStringLiteral("index.html"));
}

TEST_F(HelpTest, F1InTheWindowOpensItsPage)
{
    folder.writeFile(QStringLiteral("Help/context-5.html"), "<html></html>");
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    QTest::keyClick(&window, Qt::Key_F1);
    ASSERT_EQ(dialogs.opened().size(), 1);
    EXPECT_EQ(dialogs.opened().first().fileName(), QStringLiteral("context-5.html"));
}

}  // namespace
