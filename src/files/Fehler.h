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

// The message for a worksheet file that could not be read: the error's own message when it
// already names the file (the file system refused), else einleitung, ": " and the message.
inline std::string Dateifehlertext(const std::string& einleitung, const EZifferbogenFehler& dateifehler)
{
    if (dynamic_cast<const EInOutError*>(&dateifehler) != nullptr)
        return dateifehler.what();
    return einleitung + ": " + dateifehler.what();
}
