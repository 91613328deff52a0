#pragma once
#include <stdexcept>
#include <string>

namespace dravik {

// A failure of the data store or of a file the program reads or writes.
// The message names the file (and table or row) and what is wrong; windows
// show it as it stands and the command-line tool prints it.
class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace dravik
