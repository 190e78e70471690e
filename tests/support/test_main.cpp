// Test entry point: every test runs with a Qt application on the offscreen platform, "today"
// pinned, and the build's folders known to tests that start the programs or load the module.
#include <QApplication>
#include <gtest/gtest.h>

namespace {
void setDefault(const char* name, const QByteArray& value)
{
    if (qEnvironmentVariableIsEmpty(name))
        qputenv(name, value);
}
}

int main(int argc, char** argv)
{
    setDefault("QT_QPA_PLATFORM", "offscreen");
    setDefault("RAR1_TODAY", "2026-03-01");
    setDefault("RAR1_BIN_DIR", RAR1_BUILD_DIR "/bin");
    setDefault("RAR1_LIB_DIR", RAR1_BUILD_DIR "/lib");
    setDefault("RAR1_SOURCE_DIR", RAR1_TREE_DIR);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
