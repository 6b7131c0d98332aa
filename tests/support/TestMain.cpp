// Test entry point: a QApplication on the offscreen platform (unless the
// environment names another) and a private prefix for the whole run, so no
// test ever touches the user's own Windows environment.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir prefix;
    qputenv("VELOX_PREFIX", prefix.path().toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
