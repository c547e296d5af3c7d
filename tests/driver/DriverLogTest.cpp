// The driver's log file: lines appended with time and process, kept small by moving it aside.
#include "log/DriverLog.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(DriverLog, AppendsAndMovesAsideWhenOverTheLimit)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("state/pelmora/pelmora.log"));
    driverlog::LogFile log(path);
    ASSERT_EQ(log.append(QStringLiteral("starts")), QString());
    ASSERT_EQ(log.append(QStringLiteral("listens on here")), QString());
    const QList<QByteArray> lines = contents(path).split('\n');
    ASSERT_EQ(lines.size(), 3) << "two lines, each ending in a line feed";
    EXPECT_TRUE(lines[0].endsWith("] starts")) << lines[0].constData();
    EXPECT_TRUE(lines[1].endsWith("] listens on here")) << lines[1].constData();

    QFile older(path + QStringLiteral(".1"));
    ASSERT_TRUE(older.open(QIODevice::WriteOnly));
    older.write("the log before the last");
    older.close();
    {
        QFile grown(path);
        ASSERT_TRUE(grown.open(QIODevice::Append));
        grown.write(QByteArray(driverlog::LogFile::MaxBytes, 'x'));
    }
    const QByteArray full = contents(path);
    ASSERT_EQ(log.append(QStringLiteral("ends")), QString());
    EXPECT_EQ(contents(path + QStringLiteral(".1")), full);
    EXPECT_TRUE(contents(path).endsWith("] ends\n"));
    EXPECT_LT(contents(path).size(), 100);
}

} // namespace
