// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <utility>

// Gives a variable a value for the lifetime of the guard and puts the value it had before
// back on every way out, exceptions included. Because it restores the previous value rather
// than a fixed one, nested uses are safe: an inner guard never undoes what an outer one set.
template <class T>
class TWertWaechter final {
public:
    TWertWaechter(T& variable, T wert) : Variable(variable), Vorher(std::exchange(variable, std::move(wert))) {}
    ~TWertWaechter() { Variable = std::move(Vorher); }
    TWertWaechter(const TWertWaechter&) = delete;
    TWertWaechter& operator=(const TWertWaechter&) = delete;

private:
    T& Variable;
    T Vorher;
};
