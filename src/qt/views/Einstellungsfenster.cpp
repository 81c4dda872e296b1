// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/views/Einstellungsfenster.h"

#include "qt/views/Ansicht.h"
#include "qt/binding/Bindung.h"
#include "settings/Main.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QTabWidget>

#include <string>
#include <vector>

namespace {

std::string Name(const char* basis, std::initializer_list<int> indizes)
{
    return TFormular::Indexname(basis, indizes);
}

// The heading over the seven digit places of an operand: the model gives it as one caption
// ("Mill   HT   ZT ..."); each word is drawn centred over the column of its place, so the
// heading lines up with the boxes in any font.
class TStellenkopf final : public QLabel {
public:
    explicit TStellenkopf(std::vector<int> mitten) : Mitten(std::move(mitten)) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter maler(this);
        maler.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        const QStringList woerter = text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (qsizetype i = 0; i < woerter.size() && i < static_cast<qsizetype>(Mitten.size()); ++i) {
            const int breite = fontMetrics().horizontalAdvance(woerter[i]);
            maler.drawText(Mitten[static_cast<std::size_t>(i)] - x() - breite / 2, fontMetrics().ascent(), woerter[i]);
        }
    }

private:
    std::vector<int> Mitten; // in the coordinates of the parent
};

} // namespace

TEinstellungsfenster::TEinstellungsfenster(TMainForm& form, TFehlerbehandlung& fehler)
    : BindungFeld(std::make_unique<TBindung>(form, fehler))
{
    TBindung& b = *BindungFeld;
    TitelFolgen(*this, form);
    // Closing the main window ends the program, whether this window is open or not.
    setAttribute(Qt::WA_QuitOnClose, false);

    auto* zurueck = b.Als<QPushButton>("BitBtn1");
    zurueck->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    auto* fehlerliste = b.Als<QPlainTextEdit>("Memo1");
    // The error list is written by the page; the user reads it.
    fehlerliste->setReadOnly(true);
    QPalette rot = fehlerliste->palette();
    rot.setColor(QPalette::Text, QColor(Qt::red));
    fehlerliste->setPalette(rot);
    fehlerliste->setFixedWidth(150);

    auto* links = Spalte(b,
                         {"BitBtn1", TAbstand{12}, "LRechenarten", "CBPluskv", "CBMinuskv", "CBMalkv", "CBGeteiltkv",
                          TAbstand{12}, "LFehlermeldungen", "Memo1"});
    links->setSpacing(4);

    auto* reiter = b.Als<QTabWidget>("PageControl1");
    SeitePlusMinus();
    SeiteMalGeteilt();
    SeitePlatzhalter();
    SeiteTriviale();

    // The content scrolls where the screen is smaller than the window wants (a laptop at
    // twice the scale); the window comes up at the content's size, within the screen.
    auto* inhalt = new QWidget;
    auto* ganz = new QHBoxLayout(inhalt);
    ganz->setContentsMargins(8, 8, 8, 8);
    ganz->setSpacing(8);
    ganz->addLayout(links);
    ganz->addWidget(reiter, 1);
    auto* rollen = new QScrollArea;
    rollen->setFrameShape(QFrame::NoFrame);
    rollen->setWidgetResizable(true);
    rollen->setWidget(inhalt);
    auto* aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(0, 0, 0, 0);
    aussen->addWidget(rollen);
    setMinimumSize(320, 240);
    resize(ImSchirm(*this, inhalt->sizeHint()));
}

TEinstellungsfenster::~TEinstellungsfenster() = default;

