#include "link/CommandMacro.h"

#include <gtest/gtest.h>

using namespace driverlink;

namespace {

struct MacroCase {
    int command;
    const char* pollAddr;
    QStringList data;
    const char* text;
};
void PrintTo(const MacroCase& c, std::ostream* os) { *os << "command" << c.command << "@" << c.pollAddr; }

class CommandMacroTest : public ::testing::TestWithParam<MacroCase> {};

TEST_P(CommandMacroTest, Text)
{
    const auto& c = GetParam();
    EXPECT_EQ(commandMacro(c.command, QString::fromLatin1(c.pollAddr), c.data), QString::fromLatin1(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CommandMacroTest,
    ::testing::Values(MacroCase{0, "3", {}, "0   \r\n3\r\n"}, MacroCase{2, "0", {}, "2   \r\n0\r\n"},
                      MacroCase{108, "0", {QStringLiteral("3")}, "108 \r\n0\r\n3"},
                      MacroCase{255, "0", {QStringLiteral("W130")}, "255 \r\n0\r\nW130"},
                      MacroCase{35,
                                "5",
                                {QStringLiteral("kPa"), QStringLiteral("100"), QStringLiteral("0")},
                                "35  \r\n5\r\nkPa\r\n100\r\n0"},
                      MacroCase{13, "unknown", {}, "13  \r\n16\r\n"}, MacroCase{1000, "0", {}, "1000\r\n0\r\n"}));

TEST(LinkAddress, UnknownBecomes16)
{
    EXPECT_EQ(linkAddress(QStringLiteral("unknown")), QStringLiteral("16"));
    EXPECT_EQ(linkAddress(QStringLiteral("7")), QStringLiteral("7"));
    EXPECT_EQ(addressPart(QStringLiteral("unknown")), QStringLiteral("\r\n16\r\n"));
}

TEST(ReplyLines, SplitAtEveryCrLfOnly)
{
    EXPECT_EQ(replyLines(QStringLiteral("3\r\n0\r\n\r\nCold start. \r\n12.5")),
              (QStringList{QStringLiteral("3"), QStringLiteral("0"), QString(), QStringLiteral("Cold start. "),
                           QStringLiteral("12.5")}));
    EXPECT_EQ(replyLines(QStringLiteral("Busy!")), QStringList{QStringLiteral("Busy!")});
    EXPECT_EQ(replyLines(QString()), QStringList{QString()});
    // A lone LF or CR is part of a line.
    EXPECT_EQ(replyLines(QStringLiteral("a\nb\rc\r\n")), (QStringList{QStringLiteral("a\nb\rc"), QString()}));
}

struct ServiceCase {
    const char* netPath;
    const char* service;
    const char* topic;
};
void PrintTo(const ServiceCase& c, std::ostream* os) { *os << '"' << c.netPath << '"'; }

class ConversationTest : public ::testing::TestWithParam<ServiceCase> {};

TEST_P(ConversationTest, ServiceAndTopic)
{
    const auto& c = GetParam();
    const QString service = serviceApplication(QString::fromLatin1(c.netPath));
    EXPECT_EQ(service, QString::fromLatin1(c.service));
    const Conversation conversation = chooseConversation(service);
    EXPECT_EQ(conversation.service, QString::fromLatin1(c.service));
    EXPECT_EQ(conversation.topic, QString::fromLatin1(c.topic));
    EXPECT_EQ(conversation.network, QString::fromLatin1(c.netPath) != QString());
}

INSTANTIATE_TEST_SUITE_P(NetPaths, ConversationTest,
                         ::testing::Values(ServiceCase{"", "Pelmora", "DdeHartServer"},
                                           ServiceCase{"\\\\SERVIS", "\\\\SERVIS\\ndde$", "HART$"},
                                           ServiceCase{"\\\\SERVIS\\", "\\\\SERVIS\\ndde$", "HART$"},
                                           ServiceCase{"\\\\10.1.2.3:20100", "\\\\10.1.2.3:20100\\ndde$", "HART$"}));

} // namespace
