// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the headless outputs need of the platform: the printer the page is measured on and
// printed to, and vector pictures for the clipboard copy. The Qt layer provides them; tests
// use recording doubles.

#include "toolkit/Drucker.h"
#include "toolkit/Papier.h"
#include "toolkit/Zwischenablage.h"

#include <memory>

class TAusgabegeraete {
public:
    virtual ~TAusgabegeraete() = default;
    // A printer that prints into a PDF document in memory, on the paper.
    virtual std::unique_ptr<TDokumentdrucker> Pdfdrucker(TPapier papier) = 0;
    // A new, empty vector picture (SVG) of the given size.
    virtual std::unique_ptr<TBild> NeuesBild(int breite, int hoehe, double pxProCm) = 0;
};

// The clipboard of a run without a window: it keeps the last picture put on it, whose SVG
// --svg writes to a file.
class TBildspeicher final : public TZwischenablage {
public:
    explicit TBildspeicher(TAusgabegeraete& geraete) : Geraete(geraete) {}
    std::unique_ptr<TBild> NeuesBild(int breite, int hoehe, double pxProCm) override
    {
        return Geraete.NeuesBild(breite, hoehe, pxProCm);
    }
    void BildAblegen(std::unique_ptr<TBild> bild) override { Bild = std::move(bild); }
    // The last picture, or none.
    const TBild* Letztes() const { return Bild.get(); }

private:
    TAusgabegeraete& Geraete;
    std::unique_ptr<TBild> Bild;
};