QWidget* TEinstellungsfenster::SeitePlusMinus()
{
    TBindung& b = *BindungFeld;
    auto* zahlenraum = new QGridLayout;
    const char* const bereiche[] = {"RBZRbis10",    "RBZRbis20",     "RBZRbis100",    "RBZRbis1000",
                                    "RBZRbis10000", "RBZRbis100000", "RBZRbis1000000"};
    for (int i = 0; i < 7; ++i)
        zahlenraum->addWidget(b.Widget(bereiche[i]), i % 4, i / 4);
    b.Widget("EZahlenraumbis")->setFixedWidth(80);
    zahlenraum->addLayout(Zeile(b, {"RBManuelleEingabe", "EZahlenraumbis", TDehnung{}}), 3, 1);
    Gruppe(b, "GBZahlenraumbis", zahlenraum);

    Gruppe(b, "GBZehneruebergang",
           Spalte(b,
                  {"RBOhneZU", "RBMitZU", "RBImmerZU", "CBErgZehner", Zeile(b, {TAbstand{20}, "LErgZehner"}),
                   TDehnung{}}));
    Gruppe(b, "GBHunderteruebergang",
           Spalte(b,
                  {"RBOhneHU", "RBMitHU", "RBImmerHU", "CBErgHunderter", Zeile(b, {TAbstand{20}, "LErgHunderter"}),
                   TDehnung{}}));
    Gruppe(b, "GBPlusMinus",
           Spalte(b,
                  {Zeile(b, {"CBPluskommtvor", TAbstand{20}, "CBMinuskommtvor", TDehnung{}}),
                   Zeile(b, {"GBZahlenraumbis", "GBZehneruebergang", "GBHunderteruebergang"})}));

    // The combination grid: the order of the operands beside it, the hint for the mouse below.
    Gruppe(b, "GroupBox1",
           Zeile(b,
                 {Spalte(b, {"LReihenfolge", "LWennZB", "LGewaehlt", "LFolgendeArten", "LVorkommen"}),
                  Spalte(b, {"RBZEplusE", "RBEplusZE", "RBPlusArtenbeide", TDehnung{}})}));
    GruppeMitPlatzierten(b, "GBSpezielleRechnungen",
                         Spalte(b, {"RBAlleRechenarten", "RBNichtAlle", TAbstand{4}, "GroupBox1"}),
                         Spalte(b,
                                {Zeile(b, {"LFahrenSie", "LMitDerMaus", TDehnung{}}),
                                 Zeile(b, {"LAufDieKaestchen", "LBeispiele", TDehnung{}})}));

    Gruppe(
        b, "GBAllgemein",
        Spalte(b,
               {"CBNullKommtVor", "CBPlatzhalteraufgaben", TAbstand{6}, "LNegativePM",
                Zeile(b, {"RBPlusMinusohneNegative", "RBPlusMinusmitNegative", "RBPlusMinusNegativeImmer", TDehnung{}}),
                Zeile(b, {"CBPositiveZahlenKlammernPM", TDehnung{}}), TDehnung{}}));
    b.Als<QCheckBox>("CBPositiveZahlenKlammernPM")->setLayoutDirection(Qt::RightToLeft);

    // The digit places of the two operands: boxes placed by the model, the labels beside them.
    for (int o = 1; o <= 2; ++o) {
        const std::string gruppe = o == 1 ? "GBOp1" : "GBOp2";
        const std::string n = std::to_string(o);
        QWidget* box = b.Widget(gruppe);
        b.Platzieren(*dynamic_cast<TContainer*>(b.Control(box)), *box);
        std::vector<int> mitten;
        for (int s = 7; s >= 1; --s) {
            const QRect r = b.Widget(Name("CBStelle", {o, 1, s}))->geometry();
            mitten.push_back(r.center().x() + 1);
        }
        auto* kopf = new TStellenkopf(mitten);
        b.Binden(*b.Formular().Finde("LStellenOp" + n), kopf);
        kopf->setParent(box);
        const QRect erste = b.Widget(Name("CBStelle", {o, 1, 7}))->geometry();
        const QRect letzte = b.Widget(Name("CBStelle", {o, 1, 1}))->geometry();
        const int hoehe = kopf->fontMetrics().height();
        kopf->setGeometry(erste.left() - 12, erste.top() - hoehe - 1, letzte.right() - erste.left() + 24, hoehe);
        LinksNeben(b, ("LKannOp" + n).c_str(), Name("CBStelle", {o, 1, 7}).c_str());
        LinksNeben(b, ("LMussOp" + n).c_str(), Name("CBStelle", {o, 2, 7}).c_str());
        box->setMinimumSize(letzte.right() + 10, b.Widget(Name("CBStelle", {o, 2, 1}))->geometry().bottom() + 8);
    }
    Gruppe(b, "GBKlasse4Aufgaben", Spalte(b, {"CBNurFolgendeOperanden", Zeile(b, {"GBOp1", "GBOp2", TDehnung{}})}));

    return Gruppe(
        b, "GSPlusMinus",
        Spalte(b,
               {"GBPlusMinus", Zeile(b, {"GBSpezielleRechnungen", "GBAllgemein"}), "GBKlasse4Aufgaben", TDehnung{}}));
}

