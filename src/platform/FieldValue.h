// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>
#include <variant>

namespace dravik {

// One stored field value: empty (NULL), whole number, real number or text.
class FieldValue {
public:
    FieldValue() = default;
    FieldValue(std::int64_t v) : value_(v) {}
    FieldValue(int v) : value_(std::int64_t{v}) {}
    FieldValue(double v) : value_(v) {}
    FieldValue(std::string v) : value_(std::move(v)) {}
    FieldValue(const char* v) : value_(std::string(v)) {}

    bool isNull() const { return std::holds_alternative<std::monostate>(value_); }
    bool isInteger() const { return std::holds_alternative<std::int64_t>(value_); }
    bool isReal() const { return std::holds_alternative<double>(value_); }
    bool isText() const { return std::holds_alternative<std::string>(value_); }

    // The value as text: empty for NULL, numbers as the grids show them.
    std::string text() const;
    // The value as a number: stored numbers as they are, text by its leading number.
    double number() const;
    // Present means the trimmed text is not empty.
    bool present() const;

    const std::variant<std::monostate, std::int64_t, double, std::string>& raw() const { return value_; }
    bool operator==(const FieldValue&) const = default;

private:
    std::variant<std::monostate, std::int64_t, double, std::string> value_;
};

} // namespace dravik
