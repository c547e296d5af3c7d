// Opening configuration files of every kind, and of every wrong size and magic.
#include "config/ConfigurationFile.h"

#include <gtest/gtest.h>

using config::FileKind;

namespace {

QByteArray withMagic(const QByteArray& magic, int size, char fill = '\0')
{
    QByteArray bytes(size, fill);
    bytes[0] = char(magic.size());
    bytes.replace(1, magic.size(), magic);
    return bytes;
}

struct KindCase {
    const char* name;
    QByteArray bytes;
    std::optional<FileKind> kind;
};
void PrintTo(const KindCase& c, std::ostream* os) { *os << c.name; }

class ConfigurationFileKindTest : public ::testing::TestWithParam<KindCase> {};

TEST_P(ConfigurationFileKindTest, RecognisedByMagicAndSize)
{
    const auto opened = config::readConfiguration(GetParam().bytes);
    ASSERT_EQ(opened.has_value(), GetParam().kind.has_value());
    if (opened) {
        EXPECT_EQ(opened->kind, *GetParam().kind);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ConfigurationFileKindTest,
                         ::testing::Values(KindCase{"current", withMagic("HART30File", 3678), FileKind::Hart3},
                                           KindCase{"current_with_more_behind", withMagic("HART30File", 5000),
                                                    FileKind::Hart3},
                                           KindCase{"current_cut_short", withMagic("HART30File", 3000), std::nullopt},
                                           KindCase{"older", withMagic("HART20File", 1776), FileKind::Hart2},
                                           KindCase{"older_cut_short", withMagic("HART20File", 1775), std::nullopt},
                                           KindCase{"oldest", withMagic("HART file", 230), FileKind::Hart1},
                                           KindCase{"wrong_length_byte",
                                                    [] {
                                                        QByteArray b = withMagic("HART30File", 3678);
                                                        b[0] = 11;
                                                        return b;
                                                    }(),
                                                    std::nullopt},
                                           KindCase{"lower_case_magic", withMagic("hart30file", 3678), std::nullopt},
                                           KindCase{"empty", QByteArray(), std::nullopt},
                                           KindCase{"garbage", QByteArray(4000, '\xff'), std::nullopt}));

TEST(ConfigurationFile, AnOlderFileGivesItsTwentyFieldsAndTrustsNoLengthByte)
{
    QByteArray bytes = withMagic("HART20File", 1776, 'x');
    auto field = [&](int offset, const QByteArray& text) {
        bytes[offset] = char(text.size());
        bytes.replace(offset + 1, text.size(), text);
    };
    field(44, "Ostrevo");
    field(539, "PT-9");
    field(605, "8.12.26");
    bytes[638] = char(200); // a message length beyond its field: the field's 32 characters at most
    const auto opened = config::readConfiguration(bytes);
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->record.text(config::Field::Manufacturer), QStringLiteral("Ostrevo"));
    EXPECT_EQ(opened->record.text(config::Field::Tag), QStringLiteral("PT-9"));
    EXPECT_EQ(opened->record.text(config::Field::Date), QStringLiteral("8.12.26"));
    EXPECT_EQ(opened->record.text(config::Field::Message), QString(32, u'x'));
    EXPECT_TRUE(opened->record.text(config::Field::Revision).isEmpty());
}

} // namespace
