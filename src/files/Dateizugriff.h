#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The operating-system side of worksheet files: reading a file whole, and saving one so that
// the previous file at the target is replaced only by a complete new one.

// The error number DateiGanzLesen gives for a path that names no regular file (a directory,
// a FIFO, a device): such a file is refused before anything is read from it, so that a FIFO
// without a writer cannot block the program.
inline constexpr int KeineGewoehnlicheDatei = -1;

// A worksheet file holds settings, a few texts and the tasks of one page: a few hundred
// kilobytes at the very most. Anything larger is refused instead of being read into memory.
inline constexpr std::size_t GroessteDateigroesse = 16 * 1024 * 1024;

// Reads the whole regular file at pfad into inhalt. Returns 0 when it was read, else why it
// could not be opened (an errno value such as ENOENT or EACCES, or KeineGewoehnlicheDatei),
// leaving inhalt as it was. Raises EInOutError naming the file when it is larger than
// GroessteDateigroesse or reading fails after it was opened.
int DateiGanzLesen(const std::string& pfad, std::string& inhalt);

// The German wording of an error number of the file system (or KeineGewoehnlicheDatei), as it
// stands in brackets behind a message: "Zugriff verweigert".
std::string Fehlerursache(int fehlernummer);

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
    std::string Ziel;      // the file being replaced
    std::string Temporaer; // the file being written
};
