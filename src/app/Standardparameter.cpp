#include "app/Standardparameter.h"

TGeneratorParameter Standardparameter()
{
    TGeneratorParameter p;
    p.MalKommtVor = true;
    p.Zahlenraum = 1000;
    p.ZUModus = 1;
    p.HUModus = 1;
    p.MultArt = 0;
    p.DivArt = 1;
    for (int k = 1; k <= 10; ++k) {
        for (int m = 1; m <= 10; ++m)
            p.MultTabelle[static_cast<std::size_t>(k)][static_cast<std::size_t>(m)] = true;
    }
    for (int gruppe = 0; gruppe < 4; ++gruppe) {
        p.StellenGrenzen[static_cast<std::size_t>(4 * gruppe + 1)] = 1;
        p.StellenGrenzen[static_cast<std::size_t>(4 * gruppe + 2)] = 1;
    }
    p.PlatzhalterOp1 = true;
    p.PlatzhalterOp2 = true;
    p.PlatzhalterErg = true;
    p.Operandenfolge = 2;
    p.QuadratBis = 10;
    p.Faktor1Von = 1;
    p.Faktor1Bis = 10;
    p.Faktor2Von = 1;
    p.Faktor2Bis = 10;
    return p;
}
