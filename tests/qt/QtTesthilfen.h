// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared by the Qt tests: the application every test needs, poppler's tools on a printed
// PDF, and looking at pixels.

#include "Pdfwerkzeuge.h"
#include "qt/platform/Kopflos.h"

#include <QColor>
#include <QImage>
#include <QRect>

#include <gtest/gtest.h>

#include <memory>

// One QGuiApplication for the whole test program, as fonts and painting need it.
class TQtUmgebung final : public ::testing::Environment {
public:
    void SetUp() override { Anwendung = KopflosStarten(Argc, Argv); }
    void TearDown() override { Anwendung.reset(); }

private:
    inline static char Name[] = "zifferbogen-test";
    inline static char* Argv[] = {Name, nullptr};
    inline static int Argc = 1;
    std::unique_ptr<QGuiApplication> Anwendung;
};

inline ::testing::Environment* const QtUmgebung = ::testing::AddGlobalTestEnvironment(new TQtUmgebung);

inline bool Dunkel(QRgb farbe)
{
    return qGray(farbe) < 96;
}

inline bool Weiss(QRgb farbe)
{
    return qRed(farbe) > 240 && qGreen(farbe) > 240 && qBlue(farbe) > 240;
}

// The smallest rectangle around the pixels that are not white, within bereich.
inline QRect Tinte(const QImage& bild, const QRect& bereich)
{
    QRect tinte;
    const QRect innen = bereich.intersected(bild.rect());
    for (int y = innen.top(); y <= innen.bottom(); ++y) {
        for (int x = innen.left(); x <= innen.right(); ++x) {
            if (!Weiss(bild.pixel(x, y)))
                tinte |= QRect(x, y, 1, 1);
        }
    }
    return tinte;
}
