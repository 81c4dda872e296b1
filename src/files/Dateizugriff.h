#pragma once

#include <string>
#include <string_view>

// The operating-system side of worksheet files: reading a file whole, and saving one so that
// the previous file at the target is replaced only by a complete new one.

// Reads the whole regular file at pfad into inhalt. Returns false when the file cannot be
// opened (missing, no access, a directory, empty path); raises EInOutError naming the file
// when reading fails after it was opened.
bool DateiGanzLesen(const std::string& pfad, std::string& inhalt);

// A file being saved. Its bytes go to a temporary file beside the target; Abschliessen syncs
// it and renames it over the target. Destroyed before that (say, while an exception unwinds),
// it removes the temporary file and the target stays as it was.
class TAtomareDatei final {
public:
    TAtomareDatei() = default;
    ~TAtomareDatei();
    TAtomareDatei(const TAtomareDatei&) = delete;
    TAtomareDatei& operator=(const TAtomareDatei&) = delete;

    // Creates the temporary file for the target pfad. Returns false, touching nothing, when
    // the path is empty, the target is a directory or not writable, or the directory refuses
    // a new file. An existing target's permission bits carry over to the new file.
    bool Oeffnen(const std::string& pfad);

    // Appends bytes to the temporary file; raises EInOutError naming the target on failure.
    void Schreiben(std::string_view bytes);

    // Syncs and closes the temporary file and renames it over the target; raises EInOutError
    // naming the target on failure (the temporary file is removed then, the target kept).
    void Abschliessen();

    // Closes and removes the temporary file, if there is one; the target stays as it was.
    void Verwerfen() noexcept;

private:
    int Deskriptor = -1;
    std::string Ziel;       // the file being replaced
    std::string Temporaer;  // the file being written
};
