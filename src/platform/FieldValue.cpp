// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FieldValue.h"

#include "platform/TextNumber.h"

namespace dravik {

std::string FieldValue::text() const
{
    if (isInteger())
        return std::to_string(std::get<std::int64_t>(value_));
    if (isReal())
        return formatNumber(std::get<double>(value_));
    if (isText())
        return std::get<std::string>(value_);
    return {};
}

double FieldValue::number() const
{
    if (isInteger())
        return static_cast<double>(std::get<std::int64_t>(value_));
    if (isReal())
        return std::get<double>(value_);
    if (isText())
        return textToNumber(std::get<std::string>(value_));
    return 0.0;
}

bool FieldValue::present() const
{
    if (isNull())
        return false;
    if (!isText())
        return true;
    return !trimmed(std::get<std::string>(value_)).empty();
}

} // namespace dravik