QWidget* TEinstellungsfenster::Stellengruppe(const char* gruppe, int erstes, const char* rolle)
{
    TBindung& b = *BindungFeld;
    QWidget* box = b.Widget(gruppe);
    const QPoint ecke = b.Platzieren(*dynamic_cast<TContainer*>(b.Control(box)), *box);
    const std::string r = rolle;
    const auto e = [&](int glied) { return Name("EStellen", {erstes + glied}); };
    const auto u = [&](int glied) { return Name("UDStellen", {erstes + glied}); };
    LinksNeben(b, ("LStellen" + r).c_str(), e(0).c_str());
    Zwischen(b, ("LStellenBis" + r).c_str(), u(0).c_str(), e(1).c_str());
    LinksNeben(b, ("LNullen" + r).c_str(), e(2).c_str());
    Zwischen(b, ("LNullenBis" + r).c_str(), u(2).c_str(), e(3).c_str());
    box->setMinimumSize(ecke.x() + 8, ecke.y() + 6);
    return box;
}

QWidget* TEinstellungsfenster::Einmaleinsgruppe(const char* gruppe, const char* bis10, const char* bis20,
                                                const char* ta, const char* kleinKlein, const char* kleinGross,
                                                const char* grossGross, const char* schwer, const char* schwer1,
                                                const char* schwer2, QLayout* unten)
{
    TBindung& b = *BindungFeld;
    auto* rechts = Spalte(b, {Zeile(b, {bis10, bis20}), ta, kleinKlein, kleinGross, grossGross});
    rechts->setSpacing(2);
    auto* schwere = Zeile(b, {schwer, Spalte(b, {schwer1, schwer2}), TDehnung{}});
    auto* darunter = Spalte(b, {schwere});
    if (unten != nullptr)
        darunter->addLayout(unten);
    return GruppeMitPlatzierten(b, gruppe, rechts, darunter);
}

QWidget* TEinstellungsfenster::SeiteMalGeteilt()
{
    TBindung& b = *BindungFeld;
    Gruppe(b, "GBMultArt",
           Spalte(b,
                  {"RBEinmaleins", "RBSchriftlich", "RBFaktorenInnerhalbVonIntervallen",
                   Zeile(b, {TAbstand{20}, "LVonIntervallen"}), "RBBesondereProdukte"}));
    Gruppe(b, "GBBesondereProdukte", Spalte(b, {"CBEmalZ", "CBZEmalZ"}));
    b.Widget("EQuadrataufgabenBis")->setFixedWidth(40);
    Einmaleinsgruppe("GBMultWelcheEinmalEins", "BMult1bis10", "BMult11bis20", "CBMalUA", "CBMultkzmalkz",
                     "CBMultkzmalgz", "CBMultgzmalgz", "CBSchwereEinmaleinshaeufiger", "LSchwereMult1", "LSchwereMult2",
                     Zeile(b, {"CBQuadrataufgaben", "LBis", "EQuadrataufgabenBis", TDehnung{}}));
    Stellengruppe("GBZahlenraumFaktor1", 1, "Faktor1");
    Stellengruppe("GBZahlenraumFaktor2", 5, "Faktor2");
    auto* intervalle = new QGridLayout;
    intervalle->addWidget(b.Widget("LFaktor1Von"), 0, 0);
    intervalle->addLayout(FeldMitPfeilen(b, "EIntFaktor1Von", "UDIntFaktor1Von", 32), 0, 1);
    intervalle->addWidget(b.Widget("LFaktor1Bis"), 0, 2);
    intervalle->addLayout(FeldMitPfeilen(b, "EFaktor1Bis", "UDIntFaktor1Bis", 32), 0, 3);
    intervalle->addWidget(b.Widget("LFaktor2Von"), 1, 0);
    intervalle->addLayout(FeldMitPfeilen(b, "EIntFaktor2Von", "UDIntFaktor2Von", 32), 1, 1);
    intervalle->addWidget(b.Widget("LFaktor2Bis"), 1, 2);
    intervalle->addLayout(FeldMitPfeilen(b, "EIntFaktor2Bis", "UdIntFaktor2Bis", 32), 1, 3);
    Gruppe(b, "GBIntervalle", intervalle);
    Gruppe(b, "GBMal",
           Zeile(b,
                 {Spalte(b, {"CBMalkommtvor", "GBMultArt", "GBBesondereProdukte", TDehnung{}}),
                  Spalte(b, {"GBMultWelcheEinmalEins", TDehnung{}}),
                  Spalte(b, {"GBZahlenraumFaktor1", "GBZahlenraumFaktor2", "GBIntervalle", TDehnung{}})}));

    Gruppe(b, "GBDivArt", Spalte(b, {"RBEinmaleinsdiv", "RBSchriftlichdiv"}));
    Gruppe(b, "GBDivisionsrest",
           Spalte(b, {"LRest1", "LRest2", Zeile(b, {"RBRestnie", "RBRestJa", "RBRestimmer", TDehnung{}})}));
    Einmaleinsgruppe("GBDivWelcheEinmaleins", "Button1", "Button2", "CBGeteiltUA", "CBDivkzdurchkz", "CBDivgzdurchkz",
                     "CBDivgzdurchgz", "CBDivSchwerehaeufiger", "LSchwereDiv1", "LSchwereDiv2", nullptr);
    Stellengruppe("GBDividendZahlenraum", 9, "Dividend");
    Stellengruppe("GBDivisorZahlenraum", 13, "Divisor");
    Gruppe(b, "GBGeteilt",
           Zeile(b,
                 {Spalte(b, {"CBGeteiltkommtvor", "GBDivArt", "GBDivisionsrest", TDehnung{}}),
                  Spalte(b, {"GBDivWelcheEinmaleins", TDehnung{}}),
                  Spalte(b, {"GBDividendZahlenraum", "GBDivisorZahlenraum", TDehnung{}})}));

    Gruppe(b, "GBAllgEigenschaften",
           Zeile(b,
                 {Spalte(b, {"CBNullkommtvorMultDiv", "CBPlatzhalterkommenvormultdiv"}), TAbstand{16},
                  Spalte(b,
                         {"LNegativeMG",
                          Zeile(b,
                                {"RBMalGeteiltNegativeNie", "RBMalGeteiltNegativeja", "RBMalGeteiltNegativeImmer",
                                 TDehnung{}})}),
                  TAbstand{16}, "CBPositiveZahlenKlammernMG", TDehnung{}}));
    b.Als<QCheckBox>("CBPositiveZahlenKlammernMG")->setLayoutDirection(Qt::RightToLeft);
    Gruppe(b, "GBErgDiv", Zeile(b, {FeldMitPfeilen(b, "EMinErgDivision", "UDMinErgDivision", 40), TDehnung{}}));

    return Gruppe(b, "GSMalGeteilt",
                  Spalte(b, {"GBMal", "GBGeteilt", Zeile(b, {"GBAllgEigenschaften", "GBErgDiv"}), TDehnung{}}));
}

