// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/WordedError.h"

namespace dravik {

enum class StoreErrorKind {
    Other,
    Busy,    // another program or window is writing: facts table, file
    Changed, // the table is not what this window loaded: facts table, file
};

// A failure of the data store or of a file the program reads or writes.
// The message names the file (and table or row) and what is wrong; the
// command-line tool prints it and windows word it from its kind and facts.
class StoreError : public WordedError<StoreErrorKind> {
public:
    using WordedError::WordedError;
};

} // namespace dravik
