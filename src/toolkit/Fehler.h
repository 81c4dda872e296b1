#pragma once

#include <stdexcept>
#include <string>

// The base of the run-time errors of the core. A command that meets one stops there; the
// desktop program and the command line show what() (a German message) to the user.
class EZifferbogenFehler : public std::runtime_error {
public:
    explicit EZifferbogenFehler(const std::string& meldung) : std::runtime_error(meldung) {}
};
