// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <functional>
#include <utility>

namespace dravik {

// Hash of a pair of stored numbers, for lookups keyed by two fields (Verw and Tnom, Tnom and Uvlak).
struct PairHash {
    size_t operator()(const std::pair<double, double>& k) const
    {
        size_t a = std::hash<double>{}(k.first), b = std::hash<double>{}(k.second);
        return a ^ (b + 0x9e3779b97f4a7c15ULL + (a << 6) + (a >> 2));
    }
};

} // namespace dravik
