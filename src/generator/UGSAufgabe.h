// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The task generator: turns its parameter set into a pool of up to 300 distinct tasks and
// hands them out one at a time.

#include "generator/TGSAufgabe.h"
#include "generator/TGeneratorParameter.h"
#include "generator/Typcode.h"

#include <array>
#include <cstdint>
#include <string>

class TZufall;

// Difficulty weights of the times tables, factors 0..10 (symmetric).
extern const std::array<std::array<std::int32_t, 11>, 11> Gewichtstabelle;

// The generator's parameters are its public fields (inherited from TGeneratorParameter),
// written by the settings window's hand-over.
class TGSAufgabengenerator final : public TGeneratorParameter {
public:
    static constexpr int VorratGroesse = 300;
    static constexpr int MaxVersuche = 1000;        // attempts of one pool build
    static constexpr int MaxKandidaten = 31;        // candidates per attempt (trivial retries)
    static constexpr int MaxOperationsaufrufe = 99; // calls of one operation per candidate
    static constexpr int MaxPaare = 56;             // every combination in both orders

    // Work one pool build may spend, in units of about one random draw (see Arbeit()). Where
    // tasks are rare or impossible the retries above would cost seconds; a build that reaches
    // this amount keeps the tasks it found and makes no further attempts. A unit costs about
    // 7 ns, so a build ends within about 15 ms. Ordinary settings need at most about 1.2
    // million units (times tables or range 20 with no k·10^n numbers, where most candidates
    // are trivial), so their pools are exactly those of unlimited retries.
    static constexpr std::int64_t Arbeitsbudget = 2'000'000;
    // Charged once per candidate for the work that draws nothing (type lists, checks of
    // impossible settings, trivial and duplicate tests).
    static constexpr std::int64_t ArbeitJeKandidat = 16;
    // Charged for each failed operation call (its message is written out) and for each pass
    // of an addition by operand types (type checks and the second-operand set-up): where every
    // call fails quickly, this work outweighs the draws.
    static constexpr std::int64_t ArbeitJeFehlschlag = 8;
    static constexpr std::int64_t ArbeitJeDurchgang = 4;
    static constexpr std::int64_t ArbeitJeProduktpruefung = 4;

    // Takes a fresh seed from the random source, fills TypVon and copies the weights.
    explicit TGSAufgabengenerator(TZufall& zufall);

    TGSAufgabengenerator(const TGSAufgabengenerator&) = delete;
    TGSAufgabengenerator& operator=(const TGSAufgabengenerator&) = delete;

    // Builds a fresh pool from the parameters: never empty afterwards.
    void VorratErzeugen();
    // Hands out the next pool task; reshuffles and starts again when all were handed out.
    // Only after VorratErzeugen.
    void NaechsteAufgabe(TGSAufgabe& aufgabe);
    // The next NaechsteAufgabe returns the task handed out last once more.
    void LetzteWiederholen();
    // Same operator, same placeholder and the same operands (for additions also swapped).
    static bool GleicheAufgabe(const TGSAufgabe& a, const TGSAufgabe& b);
    // A task the suppression options reject (small numbers, numbers k·10^n).
    bool IstTrivial(const TGSAufgabe& aufgabe) const;
    // Makes one candidate: a task of a randomly chosen checked operation, or an error task.
    void EineAufgabe(TGSAufgabe& aufgabe);

    void PlusAufgabe(TGSAufgabe& aufgabe);
    void MinusAufgabe(TGSAufgabe& aufgabe);
    void MalAufgabe(TGSAufgabe& aufgabe);
    void GeteiltAufgabe(TGSAufgabe& aufgabe);

    // A random number of the given operand type (0..6); 0 for any other code.
    std::int32_t ZahlVomTyp(int typcode);
    // Placeholder position 1..3 from the allowed positions; 3 when the family has none.
    std::int32_t PlatzhalterWaehlen(bool an);
    // Changes the signs of a and b by the negative-number mode (0 no, 1 yes, 2 always);
    // wert is the task's value before any sign change.
    void NegativMachen(std::int32_t& a, std::int32_t& b, std::uint8_t modus, std::int32_t wert);
    // An addition/subtraction operand built digit by digit from Stellenmaske[operand].
    std::int32_t ZahlAusMaske(int operand);
    // A number by the digit and zero counts of the group of StellenGrenzen starting at k
    // (1, 5, 9 or 13).
    std::int32_t ZahlMitStellen(int k);

    // Pool state, readable for the page and for tests.
    const std::array<TGSAufgabe, VorratGroesse + 1>& Vorrat() const { return VorratFeld; } // [1..300]
    std::int32_t VorratAnzahl() const { return VorratAnzahlFeld; }
    std::int32_t Naechste() const { return NaechsteFeld; }
    // Work counted since the start of the last VorratErzeugen (later draws included): one
    // unit per random draw, ArbeitJeKandidat per candidate, ArbeitJeFehlschlag per failed
    // operation call, ArbeitJeDurchgang per pass of an addition by operand types, one per
    // second operand looked at, one per operand built from digit places, one per step of the
    // quotient-zero search of written division and ArbeitJeProduktpruefung per product of
    // written multiplication checked. Deterministic, so a build with a fixed seed stops at the
    // same point on every machine.
    std::int64_t Arbeit() const { return ArbeitFeld; }
    // Whether the last VorratErzeugen stopped early because it reached Arbeitsgrenze.
    bool VorratGekuerzt() const { return Gekuerzt; }
    // The budget the next builds use; Arbeitsbudget unless a test or a measurement wants
    // another one.
    std::int64_t Arbeitsgrenze = Arbeitsbudget;

