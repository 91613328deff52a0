// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QString>

#include <stdexcept>
#include <string>

namespace dravik::render {

// "Cannot write "path": reason."
std::runtime_error writeError(const std::string& path, const QString& reason);
// Checks what can be named before writing: the folder must exist and the path be no folder.
void checkFolder(const std::string& path);
// Writes the whole file or nothing: an existing file is replaced only by a complete one.
void saveFile(const std::string& path, const QByteArray& data);

} // namespace dravik::render
