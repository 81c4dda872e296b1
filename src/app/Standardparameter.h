#pragma once

#include "generator/TGeneratorParameter.h"

// The parameters the settings window hands to the generator with its default settings:
// multiplication only, the times tables 1 to 10 with both factors at most 10, zero not
// allowed, no placeholders, no negative numbers.
TGeneratorParameter Standardparameter();
