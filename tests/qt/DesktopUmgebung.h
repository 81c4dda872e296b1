#pragma once

// Shared by the tests of the desktop program's windows: one application for the whole test
// program (on the offscreen platform), and message boxes that are recorded, not shown.

#include "qt/Desktop.h"
#include "toolkit/Meldungen.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class TDesktopUmgebung final : public ::testing::Environment {
public:
    void SetUp() override { Anwendung = std::make_unique<TAnwendung>(Argc, Argv); }
    void TearDown() override { Anwendung.reset(); }

private:
    inline static char Name[] = "zifferbogen-test";
    inline static char* Argv[] = {Name, nullptr};
    inline static int Argc = 1;
    std::unique_ptr<TAnwendung> Anwendung;
};

inline ::testing::Environment* const DesktopUmgebung = ::testing::AddGlobalTestEnvironment(new TDesktopUmgebung);

struct TMeldung {
    std::string Titel;
    std::string Text;
};

class TMeldungsliste final : public TMeldungen {
public:
    void Zeige(const std::string& titel, const std::string& text, TMeldungsart) override
    {
        Liste.push_back({titel, text});
    }
    std::vector<TMeldung> Liste;
};
