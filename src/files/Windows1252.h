// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Worksheet files hold their texts in Windows-1252; the program holds UTF-8. These two
// functions convert at that boundary.
//
// The five bytes Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) are read as the
// control characters U+0081, U+008D, U+008F, U+0090, U+009D and written back as the same
// bytes, so every byte sequence survives a read and a write unchanged.

// Returns the UTF-8 form of Windows-1252 bytes. Never fails.
std::string Windows1252NachUtf8(std::string_view bytes);

// Returns the Windows-1252 form of a UTF-8 text. A character Windows-1252 cannot hold becomes
// "?", and so does every byte that is not part of a well-formed UTF-8 sequence.
std::string Utf8NachWindows1252(std::string_view text);

// Returns what Utf8NachWindows1252 would write as "?" in a UTF-8 text: each character
// Windows-1252 cannot hold (as its UTF-8 bytes), and each byte that is not part of a
// well-formed sequence (alone), every one once, in the order they first occur.
std::vector<std::string> NichtInWindows1252(std::string_view text);

// Returns a text as it may be shown in a message, such as a file name taken from the command
// line: well-formed UTF-8 stays, while bytes that are not, and control characters, appear as
// \xNN, so that a strange name can garble neither the message nor the terminal.
std::string Utf8Maskiert(std::string_view text);
