// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class TGSAufgabengenerator;

// What the settings window needs of the main window: whether it is on screen, its written
// layout option, the fields the settings write into it and the commands that rebuild or
// re-lay out its page. The main window model TZeichnen implements it; tests use a
// recording stand-in.
class TZeichnenSchnittstelle {
public:
    virtual ~TZeichnenSchnittstelle() = default;

    // True while the main window is on screen.
    virtual bool Sichtbar() const = 0;
    // Shows the main window and brings it to the front.
    virtual void Zeigen() = 0;
    // The checked state of the main window's written-layout option CBSchriftlich.
    virtual bool CBSchriftlich() const = 0;
    // Sets whether positive numbers are drawn in brackets too.
    virtual void SetzePositiveKlammern(bool klammern) = 0;
    // The placeholder kind the page draws (item of RGPlatzhalterart).
    virtual int Platzhalterart() const = 0;
    virtual void SetzePlatzhalterart(int art) = 0;
    // Lends the settings window's generator for building pages.
    virtual void SetzeGenerator(TGSAufgabengenerator* generator) = 0;
    // The new-tasks command: a new page with new tasks from the generator.
    virtual void BNeueAufgabeClick() = 0;
    // Copies the main window's layout values into its page.
    virtual void ParameterUebergeben() = 0;
    // Lays the page out anew, keeping its tasks.
    virtual void Seitenmetrik() = 0;
    // The click handler of the layout options; it only runs Seitenmetrik.
    virtual void BSeitenmetrik() = 0;
    // A command of the user's begins and ends (nested ones count as part of the outermost):
    // whatever it changes on the page between is one step that undo takes back.
    virtual void BefehlAnfang() {}
    virtual void BefehlEnde() {}
};
