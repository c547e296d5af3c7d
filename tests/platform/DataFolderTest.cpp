// Where the programs find their data: beside themselves in the build, in share/tarvik once installed.
#include "platform/Environment.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Layout {
    const char* name;
    const char* folderMade; // under the temporary root, besides bin/
    const char* expected;   // the data folder, under the temporary root
};

const Layout Layouts[] = {
    {"BuildTree", "", "bin/"},
    {"Installed", "share/tarvik", "share/tarvik/"},
    {"AnotherProgramsShareFolder", "share/other", "bin/"},
};

class DataFolder : public testing::TestWithParam<Layout> {};

TEST_P(DataFolder, FollowsWhereTheProgramLies)
{
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("bin")));
    if (*GetParam().folderMade) {
        ASSERT_TRUE(QDir(root.path()).mkpath(QString::fromLatin1(GetParam().folderMade)));
    }
    platform::setProgramFolder(root.filePath(QStringLiteral("bin")));
    const QString found = platform::dataFolder();
    platform::setProgramFolder({});
    EXPECT_EQ(found, root.path() + u'/' + QString::fromLatin1(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Layouts, DataFolder, testing::ValuesIn(Layouts),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
