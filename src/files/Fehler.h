// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/Fehler.h"

#include <string>

// The file system refused to read or write a worksheet file; the message names the file.
class EInOutError final : public EZifferbogenFehler {
public:
    explicit EInOutError(const std::string& meldung) : EZifferbogenFehler(meldung) {}
};

// The message for a worksheet file that could not be read: the error's own message when it
// already names the file (the file system refused), else einleitung, ": " and the message.
inline std::string Dateifehlertext(const std::string& einleitung, const EZifferbogenFehler& dateifehler)
{
    if (dynamic_cast<const EInOutError*>(&dateifehler) != nullptr)
        return dateifehler.what();
    return einleitung + ": " + dateifehler.what();
}
