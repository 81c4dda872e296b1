// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>

// Bad usage of the command line; what() is the German message. Exit status 2.
class TBedienfehler final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
