// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/platform/QtAusgabegeraete.h"

#include "qt/platform/PdfDrucker.h"
#include "qt/platform/SvgBild.h"

std::unique_ptr<TDokumentdrucker> TQtAusgabegeraete::Pdfdrucker(TPapier papier)
{
    return std::make_unique<TPdfDrucker>(papier);
}

std::unique_ptr<TBild> TQtAusgabegeraete::NeuesBild(int breite, int hoehe, double pxProCm)
{
    return std::make_unique<TSvgBild>(breite, hoehe, pxProCm);
}
