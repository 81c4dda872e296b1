// SPDX-License-Identifier: GPL-3.0-or-later
// Starting Qt without a display: offscreen unless the caller names a platform.

#include "qt/platform/Kopflos.h"

#include <QByteArray>
#include <QFont>
#include <QFontInfo>
#include <QString>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <string>

namespace {

struct TPlattformfall {
    const char* Name;
    const char* Umgebung; // QT_QPA_PLATFORM before the start; nullptr: not set
    const char* Plattform;
    bool Schriften; // whether the platform finds the system's fonts
};

class Kopflos : public ::testing::TestWithParam<TPlattformfall> {};

} // namespace

TEST_P(Kopflos, StartsOnThePlatform)
{
    const auto& fall = GetParam();
    if (fall.Umgebung == nullptr)
        qunsetenv("QT_QPA_PLATFORM");
    else
        qputenv("QT_QPA_PLATFORM", QByteArray(fall.Umgebung));

    static char name[] = "zifferbogen";
    static char* argv[] = {name, nullptr};
    static int argc = 1;
    const auto anwendung = KopflosStarten(argc, argv);
    ASSERT_NE(anwendung, nullptr);
    EXPECT_EQ(QGuiApplication::instance(), anwendung.get());
    EXPECT_EQ(QGuiApplication::platformName().toStdString(), fall.Plattform);
    // The page's typeface is found without a display.
    if (fall.Schriften) {
        EXPECT_EQ(QFontInfo(QFont(QStringLiteral("Arial"))).family().toStdString(), "Liberation Sans");
    }
}

INSTANTIATE_TEST_SUITE_P(Qt, Kopflos,
                         ::testing::Values(TPlattformfall{"ohneAngabe", nullptr, "offscreen", true},
                                           TPlattformfall{"leereAngabe", "", "offscreen", true},
                                           TPlattformfall{"minimal", "minimal", "minimal", false}),
                         [](const auto& eintrag) { return std::string(eintrag.param.Name); });
