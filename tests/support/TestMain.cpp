// Every test program runs inside a QApplication on the offscreen platform, in Qt's test mode so
// that no real user data is ever touched.
#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tonvale"));
    QApplication::setOrganizationName(QStringLiteral("Quillon"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
