// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "printing/WebPageHtml.h"

#include <string>

namespace dravik::render {

// The printed pages' own logo ("Own.bmp") as the web page embeds it: a PNG no
// larger than a phone shows it. A missing or unreadable file gives no logo, as
// it draws nothing on the printed pages.
printing::WebLogo webLogo(const std::string& file);

} // namespace dravik::render
