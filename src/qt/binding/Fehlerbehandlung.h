// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <exception>
#include <functional>
#include <string>

class TMeldungen;

// The program's one handler of run-time errors. Every command of the desktop program runs
// through it: an error the command raises (input/output, conversion, range, arithmetic, or
// any other) ends that command alone, and the user reads its German message in a box; the
// program goes on.
class TFehlerbehandlung final {
public:
    explicit TFehlerbehandlung(TMeldungen& meldungen) : Meldungen(meldungen) {}

    // Runs befehl; an exception it raises is shown and goes no further. Returns whether befehl
    // ran to its end.
    bool Ausfuehren(const std::function<void()>& befehl) noexcept;
    // Run before and after every command, however it ended (none: nothing): the desktop
    // frames each command's changes of the worksheet there.
    std::function<void()> Vorher;
    std::function<void()> Nachher;
    // Shows an error that was caught elsewhere (the last resort of the event loop).
    void Zeigen(const std::exception_ptr& fehler) noexcept;

    // The title and the text of the box for an error.
    static std::string Titel(const std::exception& fehler);
    static std::string Text(const std::exception& fehler);

private:
    TMeldungen& Meldungen;
};
