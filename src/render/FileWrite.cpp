// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/FileWrite.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace dravik::render {

std::runtime_error writeError(const std::string& path, const QString& reason)
{
    return std::runtime_error("Cannot write \"" + path + "\": " + reason.toStdString() + ".");
}

void checkFolder(const std::string& path)
{
    const QFileInfo info(QString::fromStdString(path));
    const QDir folder = info.absoluteDir();
    if (!folder.exists())
        throw writeError(path, QStringLiteral("the folder \"%1\" does not exist").arg(folder.path()));
    if (info.isDir())
        throw writeError(path, QStringLiteral("it is a folder"));
}

void saveFile(const std::string& path, const QByteArray& data)
{
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly))
        throw writeError(path, file.errorString());
    if (file.write(data) != data.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw writeError(path, reason);
    }
    if (!file.commit())
        throw writeError(path, file.errorString());
}

} // namespace dravik::render
