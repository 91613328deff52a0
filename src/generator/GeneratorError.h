// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/WordedError.h"

namespace dravik {

enum class GeneratorErrorKind {
    Other,
    NotRead,       // the working list was not read
    EmptyList,     // nothing to store
    NotScheduled,  // read but not scheduled since
    PastMidnight,  // facts: row, start time
    NoHeatSizeRow, // facts: item
    BadHeatSize,   // facts: item, text
    BadStartTime,  // facts: text
};

// A generator step that cannot run on what it was given (a start time that is
// no time, a heat size that is no number). The message (English) says what is
// wrong and how to put it right; the kind and facts let a window word it in its
// own language. Nothing was changed when it is thrown.
class GeneratorError : public WordedError<GeneratorErrorKind> {
public:
    using WordedError::WordedError;
};

} // namespace dravik
