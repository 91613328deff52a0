#pragma once

namespace dravik::printing {

// The style sheet written into every page: cards on a phone, a plain table from
// tablet width on, a clean list on paper.
const char* webPageStyle();

} // namespace dravik::printing
