// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace dravik::printing {

// style.css, the style sheet of every page: cards on a phone, a plain table from
// tablet width on, a clean list on paper.
const char* webPageStyle();

} // namespace dravik::printing
