#include "tests/support/ProgramProcess.h"

#include <gtest/gtest.h>

#include <QDir>

#include <csignal>

namespace {

void endByTerm(QProcess& process)
{
    process.terminate();
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
}

TEST(SingleInstance, SecondStartLeavesAtOnceAndTheFirstKeepsRunning)
{
    ProgramInstallation install;
    auto first = install.start();
    ASSERT_TRUE(install.waitUntilListening());

    auto second = install.start();
    ASSERT_TRUE(second->waitForFinished(10000));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(first->state(), QProcess::Running);

    endByTerm(*first);
}

TEST(SingleInstance, CopyUnderAnotherNameIsAnotherProgram)
{
    ProgramInstallation install;
    auto first = install.start();
    ASSERT_TRUE(install.waitUntilListening());
    auto other = install.start(install.copyExecutableAs(QStringLiteral("Other.bin")));
    EXPECT_FALSE(other->waitForFinished(1500));
    EXPECT_EQ(other->state(), QProcess::Running);
    endByTerm(*other);
    endByTerm(*first);
}

TEST(SingleInstance, LockOfAKilledInstanceDoesNotBlockTheNextStart)
{
    ProgramInstallation install;
    auto killed = install.start();
    ASSERT_TRUE(install.waitUntilListening());
    killed->kill();
    ASSERT_TRUE(killed->waitForFinished(10000));

    auto next = install.start();
    EXPECT_FALSE(next->waitForFinished(1500));
    EXPECT_EQ(next->state(), QProcess::Running);
    endByTerm(*next);
}

}  // namespace
