#include "platform/Help.h"

#include "tests/support/ProgramFolderFixture.h"
#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>

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

TEST_F(HelpTest, OpensTheHelpFileAtTheContextOfTheWindow)
{
    folder.writeFile(Help::HelpFile, "<html></html>");
    Help::show(&child);
    ASSERT_EQ(dialogs.opened().size(), 1);
    const QUrl opened = dialogs.opened().first();
    EXPECT_EQ(opened.toLocalFile(), folder.filePath(QStringLiteral("Help/L-ORGANIZER.html")));
    EXPECT_EQ(opened.fragment(), QStringLiteral("context-5"));
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(HelpTest, AMissingHelpFileIsReportedWhenHelpIsAskedFor)
{
    Help::show(&window);
    EXPECT_TRUE(dialogs.opened().isEmpty());
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.shown().first().icon, Dialogs::Icon::Warning);
    EXPECT_TRUE(dialogs.shown().first().text.contains(QStringLiteral("L-ORGANIZER.html")));
}

TEST_F(HelpTest, AWindowWithoutContextOpensTheHelpAtItsStart)
{
    folder.writeFile(Help::HelpFile, "<html></html>");
    QWidget other;
    EXPECT_EQ(Help::context(&other), 0);
    Help::show(&other);
    ASSERT_EQ(dialogs.opened().size(), 1);
    EXPECT_FALSE(dialogs.opened().first().hasFragment());
}

}  // namespace
