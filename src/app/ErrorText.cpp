// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ErrorText.h"

#include "exchange/ErrorWording.h"

namespace dravik {

QString wordedError(const std::exception& error, Language lang)
{
    return QString::fromStdString(wordedMessage(error, lang));
}

} // namespace dravik
