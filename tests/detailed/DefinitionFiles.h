#pragma once
// Definition files written for one test into a folder of their own, as Windows-1250 bytes, and texts
// printed readably when a check fails.
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <ostream>

// Readable texts in failure messages; found by argument-dependent lookup for QString.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace detailed_testing {

class DefinitionFiles {
public:
    QString write(const QByteArray& bytes, const QString& name = QStringLiteral("Maker-Type-1-EN.DDF")) const
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }
    QString missing() const { return dir.filePath(QStringLiteral("Nobody-None-0-EN.DDF")); }

private:
    QTemporaryDir dir;
};

} // namespace detailed_testing
