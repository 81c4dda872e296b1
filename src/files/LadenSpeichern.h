// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// TLoadSave: the value stream through which worksheet files are written and read.

#include "files/Dateizugriff.h"
#include "files/Erweiterungsblock.h"
#include "toolkit/Schrift.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// One worksheet file (or a byte buffer in memory), opened once either for reading or for
// writing. Values are written as blank-separated text; every reader skips whatever stands
// before its value, so line breaks carry no meaning between values.
//
// On disk the texts are Windows-1252; the program's side of the stream is UTF-8. Reading
// treats the byte 26 (Ctrl-Z) as the end of the file. Whitespace is blank, CR and LF only.
//
// Failures: opening reports by its result; a malformed number, one outside its range, or the
// end of the file where a number is still expected raises EConvertError; the file system
// refusing to read or write raises EInOutError.
class TLoadSave final {
public:
    // The byte every read yields at the end of the file.
    static constexpr char Dateiende = 26;

    TLoadSave() = default;
    // A stream opened for writing and not closed successfully leaves the target untouched.
    ~TLoadSave() = default;
    TLoadSave(const TLoadSave&) = delete;
    TLoadSave& operator=(const TLoadSave&) = delete;

    // Reads the file at pfad whole for reading. Returns true on failure (empty path, missing
    // or unreadable file, no regular file), silently, and Oeffnungsfehler() tells why; raises
    // EInOutError when the file is too large for a worksheet file or reading fails midway.
    [[nodiscard]] bool OpenRead(const std::string& pfad);
    // Why the last OpenRead or OpenWrite failed, as DateiGanzLesen or TAtomareDatei says it
    // (ENOENT for a missing file), for Fehlerursache; 0 after one that succeeded.
    int Oeffnungsfehler() const { return OeffnungsfehlerFeld; }
    // Opens for writing to the file at pfad, treated as art says; the file is replaced only at
    // Close. Returns true on failure (empty path, directory, no permission), silently, and
    // touches nothing; Oeffnungsfehler() tells why.
    [[nodiscard]] bool OpenWrite(const std::string& pfad, TZielart art = TZielart::VomBenutzer);
    // Reads from the given Windows-1252 bytes instead of a file.
    void OpenReadBytes(std::string bytes);
    // Writes into memory instead of a file; Bytes() returns what was written.
    void OpenWriteMemory();
    // The Windows-1252 bytes written so far into memory (empty for other streams).
    const std::string& Bytes() const;
    // Finishes the stream. For a file being written: writes out, syncs and replaces the
    // target; raises EInOutError on failure and the previous file stays.
    void Close();

    // Skips blanks, CRs and LFs, consumes the next character in any case and returns whether
    // it equals c.
    bool ExpectChar(char c);

    // Writes "[", the text with "[", "\" and "]" each escaped by a backslash, "]".
    void WriteText(std::string_view text);
    // Reads a text value. Returns the empty text, with one character consumed, when the next
    // non-blank character is not "[". A text missing its closing bracket ends at the end of
    // the file.
    std::string ReadText();

    // Writes a blank, the decimal form, a blank.
    void WriteInteger(std::int32_t n);
    // Skips everything up to the next digit or "-" and reads the number there.
    std::int32_t ReadInteger();

    // Writes a blank, the 23-character scientific form, a blank. Raises EConvertError for
    // infinity or NaN.
    void WriteFloat(double x);
    // Skips everything up to the next digit, "+" or "-" and reads the number up to the next
    // blank or CR.
    double ReadFloat();

    // Writes a blank, "true" or "false", a blank.
    void WriteBoolean(bool b);
    // Reads the next word of lower-case letters; true exactly when it is "true".
    bool ReadBoolean();

    // Writes " [", the name as text, size, style, colour and character set as integers,
    // "] " and a line break.
    void WriteFont(const TSchrift& schrift);
    // Reads a font record. Of style and character set only the four style bits and the low
    // byte are kept, which is all a font can hold. Raises ERangeError for a name longer than
    // TSchrift::GroessteNamenslaenge characters.
    TSchrift ReadFont();

    // Writes CR LF.
    void WriteLineEnd();

    // Returns whether a stream being read has reached its end (or a Ctrl-Z byte).
    bool AmEnde() const;

    // The values of the extension block the file being read ends with (none without a
    // block); the other readers never see the block. Raises EConvertError for a damaged block.
    TErweiterungen ReadErweiterungen() const;
    // Writes the extension block after what was written so far, when it holds values.
    void WriteErweiterungen(const TErweiterungen& werte);

private:
    enum class TModus { Geschlossen, Lesen, SchreibenDatei, SchreibenSpeicher };

    // Returns the next byte, or Dateiende without moving at the end.
    char Lesen();
    void Schreiben(std::string_view bytes);
    void Zuruecksetzen();

    TModus Modus = TModus::Geschlossen;
    std::string Puffer;       // bytes being read, or bytes not yet handed to the file
    std::size_t Position = 0; // reading position in Puffer
    std::string Speicher;     // everything written by a stream in memory
    std::optional<std::string> Erweiterung; // the extension block's lines, read off the end
    std::string ErweiterungFehler;          // why the block at the end could not be read off
    TAtomareDatei Datei;
    int OeffnungsfehlerFeld = 0;
};
