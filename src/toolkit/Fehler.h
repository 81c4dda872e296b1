// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

// The base of the run-time errors of the core. A command that meets one stops there; the
// desktop program and the command line show what() (a German message) to the user.
class EZifferbogenFehler : public std::runtime_error {
public:
    explicit EZifferbogenFehler(const std::string& meldung) : std::runtime_error(meldung) {}
};

// A number cannot be read: malformed, out of range, or missing, whether typed into a field
// or read from a worksheet file.
class EConvertError final : public EZifferbogenFehler {
public:
    explicit EConvertError(const std::string& meldung) : EZifferbogenFehler(meldung) {}
};

// A value does not fit the field it is meant for (for example a count outside
// -32768..32767), whether typed or read from a worksheet file.
class ERangeError final : public EZifferbogenFehler {
public:
    explicit ERangeError(const std::string& meldung) : EZifferbogenFehler(meldung) {}
};
