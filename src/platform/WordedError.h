// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace dravik {

// A failure that carries, besides its message (English, naming the file, table
// or row and what is wrong), a kind and the facts that message was made of, so
// that a window can word it in its own language. The first enumerator of a
// kind is the one for failures without a wording of their own.
template <typename KindT>
class WordedError : public std::runtime_error {
public:
    using Kind = KindT;
    explicit WordedError(const std::string& message, Kind kind = Kind{}, std::vector<std::string> facts = {})
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
