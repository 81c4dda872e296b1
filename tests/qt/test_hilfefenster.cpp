// SPDX-License-Identifier: GPL-3.0-or-later
// The manual on screen: F1 in the settings window opens the part about the tab page shown, F1
// in the main window and its menu item "Hilfe" the start, always in the one help window; a
// missing manual is named, not shown empty.

#include "DesktopUmgebung.h"

#include "qt/views/Einstellungsfenster.h"
#include "qt/views/Hilfefenster.h"

#include <QAction>
#include <QApplication>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

namespace {

// The part of the manual the help window shows, or "" when it shows no page of it.
std::string Teil(const THilfefenster& hilfe)
{
    const QUrl quelle = hilfe.Browser().source();
    if (!hilfe.isVisible() || quelle.fileName() != QStringLiteral("handbuch.html"))
        return {};
    return quelle.fragment().toStdString();
}

int Hilfefenster()
{
    int anzahl = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        anzahl += dynamic_cast<THilfefenster*>(w) != nullptr ? 1 : 0;
    return anzahl;
}

TEST(Hilfefenster, F1InTheSettingsWindowOpensThePartAboutThePageShown)
{
    TProgrammlauf p;
    TEinstellungsfenster& fenster = p.D.Einstellungsfenster();
    fenster.show();
    auto* reiter = fenster.Bindung().Als<QTabWidget>("PageControl1");
    struct Fall {
        int Seite;
        const char* Steuerelement; // where the focus is when F1 is pressed
        const char* Teil;
    };
    const Fall faelle[] = {
        {2, "CBPlatzhalterOp1", "platzhalter-seite"},
        {0, "CBPluskommtvor", "plus-minus"},
        {3, "EMinimalwert", "triviale-aufgaben"},
        {1, "CBMalkommtvor", "mal-geteilt"},
    };
    for (const Fall& f : faelle) {
        reiter->setCurrentIndex(f.Seite);
        QTest::keyClick(fenster.Bindung().Widget(f.Steuerelement), Qt::Key_F1);
        EXPECT_EQ(Teil(p.D.Hilfefenster()), f.Teil) << f.Steuerelement;
    }
    EXPECT_EQ(Hilfefenster(), 1);
}

TEST(Hilfefenster, F1AndTheMenuItemOfTheMainWindowOpenTheStart)
{
    TProgrammlauf p;
    QAction* hilfe = p.D.Hauptfenster().Befehl(QStringLiteral("Hilfe"));
    ASSERT_NE(hilfe, nullptr);
    EXPECT_EQ(hilfe->text(), QStringLiteral("Hilfe\tF1"));
    EXPECT_EQ(Teil(p.D.Hilfefenster()), "");

    hilfe->trigger();
    EXPECT_EQ(Teil(p.D.Hilfefenster()), "start");

    // From another part back to the start with the key, wherever the focus is in the window.
    QTest::keyClick(p.D.Einstellungsfenster().Bindung().Widget("CBMalkommtvor"), Qt::Key_F1);
    EXPECT_EQ(Teil(p.D.Hilfefenster()), "mal-geteilt");
    QTest::keyClick(&p.Malflaeche(), Qt::Key_F1);
    EXPECT_EQ(Teil(p.D.Hilfefenster()), "start");
    EXPECT_EQ(Hilfefenster(), 1);
}

TEST(Hilfefenster, AMissingManualIsNamed)
{
    THilfefenster hilfe("/nonexistent-zifferbogen/share/zifferbogen/hilfe/handbuch.html");
    hilfe.Zeigen("start");
    const QString text = hilfe.Browser().toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("Das Handbuch fehlt"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("/nonexistent-zifferbogen/share/zifferbogen/hilfe/handbuch.html")));
    EXPECT_EQ(Teil(hilfe), "");
}

} // namespace
