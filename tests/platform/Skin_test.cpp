#include "platform/Skin.h"

#include "tests/support/ProgramFolderFixture.h"

#include <gtest/gtest.h>

#include <QApplication>

namespace {

const QByteArray StyleSheet = "QWidget { color: #102030; }\n";

class SkinTest : public ::testing::Test {
protected:
    ProgramFolderFixture folder;
    void TearDown() override { qApp->setStyleSheet(QString()); }
};

TEST_F(SkinTest, PlainAndCompressedSkinsBecomeTheApplicationStyleSheet)
{
    for (const QByteArray& content : {StyleSheet, qCompress(StyleSheet)}) {
        qApp->setStyleSheet(QString());
        folder.writeFile(QStringLiteral("Skins/Larkspur.skn"), content);
        ASSERT_TRUE(Skin::load(folder.filePath(QStringLiteral("Skins/Larkspur.skn"))));
        EXPECT_EQ(qApp->styleSheet(), QString::fromUtf8(StyleSheet));
    }
}

TEST_F(SkinTest, MissingOrBrokenSkinIsRefusedAndLeavesTheStyleAlone)
{
    QByteArray broken = qCompress(StyleSheet);
    broken.truncate(broken.size() - 4);
    folder.writeFile(QStringLiteral("Skins/Broken.skn"), broken);
    folder.writeFile(QStringLiteral("Skins/Folder.skn/x"), "x");
    for (const char* file : {"Skins/Larkspur.skn", "Skins/Broken.skn", "Skins/Folder.skn"}) {
        EXPECT_FALSE(Skin::load(folder.filePath(QString::fromLatin1(file)))) << file;
        EXPECT_TRUE(qApp->styleSheet().isEmpty()) << file;
    }
}

}  // namespace
