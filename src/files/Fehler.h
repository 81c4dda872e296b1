#pragma once

#include "toolkit/Fehler.h"

#include <string>

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
