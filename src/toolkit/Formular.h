// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/Steuerelemente.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A property of a window that its view follows, such as whether the window is open or its
// title: it reads and is set like the value, and tells its view of every change through
// Geaendert, so the view shows what the model holds without asking. Setting the value it
// already has tells nobody.
template <class T>
class TBeobachtet final {
public:
    TBeobachtet() = default;
    explicit TBeobachtet(T wert) : WertFeld(std::move(wert)) {}
    TBeobachtet(const TBeobachtet&) = delete;
    TBeobachtet& operator=(const TBeobachtet&) = delete;

    TBeobachtet& operator=(T wert)
    {
        if (!(wert == WertFeld)) {
            WertFeld = std::move(wert);
            if (Geaendert)
                Geaendert(WertFeld);
        }
        return *this;
    }
    operator const T&() const { return WertFeld; }
    const T& Wert() const { return WertFeld; }

    std::function<void(const T&)> Geaendert;

private:
    T WertFeld{};
};

// Whether a window is open, as its model decides.
using TSichtbarkeit = TBeobachtet<bool>;

// Owner of a window's controls. Every control is created through it under its name;
// control arrays carry their indices in the name, as "CBKombination[3][1]". The desktop
// view, the command line and the tests all find controls through Finde.
class TFormular {
public:
    explicit TFormular(std::string caption) : Caption(std::move(caption)) {}
    virtual ~TFormular() = default;
    TFormular(const TFormular&) = delete;
    TFormular& operator=(const TFormular&) = delete;

    // The window's title.
    TBeobachtet<std::string> Caption;

    // The control of that name ("CBMultReihe[7]", blanks ignored), or none.
    TControl* Finde(std::string_view name) const;
    // Whether an edit field took a text typed into it (and Enter) as it stands, rather than
    // filtering, clamping or refusing it; asked after the typing. By default the field must
    // show the text unchanged, and where an up-down "UDx" keeps the value of the field "Ex",
    // its position must be that number.
    virtual bool EingabeAngenommen(const TEdit& feld, const std::string& eingabe) const;
    // All controls in creation order.
    const std::vector<std::unique_ptr<TControl>>& Steuerelemente() const { return Liste; }

    // Creates a control of type T named name inside parent (none: directly on the window).
    template <class T>
    T& Erzeuge(std::string name, TContainer* parent = nullptr)
    {
        auto control = std::make_unique<T>(std::move(name), parent);
        T& referenz = *control;
        if (parent != nullptr)
            parent->Aufnehmen(referenz);
        Liste.push_back(std::move(control));
        return referenz;
    }

    // Name of an array element: Indexname("CBStelle", {1, 2, 3}) == "CBStelle[1][2][3]".
    static std::string Indexname(std::string_view basis, std::initializer_list<int> indizes);

private:
    std::vector<std::unique_ptr<TControl>> Liste;
};
