// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The states a worksheet went through, for undo and redo: each state is the worksheet as its
// file would hold it, kept in memory, so going back is opening a file that cannot fail.

#include <cstddef>
#include <deque>
#include <string>

class TVerlauf final {
public:
    // At least this many steps can be undone, as long as the states fit into MaxBytes.
    static constexpr std::size_t MaxSchritte = 100;
    // All states together never hold more than this; the oldest go first. A full page of 300
    // tasks is some ten kilobytes, so the bound keeps the hundred steps with room to spare.
    static constexpr std::size_t MaxBytes = std::size_t{32} * 1024 * 1024;

    // Forgets every step: stand is the only state (after opening, saving or starting).
    void Beginnen(std::string stand);
    // The worksheet changed to stand: it becomes the state now, one step after the present
    // one, and the steps that could be redone are gone. A stand equal to the present state is
    // no step; returns whether it was one.
    bool Festhalten(std::string stand);

    // The present state, made by a step still under way, becomes stand; a stand equal to the
    // state before that step takes the step back. Returns whether the step is still one.
    bool Ersetzen(std::string stand);

    bool KannZurueck() const { return Position > 0; }
    bool KannVor() const { return Position + 1 < Staende.size(); }
    // One step back or forward; the state then. Only when KannZurueck / KannVor.
    const std::string& Zurueck();
    const std::string& Vor();
    // The state now; empty before Beginnen.
    const std::string& Aktuell() const;

    std::size_t Bytes() const { return BytesFeld; }
    std::size_t Schritte() const { return Staende.empty() ? 0 : Staende.size() - 1; }

private:
    void Kuerzen();

    std::deque<std::string> Staende;
    std::size_t Position = 0;
    std::size_t BytesFeld = 0;
};
