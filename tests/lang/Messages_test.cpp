#include "lang/uLanguages.h"
#include "platform/Profile.h"
#include "tests/support/ProgramFolderFixture.h"

#include <gtest/gtest.h>

namespace {

class MessagesTest : public ::testing::Test {
protected:
    void TearDown() override { CurrentLanguage.clear(); }
    ProgramFolderFixture folder_;
};

TEST_F(MessagesTest, WithoutAFileEveryLookupShowsItsKey)
{
    CurrentLanguage.clear();  // the state before the first LoadLanguage: "Languages/.lng"
    EXPECT_EQ(GetLangMessage("ListIsEpmty"), "ListIsEpmty");
    CurrentLanguage = "Klingon";
    EXPECT_EQ(GetLangMessage("OnceTask"), "OnceTask");
}

TEST_F(MessagesTest, LooksUpTheMessagesSectionAndReadsTheFileAfresh)
{
    folder_.writeFile("Languages/Test.lng", "[frmClock]\nOnceTask=wrong section\n[messages]\noncetask=Once\n");
    CurrentLanguage = "Test";
    EXPECT_EQ(GetLangMessage("OnceTask"), "Once");
    EXPECT_EQ(GetLangMessage("RegularTask"), "RegularTask");
    folder_.writeFile("Languages/Test.lng", "[Messages]\nOnceTask=Edited\n");
    EXPECT_EQ(GetLangMessage("OnceTask"), "Edited");
}

TEST_F(MessagesTest, LoadLanguageReadsTheConfigurationWithEnglishAsDefault)
{
    CurrentLanguage = "Deutsch";
    LoadLanguage(false);
    EXPECT_EQ(CurrentLanguage, "English");
    folder_.writeFile("L_Organizer.ini", "[General]\nLanguage=Deutsch\n");
    LoadLanguage(false);
    EXPECT_EQ(CurrentLanguage, "Deutsch");
}

TEST_F(MessagesTest, TheShippedFilesHoldEveryMessageKey)
{
    folder_.copyShipped("Languages");
    const char* keys[] = {"Time", "InputTitle", "YouHaventInputedTitleOfPlan",
                          "SelectedIntervalConsistsExistingPlan", "SelectAnyPlan", "FirstSelectAnyPlan",
                          "NewToDo", "EditTask", "InputTitleOfAction", "InputTaskTitle",
                          "TimeOfTaskIsLessThanNow", "OnceTask", "RegularTask", "Holidays", "NewHoliday",
                          "EditHoliday", "InputHolidayTitle", "ListIsEpmty", "NewAddress", "AddressBook",
                          "WantDelete", "InputLastNameOrFirstName", "DontLoadImage", "FirstNname",
                          "LastName", "Birthday", "HomePhone", "JobPhone", "MobilePhone", "Address", "Mail",
                          "ICQ", "WebSite", "Comment", "ErrorOnLoad"};
    for (const char* language : {"English"}) {
        CurrentLanguage = language;
        QStringList present;
        for (const Profile::Entry& entry : Profile::readSection(LanguageFilePath(), "Messages")) {
            EXPECT_FALSE(entry.second.isEmpty()) << language << " " << entry.first.toStdString();
            present.append(entry.first);
        }
        for (const char* key : keys)
            EXPECT_TRUE(present.contains(key)) << language << " lacks " << key;
    }
    CurrentLanguage = "English";
    EXPECT_TRUE(GetLangMessage("ErrorOnLoad").contains("%s"));
}

}  // namespace
