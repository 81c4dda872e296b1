// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "generator/TGSAufgabe.h"

#include <string>

// One task as a tab-separated line of the command line's outputs: Operand1, operator code,
// Operand2, Ergebnis, Rest, Platzhalter, the ghost pattern (its first Ziffernbreite entries
// as digits, units first), and the error message (empty when none). No line end.
std::string Aufgabenzeile(const TGSAufgabe& aufgabe);
