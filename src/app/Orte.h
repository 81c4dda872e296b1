// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The places the program remembers from one run to the next: the worksheets opened or saved
// last, the folders its file dialogs were last used in, and the main window's zoom.

#include <cstddef>
#include <string>
#include <vector>

class TAblage;
class TComboBox;

// The file dialogs that remember their folder each on their own: worksheets are kept in one
// place, printed PDF files often in another.
enum class TOrdnerart { Arbeitsblatt, Pdf };

class TOrte final {
public:
    static constexpr std::size_t Hoechstzahl = 10; // worksheets in the list

    // Takes the list and the folders kept in ablage; every change goes there at once. None:
    // the places are kept for this run only.
    void Verbinden(TAblage* ablage);

    // The worksheets opened or saved last, the most recent first, each once.
    const std::vector<std::string>& Zuletzt() const { return ZuletztFeld; }
    // A worksheet was opened from or saved to pfad: it goes to the front of the list (out of
    // its old place), the list keeps the Hoechstzahl most recent, its folder is where the
    // worksheet dialogs start next.
    void Eintragen(const std::string& pfad);
    // Takes pfad out of the list (a file that is gone).
    void Entfernen(const std::string& pfad);

    // The folder the dialogs of that kind start in: the one used last; empty when none was,
    // and the dialog starts where it likes.
    const std::string& Ordner(TOrdnerart art) const;
    // The folder of the file pfad (a dialog's answer) is where those dialogs start next.
    void OrdnerMerken(TOrdnerart art, const std::string& pfad);

    // Keeps the zoom box's choice (a list entry, or a zoom typed in).
    void ZoomMerken(const TComboBox& zoom);
    // Chooses the kept zoom in the zoom box as a user would; a kept text the box would not
    // take (another version's entry, a damaged file) leaves the zoom as it is.
    void ZoomHerstellen(TComboBox& zoom) const;

private:
    void ListeAblegen();

    TAblage* Ablage = nullptr;
    std::vector<std::string> ZuletztFeld;
    std::string ArbeitsblattOrdner;
    std::string PdfOrdner;
};
