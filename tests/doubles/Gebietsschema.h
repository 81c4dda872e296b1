// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <clocale>
#include <string>

// Switches the C library to a locale for one scope, as Qt does from LANG when a teacher's
// desktop starts the program, and back to the one before at its end.
class TGebietsschema final {
public:
    explicit TGebietsschema(const char* name)
    {
        const char* bisher = std::setlocale(LC_ALL, nullptr);
        Bisher = bisher != nullptr ? bisher : "C";
        Gesetzt = std::setlocale(LC_ALL, name) != nullptr;
    }
    ~TGebietsschema() { std::setlocale(LC_ALL, Bisher.c_str()); }
    TGebietsschema(const TGebietsschema&) = delete;
    TGebietsschema& operator=(const TGebietsschema&) = delete;

    // False when the machine lacks the locale (scripts/install-deps.sh makes the ones tested).
    bool Gesetzt = false;

private:
    std::string Bisher;
};

// The locales the tests run numbers under: the plain ones and those of German and English
// desktops.
inline constexpr const char* Gebietsschemata[] = {"C", "C.UTF-8", "de_DE.UTF-8", "en_US.UTF-8"};
