// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/Dateitypanmeldung.h"

#include <filesystem>
#include <string>

// Registers the worksheet type for the current user the freedesktop way, below
// $XDG_DATA_HOME (by default ~/.local/share):
//   mime/packages/zifferbogen.xml                  the type application/x-zifferbogen, *.zfb
//   applications/de.zifferbogen.Zifferbogen.desktop  the program, Exec=<program path> %f
//   icons/hicolor/scalable/apps/zifferbogen.svg    its icon
// These are the files the package installs, with Exec pointing to the program that
// registered last. A program the system already registers (the package's desktop entry and
// type in a folder of $XDG_DATA_DIRS, whose Exec finds this program) writes nothing for the
// user and removes the user's entry an earlier start of it wrote, with its type and icon; an
// entry under the old name zifferbogen.desktop that the program wrote is removed either way. Then update-mime-database and update-desktop-database, where installed,
// rebuild their caches when a file changed or a cache is older than its file; start-up waits
// for each a bounded time. Every failure is swallowed: start-up goes on as if nothing had
// happened.
class TXdgDateitypanmeldung final : public TDateitypanmeldung {
public:
    // How long start-up waits for each cache tool before stopping it.
    static constexpr int WerkzeugFristMs = 2000;

    // Registers the type whose glob is *.endung; an extension of another type, a relative
    // program path that cannot be made absolute, or one the desktop entry format cannot
    // hold (control characters, bytes that are not UTF-8) changes nothing.
    void Anmelden(const std::string& endung, const std::filesystem::path& programm) override;
};