    // Classification of 0..1000 and the weights, built at creation.
    std::array<std::uint8_t, 1001> TypVon{};
    std::array<std::array<std::int32_t, 11>, 11> Gewichte{};

private:
    enum class Rechenart : std::uint8_t { Plus, Minus, Mal, Geteilt };

    // Cumulative cell weights of a times table, walked row by row (cell 21·r + c).
    struct TGewichtsliste {
        std::array<std::int32_t, 21 * 21> Summe{};
        std::int32_t Gesamt = 0;
        bool Gueltig = false;
    };

    // Why an operation found no fitting task; turned into Fehlermeldung once at its end, so
    // that failed passes cost no string building.
    struct TFehler {
        const char* Text = nullptr;   // the message, or its part before the number
        const char* Danach = nullptr; // the part after the number, if the message has one
        std::int64_t Zahl = 0;
        bool Gesetzt() const { return Text != nullptr; }
        void Eintragen(std::string& ziel) const;
    };

    // Random draws; counts outside the int range are clamped, Random(n <= 0) is 0.
    int Random(int n);
    int RandomAnzahl(std::int64_t n);
    std::int64_t ZufallVonBis(std::int64_t lo, std::int64_t hi); // lo + Random(hi - lo + 1)

    // Candidate making (UGSAufgabeKandidat.cpp).
    void KombinationslistenBauen(std::int32_t& plusLaenge, std::int32_t& minusLaenge);
    void GespenstermusterSetzen(TGSAufgabe& aufgabe);
    void RechenartAufrufen(Rechenart art, TGSAufgabe& aufgabe);
    bool SicherFehlschlag(Rechenart art);

    // Pool (UGSAufgabeVorrat.cpp).
    void MischenUndNeuBeginnen();
    // Whether a running pool build must stop retrying; never outside a build, so a direct
    // call of EineAufgabe keeps its full retries.
    bool AufbauAbbrechen() const { return Puffern && ArbeitFeld >= Arbeitsgrenze; }

    // Addition and subtraction (UGSAufgabePlusMinus.cpp).
    bool PlusErlaubt(std::int32_t a, std::int32_t b) const;
    bool MinusErlaubt(std::int32_t a, std::int32_t b) const;
    bool ZweitenOperandenWaehlen(bool minus, std::int32_t a, std::int64_t bis, int typ, std::int32_t& b,
                                 TFehler& fehler);
    bool ErsterSummandMoeglich(TTypPaar paar) const;
    bool OffenerSummandMoeglich() const;
    bool MinuendMoeglich(TTypPaar paar) const;
    bool OffenerMinuendMoeglich() const;
    std::int64_t KleinsteMaskenzahl(int operand) const;
    bool PlusSicherFehlschlag() const;
    bool MinusSicherFehlschlag() const;
    void PlusMinusAbschliessen(TGSAufgabe& aufgabe, std::int32_t a, std::int32_t b, bool minus, TFehler fehler);

    // Multiplication and division (UGSAufgabeMalGeteilt.cpp).
    const TGewichtsliste& MultGewichtsliste();
    const TGewichtsliste& DivGewichtsliste();
    void GewichtslisteBauen(TGewichtsliste& liste, const std::array<std::array<bool, 21>, 21>& tabelle, bool gewichtet,
                            bool quadrate) const;
    int Zelleziehen(const TGewichtsliste& liste);
    void DivTabelleBereinigen();
    std::int64_t GrenzwertMitStellen(int k, bool groesster, std::int32_t mindest) const;
    bool MalSicherFehlschlag();
    bool GeteiltSicherFehlschlag();
    void SchriftlichMultiplizieren(std::int32_t& a, std::int32_t& b, TFehler& fehler);
    void Restverschieben(std::int32_t& dividend, std::int32_t divisor);
    void SchriftlichMitRest(std::int32_t& dividend, std::int32_t& divisor);
    void SchriftlichOhneRest(std::int32_t& dividend, std::int32_t& divisor, TFehler& fehler);

    TZufall& Zufall;

    std::array<Rechenart, 4> Rechenarten{};
    int RechenartenAnzahl = 0;
    std::array<bool, 1001> Erlaubt{};
    std::array<TTypPaar, MaxPaare + 1> PlusPaare{}; // [1..PlusAnzahl]
    std::int32_t PlusAnzahl = 0;
    std::array<TTypPaar, MaxPaare + 1> MinusPaare{}; // [1..MinusAnzahl]
    std::int32_t MinusAnzahl = 0;

    std::array<TGSAufgabe, VorratGroesse + 1> VorratFeld{}; // [1..300]
    std::int32_t VorratAnzahlFeld = 0;
    std::int32_t NaechsteFeld = 1;
    std::int32_t Mindestwert = 0;
    bool Wiederholen = false;
    TGSAufgabe Letzte;
    std::int64_t ArbeitFeld = 0;
    bool Gekuerzt = false;

    // While a pool is built the parameters cannot change, so the weight lists of the times
    // tables are built once per build instead of once per task. Outside a build (a direct
    // call of an operation) they are rebuilt on every use.
    bool Puffern = false;
    TGewichtsliste MultGewichte;
    TGewichtsliste DivGewichte;
};
