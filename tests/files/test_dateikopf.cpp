// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/Dateikopf.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Dateikopf, OlderHeadersGiveTheirVersion)
{
    const char* const Koepfe[] = {
        "Zifferbogen 2.0", "Zifferbogen 2.1", "Zifferbogen 2.2", "Zifferbogen 2.3",
        "Zifferbogen 2.4", "Zifferbogen 2.5", "Zifferbogen 2.6", "Zifferbogen 2.7",
        "Zifferbogen 2.8", "Zifferbogen 2.9", "Zifferbogen 3.0",
    };
    for (int version = 0; version < 11; ++version) {
        EXPECT_EQ(DateiversionAusKopf(Koepfe[version]), version) << Koepfe[version];
    }
}

TEST(Dateikopf, EveryOtherHeaderIsTheCurrentVersion)
{
    EXPECT_EQ(AktuellerDateikopf, "Zifferbogen 3.1");
    for (const std::string& kopf : {std::string(AktuellerDateikopf), std::string(), std::string("zifferbogen 2.3"),
                                    std::string("Zifferbogen 2.3 "), std::string(" Zifferbogen 2.3"),
                                    std::string("Zifferbogen 1.9"), std::string("Zifferbogen")}) {
        EXPECT_EQ(DateiversionAusKopf(kopf), 11) << "'" << kopf << "'";
    }
}

} // namespace
