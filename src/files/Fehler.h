#pragma once

#include <stdexcept>
#include <string>

// The run-time errors of the core. A command that meets one stops there; the desktop program
// and the command line show what() (a German message) to the user.
class EZifferbogenFehler : public std::runtime_error {
public:
    explicit EZifferbogenFehler(const std::string& meldung) : std::runtime_error(meldung) {}
};

// A number in a worksheet file cannot be read: malformed, out of range, or missing at the end
// of the file.
class EConvertError final : public EZifferbogenFehler {
public:
    explicit EConvertError(const std::string& meldung) : EZifferbogenFehler(meldung) {}
};

// The file system refused to read or write a worksheet file; the message names the file.
class EInOutError final : public EZifferbogenFehler {
public:
    explicit EInOutError(const std::string& meldung) : EZifferbogenFehler(meldung) {}
};

// A value read from a file does not fit the field it is meant for (for example a count
// outside -32768..32767).
class ERangeError final : public EZifferbogenFehler {
public:
    explicit ERangeError(const std::string& meldung) : EZifferbogenFehler(meldung) {}
};
