#include "platform/Autorun.h"
#include "platform/ProgramFolder.h"
#include "tests/support/ProgramFolderFixture.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

class AutorunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous_ = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", previous_); }

    void writeEntry(const QByteArray& exec) const
    {
        QDir().mkpath(config_.filePath("autostart"));
        QFile file(Autorun::entryPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Desktop Entry]\nType=Application\nExec=" + exec + "\n");
    }

    QTemporaryDir config_;
    QByteArray previous_;
    ProgramFolderFixture folder_;
};

TEST_F(AutorunTest, TheEntryLivesInTheConfiguredAutostartFolder)
{
    EXPECT_EQ(Autorun::entryPath(), config_.path() + "/autostart/Larkspur Organizer.desktop");
}

TEST_F(AutorunTest, OnWritesAnEntryForThisExecutableAndOffRemovesIt)
{
    EXPECT_FALSE(Autorun::isOn());
    Autorun::setOn(true);
    EXPECT_TRUE(Autorun::isOn());
    Autorun::setOn(false);
    EXPECT_FALSE(QFile::exists(Autorun::entryPath()));
    EXPECT_FALSE(Autorun::isOn());
    EXPECT_NO_THROW(Autorun::setOn(false));
}

TEST_F(AutorunTest, AnEntryForAnotherProgramReadsAsOff)
{
    const QByteArray self = Autorun::execValue(ProgramFolder::executablePath()).toUtf8();
    const QByteArray cases[] = {"/usr/bin/other", self + " --minimised", self + "x", ""};
    for (const QByteArray& exec : cases) {
        writeEntry(exec);
        EXPECT_FALSE(Autorun::isOn()) << exec.constData();
    }
    writeEntry(self);
    EXPECT_TRUE(Autorun::isOn());
}

TEST(AutorunExec, PathsSurviveTheQuotingRules)
{
    struct Case {
        const char* program;
        const char* exec;
    } cases[] = {
        {"/opt/larkspur/L_Organizer", "/opt/larkspur/L_Organizer"},
        {"/home/me/My Apps/L_Organizer", "\"/home/me/My Apps/L_Organizer\""},
        {"/a/\"q\"/$HOME/x`y", "\"/a/\\\\\"q\\\\\"/\\\\$HOME/x\\\\`y\""},
        {"/a/back\\slash", "\"/a/back\\\\\\\\slash\""},
        {"/a/100%/p", "/a/100%%/p"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Autorun::execValue(c.program), c.exec) << c.program;
        EXPECT_EQ(Autorun::programOf(c.exec), c.program) << c.exec;
    }
    EXPECT_EQ(Autorun::programOf("\"/unclosed/quote"), "");
    EXPECT_EQ(Autorun::programOf("/two args"), "");
}

}  // namespace
