#include "platform/Profile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

class ProfileTest : public ::testing::Test {
protected:
    QString path() const { return dir_.filePath(QStringLiteral("test.ini")); }

    void write(const QByteArray& content) const
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QByteArray content() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir_;
};

const QByteArray Sample = "; settings by hand\n"
                          "[General]\n"
                          "ProgramView=3\n"
                          "  Language =  Deutsch  \n"
                          "Unknown=kept\n"
                          "\n"
                          "[Clock]\n"
                          "Color=0xFF\n"
                          "Top=$10\n"
                          "Left=-6\n"
                          "FontName=Ümlaut Sans\n"
                          "Broken=12abc\n";

TEST_F(ProfileTest, ReadsNamesWithoutRegardToCaseAndTrimsValues)
{
    write(Sample);
    EXPECT_EQ(Profile::readString(path(), "general", "LANGUAGE", "English"), "Deutsch");
    EXPECT_EQ(Profile::readString(path(), "Clock", "fontname", ""), QString::fromUtf8("Ümlaut Sans"));
    EXPECT_EQ(Profile::readString(path(), "Clock", "Language", "English"), "English");
    EXPECT_EQ(Profile::readString(path(), "Missing", "Key", "dflt"), "dflt");
}

TEST_F(ProfileTest, IntegersReadDecimalHexOrDefault)
{
    write(Sample);
    struct Case {
        const char* section;
        const char* key;
        int expected;
    } cases[] = {
        {"General", "ProgramView", 3}, {"Clock", "Color", 255}, {"Clock", "Top", 16},
        {"Clock", "Left", -6},         {"Clock", "Broken", 42}, {"Clock", "FontName", 42},
        {"Clock", "Missing", 42},      {"Nowhere", "Top", 42},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Profile::readInt(path(), c.section, c.key, 42), c.expected) << c.key;
}

TEST(ProfileToInt, Syntax)
{
    struct Case {
        const char* text;
        std::optional<int> expected;
    } cases[] = {
        {"0", 0},           {"-17", -17},        {"+5", 5},          {"0x", std::nullopt},
        {"0X1f", 31},       {"$FF", 255},        {"0xFFFFFFFF", -1}, {"0x100000000", std::nullopt},
        {"2147483647", 2147483647},              {"2147483648", std::nullopt},
        {"-2147483648", -2147483647 - 1},        {"", std::nullopt}, {"1 2", std::nullopt},
        {"abc", std::nullopt}, {"0xG", std::nullopt}, {"$", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Profile::toInt(QString::fromLatin1(c.text)), c.expected) << c.text;
}

TEST_F(ProfileTest, ReadSectionGivesEntriesInFileOrderFromTheFirstSectionOnly)
{
    write("[A]\nx=1\n;comment=no\nnot an entry\ny = 2\n[B]\nz=3\n[a]\nw=4\n");
    const QList<Profile::Entry> entries = Profile::readSection(path(), "a");
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0], Profile::Entry("x", "1"));
    EXPECT_EQ(entries[1], Profile::Entry("y", "2"));
}

TEST_F(ProfileTest, WritesKeepEverythingElseAndPlaceNewKeysAtTheEndOfTheirSection)
{
    write(Sample);
    Profile::writeString(path(), "GENERAL", "language", "English");
    Profile::writeInt(path(), "General", "Added", 7);
    Profile::writeInt(path(), "Clock", "Top", 20);
    Profile::writeString(path(), "New", "Key", "value");
    EXPECT_EQ(content(), QByteArray("; settings by hand\n"
                                    "[General]\n"
                                    "ProgramView=3\n"
                                    "Language=English\n"
                                    "Unknown=kept\n"
                                    "Added=7\n"
                                    "\n"
                                    "[Clock]\n"
                                    "Color=0xFF\n"
                                    "Top=20\n"
                                    "Left=-6\n"
                                    "FontName=Ümlaut Sans\n"
                                    "Broken=12abc\n"
                                    "[New]\n"
                                    "Key=value\n"));
}

TEST_F(ProfileTest, FirstWriteCreatesTheFileAndLineBreaksInValuesStayOnOneLine)
{
    Profile::writeString(path(), "General", "Language", "a\nb=c");
    EXPECT_EQ(content(), QByteArray("[General]\nLanguage=a b=c\n"));
}

TEST_F(ProfileTest, CrLfFilesKeepTheirLineEnds)
{
    write("[General]\r\nA=1\r\n");
    Profile::writeInt(path(), "General", "B", 2);
    EXPECT_EQ(content(), QByteArray("[General]\r\nA=1\r\nB=2\r\n"));
}

TEST_F(ProfileTest, AWriteReplacesTheFileAsAWhole)
{
    write("[General]\nA=1\n");
    QFile before(path());
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));  // holds the old file's contents open
    Profile::writeInt(path(), "General", "A", 2);
    EXPECT_EQ(before.readAll(), QByteArray("[General]\nA=1\n"));
    EXPECT_EQ(content(), QByteArray("[General]\nA=2\n"));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"test.ini"});
}

TEST_F(ProfileTest, AWriteThatCannotBeDoneThrows)
{
    QDir(dir_.path()).mkdir(QStringLiteral("test.ini"));
    EXPECT_THROW(Profile::writeInt(path(), "General", "A", 2), std::runtime_error);
    EXPECT_THROW(Profile::writeInt(dir_.filePath(QStringLiteral("no/such/folder.ini")), "General", "A", 2),
                 std::runtime_error);
}

TEST_F(ProfileTest, OnlyAFolderOrAnUnreadableFileCannotBeOpened)
{
    EXPECT_TRUE(Profile::canOpen(path()));  // missing
    write("[General]\n");
    EXPECT_TRUE(Profile::canOpen(path()));
    QFile::setPermissions(path(), QFile::WriteOwner);
    EXPECT_EQ(Profile::canOpen(path()), QFile(path()).open(QIODevice::ReadOnly));  // root reads anyway
    EXPECT_FALSE(Profile::canOpen(dir_.path()));
}

}  // namespace
