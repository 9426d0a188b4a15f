#include "app/uOnce.h"

#include <gtest/gtest.h>

namespace {

TEST(uOnce, GuardNameFromTheExecutablesFileName)
{
    const struct {
        const char* path;
        const char* guard;
    } cases[] = {
        {"/opt/larkspur/L_Organizer", "PREVINST:L_organizer"},
        {"/opt/larkspur/L_ORGANIZER.exe", "PREVINST:L_organizer"},
        {"/home/u/my.copy.of.L_Organizer", "PREVINST:my"},
        {"/home/u/Organizer2", "PREVINST:Organizer2"},
        {"/home/u/.hidden", "PREVINST:"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(uOnce::GuardName(QString::fromUtf8(c.path)).toStdString(), c.guard) << c.path;
}

}  // namespace
