#pragma once
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace dravik {

// A failure of the data store or of a file the program reads or writes.
// The message names the file (and table or row) and what is wrong; windows
// show it as it stands and the command-line tool prints it.
// The kind and the facts (table, file) let a window word it in its own language.
class StoreError : public std::runtime_error {
public:
    enum class Kind {
        Other,
        Busy,    // another program or window is writing: facts table, file
        Changed, // the table is not what this window loaded: facts table, file
    };
    explicit StoreError(const std::string& message, Kind kind = Kind::Other, std::vector<std::string> facts = {})
        : std::runtime_error(message), kind_(kind), facts_(std::move(facts))
    {
    }
    Kind kind() const { return kind_; }
    const std::vector<std::string>& facts() const { return facts_; }

private:
    Kind kind_;
    std::vector<std::string> facts_;
};

} // namespace dravik
