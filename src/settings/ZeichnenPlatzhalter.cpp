#include "settings/ZeichnenPlatzhalter.h"

#include <algorithm>

void TZeichnenPlatzhalter::Zeigen()
{
    SichtbarFeld = true;
    Aufrufe.emplace_back("Zeigen");
}

void TZeichnenPlatzhalter::SetzePositiveKlammern(bool klammern)
{
    PositiveKlammern = klammern;
    Aufrufe.emplace_back("PositiveKlammern");
}

void TZeichnenPlatzhalter::SetzePlatzhalterart(int art)
{
    PlatzhalterartFeld = art;
    Aufrufe.emplace_back("Platzhalterart");
}

void TZeichnenPlatzhalter::SetzeGenerator(TGSAufgabengenerator* generator)
{
    Generator = generator;
    Aufrufe.emplace_back("Generator");
}

void TZeichnenPlatzhalter::BNeueAufgabeClick()
{
    Aufrufe.emplace_back("BNeueAufgabeClick");
    if (NeueAufgabenAktion)
        NeueAufgabenAktion(Generator);
}

void TZeichnenPlatzhalter::ParameterUebergeben()
{
    Aufrufe.emplace_back("ParameterUebergeben");
}

void TZeichnenPlatzhalter::Seitenmetrik()
{
    Aufrufe.emplace_back("Seitenmetrik");
}

void TZeichnenPlatzhalter::BSeitenmetrik()
{
    Aufrufe.emplace_back("BSeitenmetrik");
}

int TZeichnenPlatzhalter::Anzahl(const std::string& aufruf) const
{
    return static_cast<int>(std::count(Aufrufe.begin(), Aufrufe.end(), aufruf));
}
