#include "cli/Commands.h"

#include <ostream>
#include <stdexcept>

namespace dravik::cli {

int runGenerateCommand(const std::string& dir, const std::string& start, bool apply, std::ostream& out)
{
    (void)dir;
    (void)start;
    (void)apply;
    (void)out;
    throw std::runtime_error("not built yet");
}

} // namespace dravik::cli
