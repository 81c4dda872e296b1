// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/binding/Fehlerbehandlung.h"

#include "files/Fehler.h"
#include "toolkit/Meldungen.h"

#include <cstdio>
#include <new>
#include <stdexcept>

bool TFehlerbehandlung::Ausfuehren(const std::function<void()>& befehl) noexcept
{
    bool durchgelaufen = true;
    try {
        if (Vorher)
            Vorher();
        befehl();
    } catch (...) {
        Zeigen(std::current_exception());
        durchgelaufen = false;
    }
    // Also after a command that failed part-way: what it changed counts.
    if (Nachher) {
        try {
            Nachher();
        } catch (...) {
            Zeigen(std::current_exception());
        }
    }
    return durchgelaufen;
}

void TFehlerbehandlung::Zeigen(const std::exception_ptr& fehler) noexcept
{
    try {
        try {
            std::rethrow_exception(fehler);
        } catch (const std::exception& e) {
            Meldungen.Zeige(Titel(e), Text(e), TMeldungsart::Fehler);
        } catch (...) {
            Meldungen.Zeige("Fehler", "Der Befehl wurde wegen eines unbekannten Fehlers abgebrochen.",
                            TMeldungsart::Fehler);
        }
    } catch (...) {
        // Not even the box could be shown (no memory left, say); the program still goes on.
        std::fputs("zifferbogen: Ein Fehler konnte nicht angezeigt werden.\n", stderr);
    }
}

std::string TFehlerbehandlung::Titel(const std::exception& fehler)
{
    if (dynamic_cast<const EInOutError*>(&fehler) != nullptr)
        return "Ein-/Ausgabefehler";
    if (dynamic_cast<const EConvertError*>(&fehler) != nullptr
        || dynamic_cast<const std::invalid_argument*>(&fehler) != nullptr)
        return "Umwandlungsfehler";
    if (dynamic_cast<const ERangeError*>(&fehler) != nullptr
        || dynamic_cast<const std::out_of_range*>(&fehler) != nullptr
        || dynamic_cast<const std::length_error*>(&fehler) != nullptr
        || dynamic_cast<const std::range_error*>(&fehler) != nullptr)
        return "Bereichsfehler";
    if (dynamic_cast<const std::overflow_error*>(&fehler) != nullptr
        || dynamic_cast<const std::underflow_error*>(&fehler) != nullptr
        || dynamic_cast<const std::domain_error*>(&fehler) != nullptr)
        return "Rechenfehler";
    if (dynamic_cast<const std::bad_alloc*>(&fehler) != nullptr)
        return "Zu wenig Speicher";
    return "Fehler";
}

std::string TFehlerbehandlung::Text(const std::exception& fehler)
{
    // The core's errors carry German messages; those of the standard library are English
    // and meant for developers, so the user gets a German sentence with them appended.
    if (dynamic_cast<const EZifferbogenFehler*>(&fehler) != nullptr)
        return fehler.what();
    if (dynamic_cast<const std::bad_alloc*>(&fehler) != nullptr)
        return "Für diesen Befehl reicht der Arbeitsspeicher nicht; er wurde abgebrochen.";
    return "Der Befehl wurde wegen eines Fehlers abgebrochen (" + std::string(fehler.what()) + ").";
}
