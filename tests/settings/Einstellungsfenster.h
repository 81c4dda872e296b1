// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared set-up of the settings window tests: the window on a fixed random seed, a
// recording message box and the recording stand-in main window, and typed access to the
// controls by name as a view would find them.

#include "doubles/ZeichnenPlatzhalter.h"
#include "fixtures/Steuerelement.h"
#include "settings/Main.h"
#include "toolkit/Zufall.h"

#include "doubles/Meldungsrekorder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class TEinstellungenTest : public ::testing::Test {
protected:
    template <class T>
    T& Ctl(const std::string& name)
    {
        return Steuerelement<T>(Form, name);
    }
    TCheckBox& CB(const std::string& name) { return Ctl<TCheckBox>(name); }
    TRadioButton& RB(const std::string& name) { return Ctl<TRadioButton>(name); }
    TEdit& E(const std::string& name) { return Ctl<TEdit>(name); }
    TUpDown& UD(const std::string& name) { return Ctl<TUpDown>(name); }
    TButton& B(const std::string& name) { return Ctl<TButton>(name); }

    static std::string Idx(const std::string& basis, std::initializer_list<int> indizes)
    {
        return TFormular::Indexname(basis, indizes);
    }
    void Enter(const std::string& feld)
    {
        char taste = 13;
        E(feld).KeyPress(taste);
    }
    int Neuaufbauten() const { return Haupt.Anzahl("BNeueAufgabeClick"); }

    TMersenneZufall Zufall{4711};
    TMeldungsrekorder Meldungen;
    TZeichnenPlatzhalter Haupt;
    TMainForm Form{Zufall, Meldungen, &Haupt};
};
