// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/Ausgabegeraete.h"

// The headless outputs on Qt: the PDF printer and SVG pictures.
class TQtAusgabegeraete final : public TAusgabegeraete {
public:
    std::unique_ptr<TDokumentdrucker> Pdfdrucker(TPapier papier) override;
    std::unique_ptr<TBild> NeuesBild(int breite, int hoehe, double pxProCm) override;
};
