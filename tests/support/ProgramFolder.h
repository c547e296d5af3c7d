#pragma once
// A program folder for a main-window test: a temporary folder with the data files the test names,
// set as the program's folder (and the working and shared folders through APPDATA and PROGRAMDATA) for
// the test's lifetime.
#include "ScopedEnvironment.h"
#include "platform/Environment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class ProgramFolder {
public:
    explicit ProgramFolder(std::initializer_list<const char*> dataFiles)
    {
        QDir().mkpath(path());
        for (const char* file : dataFiles)
            QFile::copy(QStringLiteral(TARVIK_DATA_DIR "/") + QString::fromLatin1(file),
                        path() + QString::fromLatin1(file));
        platform::setProgramFolder(path());
    }
    ~ProgramFolder() { platform::setProgramFolder({}); }

    // The folder of the program, ending in "/".
    QString path() const { return dir.path() + QStringLiteral("/bin/"); }
    // The temporary folder that holds it and the working folder.
    QString root() const { return dir.path(); }

private:
    QTemporaryDir dir;
    testing_support::ScopedEnvironment appData{"APPDATA", dir.path().toLocal8Bit()};
    testing_support::ScopedEnvironment programData{"PROGRAMDATA", dir.path().toLocal8Bit()};
};
