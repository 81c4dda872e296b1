// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's manual: one HTML page with its pictures in share/zifferbogen/hilfe/ beside
// the program's bin/ folder, installed or in a build tree alike, and which part of it F1 opens
// in a window. Each part of the page is addressed by an anchor (an id in the page).

#include <filesystem>
#include <string>

class TMainForm;

// The anchor of the manual's start, which F1 in the main window and the menu "Hilfe" open.
inline constexpr const char* HilfeStart = "start";

// The manual's page for the program in programmverzeichnis; none when that is empty.
std::filesystem::path Handbuchdatei(const std::filesystem::path& programmverzeichnis);

// The part of the manual about the tab page the settings window shows, or about the window as
// a whole when it shows none.
std::string Hilfeanker(const TMainForm& einstellungen);
