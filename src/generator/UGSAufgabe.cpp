#include "generator/UGSAufgabe.h"
// Implementation in progress.
