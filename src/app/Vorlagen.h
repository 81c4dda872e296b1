// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The ready-made worksheets: worksheet files made from a table (vorlagen.tsv) that lies in
// their folder, share/zifferbogen/vorlagen/ beside the program's bin/ folder, installed or in
// a build tree alike. The table's first three columns are the sheet's name (its file's name
// without ".zfb"), its grade and its title; the other columns made the files.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

struct TVorlage {
    std::string Name;  // a short id, as "klasse1-plus-minus-10"
    int Klasse = 0;    // 1 to 4
    std::string Titel; // as a teacher reads it
    std::filesystem::path Datei;
};

// The folder of the ready-made worksheets for the program in programmverzeichnis.
std::filesystem::path Vorlagenordner(const std::filesystem::path& programmverzeichnis);

// The ready-made worksheets the table in ordner lists, in its order. None where the folder
// or its table is missing; a row whose grade is not 1 to 4 or that has fewer than three
// columns is left out, and so is one whose file is missing.
std::vector<TVorlage> VorlagenLesen(const std::filesystem::path& ordner);

// The sheet named name, or none.
const TVorlage* VorlageFinden(const std::vector<TVorlage>& vorlagen, std::string_view name);
