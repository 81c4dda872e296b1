#include "qt/QtAusgabegeraete.h"

#include "qt/PdfDrucker.h"
#include "qt/SvgBild.h"

std::unique_ptr<TDokumentdrucker> TQtAusgabegeraete::Pdfdrucker()
{
    return std::make_unique<TPdfDrucker>();
}

std::unique_ptr<TBild> TQtAusgabegeraete::NeuesBild(int breite, int hoehe, double pxProCm)
{
    return std::make_unique<TSvgBild>(breite, hoehe, pxProCm);
}
