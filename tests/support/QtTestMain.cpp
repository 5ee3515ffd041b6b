// main() for GoogleTest executables that exercise widgets: they need a QApplication.

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // gtest_discover_tests lists the tests at build time without the test environment, where no
    // display may exist; listing needs no application, so do not create one.
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    // Tests never need a real screen; an explicit QT_QPA_PLATFORM still wins.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
