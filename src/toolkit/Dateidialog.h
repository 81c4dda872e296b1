// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

// The file dialogs for opening and saving. Each returns the path the user confirmed, or
// nothing after Cancel. filter is the file type's description with its pattern, as
// "Zifferbogen-Datei (*.zfb)"; endung (without the dot) is added to a name typed without one.
// start is the folder the dialog starts in, or a file in it that the dialog proposes; empty:
// the dialog starts where it likes.
class TDateidialog {
public:
    virtual ~TDateidialog() = default;
    virtual std::optional<std::string> Oeffnen(const std::string& filter, const std::string& endung,
                                               const std::string& start) = 0;
    virtual std::optional<std::string> Speichern(const std::string& filter, const std::string& endung,
                                                 const std::string& start) = 0;
};
