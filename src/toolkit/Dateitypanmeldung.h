// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

// Tells the desktop that files with an extension are opened by the given program, unless the
// system already says so for that program (an installed package). Failures
// are the implementation's to swallow: a start-up never fails because of it.
class TDateitypanmeldung {
public:
    virtual ~TDateitypanmeldung() = default;
    virtual void Anmelden(const std::string& endung, const std::filesystem::path& programm) = 0;
};
