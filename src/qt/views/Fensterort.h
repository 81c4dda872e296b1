// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where a window stood when the program ended last: its place and size (without the window
// manager's frame) and whether it was maximised, kept as the text "x,y,breite,hoehe" with
// ",maximiert" added when it was.

#include <string>

class QWidget;
class TAblage;

// Puts fenster where ablage keeps it under schluessel, moved and shrunk as far as needed to
// lie on a screen that is there now (a second screen may be gone), and at least as large as
// the window allows. Returns false, leaving the window as it is, when nothing readable is kept.
bool FensterortHerstellen(QWidget& fenster, const TAblage& ablage, const std::string& schluessel);

// Keeps where fenster stands under schluessel: the place it takes when not maximised.
void FensterortMerken(const QWidget& fenster, TAblage& ablage, const std::string& schluessel);
