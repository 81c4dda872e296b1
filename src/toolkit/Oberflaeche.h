// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class TDateidialog;
class TFormular;
class TSchriftdialog;

// How a window that its model has opened comes on screen. A model opens a window by setting
// its Sichtbar and then hands the window here: the desktop runs a modal one until its model
// closes it, and brings a modeless one to the front. Without a screen (the command line, the
// tests) nothing shows, and the window stays as its model left it.
class TFensteranzeige {
public:
    virtual ~TFensteranzeige() = default;
    virtual void Zeigen(TFormular& fenster) = 0;
};

// The platform's part of the windows: how they come on screen and the system dialogs the
// main window opens. The desktop fills it once its windows exist and empties it before they
// go; what is left out (none) does nothing.
struct TOberflaeche {
    TFensteranzeige* Anzeige = nullptr;
    TSchriftdialog* Schriftdialog = nullptr;
    TDateidialog* Dateidialog = nullptr; // opening and saving worksheet files
};
