#pragma once
#include <stdexcept>

namespace dravik {

// A generator step that cannot run on what it was given (a start time that is
// no time, a heat size that is no number). The message says what is wrong and
// how to put it right; nothing was changed when it is thrown.
class GeneratorError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace dravik
