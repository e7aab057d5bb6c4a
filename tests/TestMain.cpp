#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

// One QApplication per test binary; the xcb platform on a virtual display
// hosts the GL surfaces.
int main(int argc, char **argv)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
