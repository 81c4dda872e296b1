// SPDX-License-Identifier: GPL-3.0-or-later
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

// How a save treats what it finds at the target path.
enum class TZielart {
    // A file the user named (a worksheet, a PDF, a picture): a symbolic link is followed, so
    // the link stays and the file it names is replaced; a device, a FIFO or a pipe is written
    // into directly, as "cat > ziel" would.
    VomBenutzer,
    // A file the program keeps for itself (the file-type registration, the standard
    // settings), at a path someone else may have planted a link at. A link is followed only
    // when the link and the regular file it names both belong to the running user; any other
    // link, and whatever else is no regular file, is replaced itself by the new file, so the
    // program never writes into a file of another user or into a device.
    Eigenverwaltung,
};

// A file being saved. Its bytes go to a temporary file beside the target; Abschliessen syncs
// it and renames it over the target. Destroyed before that (say, while an exception unwinds),
// it removes the temporary file and the target stays as it was. The temporary file is made
// only when the first bytes are written, so a long run between Oeffnen and the first bytes
// leaves nothing behind when it is stopped. A target that is no regular file (a device, a
// FIFO, a pipe) is written into directly instead; what was written into it stays written.
class TAtomareDatei final {
public:
    TAtomareDatei() = default;
    ~TAtomareDatei();
    TAtomareDatei(const TAtomareDatei&) = delete;
    TAtomareDatei& operator=(const TAtomareDatei&) = delete;

    // Prepares the save to pfad and checks that it can be made: a regular target must be
    // writable and its directory must take a new file (tried out with a file removed at
    // once); a device, FIFO or pipe is opened for writing. Returns false, touching nothing,
    // when the path is empty, names a directory or cannot be written, and Fehlernummer()
    // tells why. An existing target's permission bits carry over to the new file.
    bool Oeffnen(const std::string& pfad, TZielart art = TZielart::VomBenutzer);

    // Why the last Oeffnen failed: an errno value such as EISDIR, EACCES, ENOENT, ELOOP or
    // ENAMETOOLONG, for Fehlerursache; 0 after one that succeeded.
    int Fehlernummer() const { return FehlernummerFeld; }

    // Appends bytes (making the temporary file at the first call); raises EInOutError naming
    // the target on failure.
    void Schreiben(std::string_view bytes);

    // Syncs and closes the temporary file and renames it over the target (an empty file when
    // nothing was written); raises EInOutError naming the target on failure (the temporary
    // file is removed then, the target kept).
    void Abschliessen();

    // Closes and removes the temporary file, if there is one; the target stays as it was.
    void Verwerfen() noexcept;

private:
    void TemporaerAnlegen();

    int Deskriptor = -1;
    bool Direkt = false;            // writing into the target itself: no regular file
    bool RechteUebernehmen = false; // the target exists and its permission bits carry over
    unsigned Rechte = 0;
    int Anmeldung = -1; // the temporary file's place among those a signal removes
    int FehlernummerFeld = 0;
    std::string Ziel;      // the file being replaced
    std::string Temporaer; // the file being written
};

// Makes SIGHUP, SIGINT and SIGTERM remove the temporary files of saves in progress before the
// program ends as the signal would end it. Signals the program already handles or ignores
// are left alone. Called once at start-up by the program.
void TemporaereDateienBeiSignalEntfernen();
