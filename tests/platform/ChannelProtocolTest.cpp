#include "platform/ChannelProtocol.h"

#include <gtest/gtest.h>
#include <unistd.h>

using namespace platform::channel;

namespace {

TEST(MessageReader, SplitsHeadersAndPayloadsArrivingInPieces)
{
    MessageReader reader;
    const QByteArray stream = encode("CONNECT", "Pelmora DdeHartServer") +
                              encodeWithPayload("EXECUTE", "0   \r\n0\r\n") + encode("REQUEST", "DdeHartCommand") +
                              encodeWithPayload("DATA", QByteArray());
    std::vector<Message> messages;
    for (char c : stream) { // one byte at a time
        reader.feed(QByteArray(1, c));
        while (auto m = reader.next())
            messages.push_back(*m);
    }
    ASSERT_EQ(messages.size(), 4u);
    EXPECT_EQ(messages[0].verb, "CONNECT");
    EXPECT_EQ(messages[0].argument, "Pelmora DdeHartServer");
    EXPECT_EQ(messages[1].verb, "EXECUTE");
    EXPECT_EQ(messages[1].payload, "0   \r\n0\r\n");
    EXPECT_EQ(messages[2].argument, "DdeHartCommand");
    EXPECT_EQ(messages[3].verb, "DATA");
    EXPECT_TRUE(messages[3].payload.isEmpty());
}

TEST(MessageReader, PayloadMayContainLineFeedsAndHeaderMayEndInCrLf)
{
    MessageReader reader;
    reader.feed("EXECUTE 3\r\na\nbOK\n");
    auto first = reader.next();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->payload, "a\nb");
    auto second = reader.next();
    ASSERT_TRUE(second);
    EXPECT_EQ(second->verb, "OK");
}

TEST(MessageReader, BadLengthsAndOverlongHeadersBreakTheReader)
{
    for (const QByteArray& bad : {QByteArray("EXECUTE x\n"), QByteArray("DATA -1\n"), QByteArray("DATA 99999999\n"),
                                  QByteArray(MaxHeaderLength + 10, 'A'),
                                  QByteArray("REQUEST " + QByteArray(MaxHeaderLength, 'A') + "\nOK\n")}) {
        MessageReader reader;
        reader.feed(bad);
        EXPECT_FALSE(reader.next()) << bad.left(20).constData();
        EXPECT_TRUE(reader.broken()) << bad.left(20).constData();
    }
}

struct NetPathCase {
    const char* netPath;
    const char* host;
    int port;
    bool valid;
};
void PrintTo(const NetPathCase& c, std::ostream* os) { *os << '"' << c.netPath << '"'; }

class TcpAddressTest : public ::testing::TestWithParam<NetPathCase> {};

TEST_P(TcpAddressTest, ComputerAndPortFromTheNetworkPath)
{
    const auto& c = GetParam();
    const TcpAddress address = tcpAddressFromNetPath(QString::fromLatin1(c.netPath));
    EXPECT_EQ(address.valid, c.valid);
    if (c.valid) {
        EXPECT_EQ(address.host, QString::fromLatin1(c.host));
        EXPECT_EQ(address.port, c.port);
    }
}

INSTANTIATE_TEST_SUITE_P(NetPaths, TcpAddressTest,
                         ::testing::Values(NetPathCase{"\\\\SERVIS", "SERVIS", DefaultTcpPort, true},
                                           NetPathCase{"\\\\SERVIS\\", "SERVIS", DefaultTcpPort, true},
                                           NetPathCase{"\\\\SERVIS\\ndde$", "SERVIS", DefaultTcpPort, true},
                                           NetPathCase{"//10.0.0.7:3000/", "10.0.0.7", 3000, true},
                                           NetPathCase{"\\\\plant-pc:20100\\ndde$", "plant-pc", 20100, true},
                                           NetPathCase{"[::1]:4000", "::1", 4000, true},
                                           NetPathCase{"host:0", "", 0, false}, NetPathCase{"host:http", "", 0, false},
                                           NetPathCase{"\\\\", "", 0, false}, NetPathCase{"\\\\a\\b", "", 0, false}));

TEST(LocalSocketPath, RuntimeFolderOrTmpWithTheUserId)
{
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", "/run/user/1234");
    EXPECT_EQ(localSocketPath(QStringLiteral("Pelmora"), QStringLiteral("DdeHartServer")),
              QStringLiteral("/run/user/1234/Pelmora/DdeHartServer"));
    qunsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(localSocketPath(QStringLiteral("Pelmora"), QStringLiteral("DdeHartServer")),
              QStringLiteral("/tmp/Pelmora-%1/DdeHartServer").arg(::getuid()));
    if (!saved.isEmpty()) qputenv("XDG_RUNTIME_DIR", saved);
}

} // namespace
