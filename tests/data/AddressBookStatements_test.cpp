#include "data/uDataModule.h"
#include "tests/support/ProgramFolderFixture.h"

#include <gtest/gtest.h>

#include <QDir>

namespace {

struct Contact {
    QString last, first;
    int group;
};

void setContact(Query& q, const Contact& c)
{
    q.param(QStringLiteral("LastName")).setValue(c.last);
    q.param(QStringLiteral("FirstName")).setValue(c.first);
    q.param(QStringLiteral("Group")).setValue(c.group);
}

QStringList contactNames(TDataModule1& dm, std::array<int, 4> groups)
{
    for (int i = 0; i < 4; ++i)
        dm.qrContactList.param(QStringLiteral("Group%1").arg(i + 1)).setValue(groups[i]);
    QStringList names;
    for (dm.qrContactList.open(); !dm.qrContactList.eof(); dm.qrContactList.next())
        names.append(dm.qrContactList.field(QStringLiteral("ContactName")).asString());
    dm.qrContactList.close();
    return names;
}

TEST(AddressBookStatements, InsertListReadAndUpdate)
{
    ProgramFolderFixture folder;
    TDataModule1 dm;
    for (const Contact& c : {Contact{"Smith", "Anna", 1}, Contact{"Brown", "", 2}, Contact{"Young", "Carl", 3},
                             Contact{"", "Zoe", 4}}) {
        setContact(dm.qrInsContact, c);
        dm.qrInsContact.execSQL();
    }

    // A group switched off is passed as 0; names are first name, two blanks, last name, trimmed.
    EXPECT_EQ(contactNames(dm, {0, 0, 0, 0}), QStringList());
    EXPECT_EQ(contactNames(dm, {0, 2, 0, 4}), QStringList({"Brown", "Zoe"}));
    EXPECT_EQ(contactNames(dm, {1, 2, 3, 4}), QStringList({"Anna  Smith", "Brown", "Carl  Young", "Zoe"}));

    dm.qrContactList.open();
    const qint64 anna = dm.qrContactList.field(QStringLiteral("ABID")).asInteger();
    dm.qrContactList.close();

    dm.qrPerson.param(QStringLiteral("PersonID")).setValue(anna);
    dm.qrPerson.open();
    ASSERT_FALSE(dm.qrPerson.eof());
    EXPECT_EQ(dm.qrPerson.field(QStringLiteral("LastName")).asString(), QStringLiteral("Smith"));
    EXPECT_TRUE(dm.qrPerson.field(QStringLiteral("Birthday")).isNull());
    EXPECT_TRUE(dm.qrPerson.field(QStringLiteral("Mail")).isNull());
    dm.qrPerson.close();

    setContact(dm.qrUpdContact, {"Smith-Jones", "Anna", 3});
    dm.qrUpdContact.param(QStringLiteral("Birthday")).setValue(31000.0);
    dm.qrUpdContact.param(QStringLiteral("Comment")).setValue(QStringLiteral("two\nlines"));
    dm.qrUpdContact.param(QStringLiteral("PersonID")).setValue(anna);
    dm.qrUpdContact.execSQL();
    EXPECT_EQ(dm.qrUpdContact.rowsAffected(), 1);

    dm.qrPerson.open();
    EXPECT_EQ(dm.qrPerson.field(QStringLiteral("LastName")).asString(), QStringLiteral("Smith-Jones"));
    EXPECT_EQ(dm.qrPerson.field(QStringLiteral("Group")).asInteger(), 3);
    EXPECT_DOUBLE_EQ(dm.qrPerson.field(QStringLiteral("Birthday")).asDateTime(), 31000.0);
    EXPECT_EQ(dm.qrPerson.field(QStringLiteral("Comment")).asString(), QStringLiteral("two\nlines"));
    dm.qrPerson.close();
}

TEST(DataModule, AimsAtTheProgramFolderWhateverTheWorkingDirectory)
{
    ProgramFolderFixture folder;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QDir::rootPath());
    TDataModule1 dm;
    EXPECT_EQ(dm.NextShowDT, NoNextShowDT);
    EXPECT_FALSE(dm.connVO.isOpen());
    dm.qrContactList.open();
    EXPECT_TRUE(dm.connVO.isOpen());
    EXPECT_EQ(QFileInfo(dm.connVO.path()).canonicalFilePath(), QFileInfo(folder.databasePath()).canonicalFilePath());
    dm.qrContactList.close();
    QDir::setCurrent(previous);
}

}  // namespace