QWidget* TEinstellungsfenster::SeitePlatzhalter()
{
    TBindung& b = *BindungFeld;
    auto* beispiel = new QGridLayout;
    const char* const zeichen[] = {"LBeispielOp1", "LBeispielPlus", "LBeispielOp2", "LBeispielGleich", "LBeispielErg"};
    for (int i = 0; i < 5; ++i) {
        auto* label = b.Als<QLabel>(zeichen[i]);
        QFont gross = label->font();
        gross.setPointSize(28);
        gross.setBold(true);
        label->setFont(gross);
        label->setAlignment(Qt::AlignCenter);
        beispiel->addWidget(label, 0, i, Qt::AlignCenter);
    }
    beispiel->addWidget(b.Widget("CBPlatzhalterOp1"), 1, 0, Qt::AlignCenter);
    beispiel->addWidget(b.Widget("CBPlatzhalterOp2"), 1, 2, Qt::AlignCenter);
    beispiel->addWidget(b.Widget("CBPlatzhalterErg"), 1, 4, Qt::AlignCenter);
    beispiel->setHorizontalSpacing(24);
    Gruppe(b, "GroupBox2", Zeile(b, {beispiel, TDehnung{}}));
    Gruppe(b, "GroupBox3", Spalte(b, {"CBPlatzhaleraddsub", "CBPlatzhalterMultDiv"}));
    return Gruppe(b, "TSPlatzhalterauswahl",
                  Spalte(b, {"GroupBox2", "GroupBox3", Zeile(b, {"RGPlatzhalterart", TDehnung{}}), TDehnung{}}));
}

QWidget* TEinstellungsfenster::SeiteTriviale()
{
    TBindung& b = *BindungFeld;
    b.Widget("EMinimalwert")->setFixedWidth(80);
    b.Als<QLabel>("LBemerkung1")->setWordWrap(true);
    return Gruppe(b, "TabSheet1",
                  Spalte(b,
                         {"LBedingungen", TAbstand{10}, Zeile(b, {"CBMinimalWert", "EMinimalwert", TDehnung{}}),
                          TAbstand{6}, "CBKeine10HochN", Zeile(b, {TAbstand{20}, "LKeine10HochN"}), TDehnung{},
                          "LBemerkung1", "LBemerkung2"}));
}
