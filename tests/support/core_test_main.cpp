#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Tests that read files of the source tree find it here.
    if (qEnvironmentVariableIsEmpty("DOSARIUM_SOURCE_DIR"))
        qputenv("DOSARIUM_SOURCE_DIR", DOSARIUM_SOURCE_DIR);
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
