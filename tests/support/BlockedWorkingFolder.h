#pragma once
// A working folder that cannot be made: APPDATA names a plain file, so the folders under it cannot be
// created (ENOTDIR), for the life of the object.
#include "ScopedEnvironment.h"
#include "platform/Texts.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <optional>

namespace testing_support {

class BlockedWorkingFolder {
public:
    explicit BlockedWorkingFolder(const QString& inFolder) : blocker(inFolder + QStringLiteral("/a-file"))
    {
        QFile(blocker).open(QIODevice::WriteOnly);
        appData.emplace("APPDATA", blocker.toLocal8Bit());
    }
    // The message that names the folder and the platform's reason.
    QString message() const
    {
        const platform::Texts& t = platform::texts();
        return t.workingFolderError + QStringLiteral("\r\n") +
               t.folderNotMade.arg(blocker + QStringLiteral("/Morvel Software"),
                                   QString::fromLocal8Bit(std::strerror(ENOTDIR)));
    }

private:
    QString blocker;
    std::optional<ScopedEnvironment> appData;
};

} // namespace testing_support
