#include <gtest/gtest.h>

#include "platform/ErrorReport.h"

// Every test executable runs headless with the program's own application object.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    ErrorReportingApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
