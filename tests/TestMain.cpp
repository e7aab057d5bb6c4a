#include <QApplication>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// One QApplication per test binary; the xcb platform on a virtual display
// hosts the GL surfaces.
int main(int argc, char **argv)
{
#ifdef LUMETRA_TEST_SCALE_FACTOR
    qputenv("QT_SCALE_FACTOR", LUMETRA_TEST_SCALE_FACTOR);
#endif
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    // The user's remembered curves are neither read nor touched by a test.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
