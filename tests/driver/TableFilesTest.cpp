// The language table files that ship with both programs: what each section holds, that the three
// languages name the same codes, that the entries the programs were built with are still there byte
// for byte, and that the driver names every code as its file does.
#include "codec/NameTables.h"
#include "platform/Encoding.h"

#include <QFile>
#include <QMap>
#include <QSet>
#include <gtest/gtest.h>

#include <ostream>

using codec::NameTables;

namespace {

struct Line {
    QByteArray key;
    QByteArray value;
};
using RawTable = QMap<QByteArray, QList<Line>>; // section → its key lines in file order

struct TableFile {
    const char* language;
    const char* name;
    const char* unknown200; // what the driver calls code 200, which no section names
};
void PrintTo(const TableFile& f, std::ostream* os) { *os << f.language; }

const TableFile Files[] = {{"English", "TABEN.DDF", "Unknown (200)"},
                           {"Czech", "TABCZ.DDF", "Nezn\xc3\xa1m\xc3\xa1 (200)"},
                           {"German", "TABDE.DDF", "Unbekannt (200)"}};

const QList<QByteArray> CodeSections{"Units", "TransferFunction", "Alarm", "WriteProtect", "Manufacturers"};

QString path(const TableFile& file) { return QStringLiteral(TARVIK_DATA_DIR "/") + QLatin1String(file.name); }

QByteArray bytesOf(const TableFile& file)
{
    QFile f(path(file));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << file.name;
    return f.readAll();
}

// The file as it stands on disk, without the profile reader's trimming and first-match rules.
RawTable rawTable(const QByteArray& bytes)
{
    RawTable table;
    QByteArray section;
    for (const QByteArray& text : bytes.split('\n')) {
        const QByteArray line = text.endsWith('\r') ? text.chopped(1) : text;
        if (line.startsWith('[') && line.endsWith(']'))
            section = line.mid(1, line.size() - 2);
        else if (const qsizetype eq = line.indexOf('='); eq > 0 && !line.startsWith(';'))
            table[section].append({line.left(eq), line.mid(eq + 1)});
    }
    return table;
}

QMap<int, QString> codes(const RawTable& table, const QByteArray& section)
{
    QMap<int, QString> out;
    for (const Line& line : table.value(section))
        out.insert(line.key.toInt(), platform::fromCp1250(line.value));
    return out;
}

class TableFileTest : public ::testing::TestWithParam<TableFile> {};

TEST_P(TableFileTest, EveryCodeOnceWithANameOfItsOwnThatTheRecordHolds)
{
    const QByteArray bytes = bytesOf(GetParam());
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n")) << "every line ends in CR LF";
    const RawTable table = rawTable(bytes);
    for (const QByteArray& section : CodeSections) {
        SCOPED_TRACE(section.toStdString());
        ASSERT_FALSE(table.value(section).isEmpty());
        const int highest = section == "Manufacturers" ? 0xFFFF : 0xFF;
        QSet<int> seenCodes;
        QSet<QString> seenNames;
        for (const Line& line : table.value(section)) {
            bool ok = false;
            const int code = line.key.toInt(&ok);
            EXPECT_TRUE(ok && code >= 0 && code <= highest && QByteArray::number(code) == line.key) << line.key.data();
            EXPECT_FALSE(seenCodes.contains(code)) << "code " << code << " twice";
            seenCodes.insert(code);
            const QString name = platform::fromCp1250(line.value);
            EXPECT_EQ(platform::toCp1250(name), line.value) << code << ": not Windows-1250";
            EXPECT_EQ(name, name.trimmed()) << code;
            EXPECT_TRUE(!name.isEmpty() && name.size() <= 32) << code << ": " << name.toStdString();
            EXPECT_FALSE(seenNames.contains(name)) << name.toStdString() << " twice: the lists select by name";
            seenNames.insert(name);
        }
    }
    const QList<Line> names = table.value("Names");
    ASSERT_EQ(names.size(), 1);
    EXPECT_EQ(names[0].key, QByteArray("UnknownCode"));
    EXPECT_EQ(names[0].value.count("%1"), 1);
}

TEST_P(TableFileTest, NamesTheCodesOfTheEnglishTableAndNoOthers)
{
    const RawTable english = rawTable(bytesOf(Files[0]));
    const RawTable table = rawTable(bytesOf(GetParam()));
    for (const QByteArray& section : CodeSections) {
        SCOPED_TRACE(section.toStdString());
        EXPECT_EQ(codes(table, section).keys(), codes(english, section).keys());
    }
    // A unit symbol is the same in every language; a unit named in words (more than one) is translated, and so
    // are the reserved codes from 240 on.
    const bool isEnglish = QLatin1String(GetParam().name) == QLatin1String(Files[0].name);
    const QMap<int, QString> units = codes(table, "Units");
    for (auto [code, name] : codes(english, "Units").asKeyValueRange()) {
        if (code >= 240) continue;
        if (!name.contains(u' ')) {
            EXPECT_EQ(units.value(code), name) << code;
        } else if (!isEnglish) {
            EXPECT_NE(units.value(code), name) << code << ": " << name.toStdString() << " left untranslated";
        }
    }
    const QMap<int, QString> makers = codes(table, "Manufacturers");
    for (auto [code, name] : codes(english, "Manufacturers").asKeyValueRange()) {
        if (code < 250) {
            EXPECT_EQ(makers.value(code), name) << code;
        }
    }
}

TEST_P(TableFileTest, DriverNamesEveryCodeAsTheFileDoesAndTheRestUnknown)
{
    NameTables names;
    ASSERT_TRUE(names.loadTableFile(path(GetParam())));
    const RawTable table = rawTable(bytesOf(GetParam()));
    using Name = QString (NameTables::*)(int) const;
    const QList<QPair<QByteArray, Name>> sections{{"Units", &NameTables::unitName},
                                                  {"TransferFunction", &NameTables::transferFunctionName},
                                                  {"Alarm", &NameTables::alarmName},
                                                  {"WriteProtect", &NameTables::writeProtectName},
                                                  {"Manufacturers", &NameTables::manufacturerName}};
    for (const auto& [section, name] : sections) {
        SCOPED_TRACE(section.toStdString());
        for (auto [code, text] : codes(table, section).asKeyValueRange())
            EXPECT_EQ((names.*name)(code), text) << code;
        EXPECT_EQ((names.*name)(200), QString::fromUtf8(GetParam().unknown200));
    }
}

TEST_P(TableFileTest, EveryNameOfEveryLanguageIsTakenBackAsItsCode)
{
    NameTables names;
    ASSERT_TRUE(names.loadTableFile(path(GetParam())));
    for (const TableFile& other : Files) {
        if (QLatin1String(other.name) != QLatin1String(GetParam().name)) {
            ASSERT_TRUE(names.acceptTableFile(path(other)));
        }
    }
    for (const TableFile& file : Files) {
        const RawTable table = rawTable(bytesOf(file));
        for (auto [code, name] : codes(table, "Units").asKeyValueRange())
            EXPECT_EQ(names.unitCode(name), code) << file.name << ": " << name.toStdString();
        for (auto [code, name] : codes(table, "TransferFunction").asKeyValueRange())
            EXPECT_EQ(names.transferFunctionCode(name), code) << file.name << ": " << name.toStdString();
    }
    // A code no table names has no name to be written back by.
    EXPECT_EQ(names.unitCode(names.unitName(200)), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Languages, TableFileTest, ::testing::ValuesIn(Files),
                         [](const auto& info) { return std::string(info.param.language); });

// The entries the programs and the saved configurations were made with, byte for byte (Windows-1250).
struct OldSection {
    const char* file;
    const char* section;
    const char* lines; // key=value lines joined by '|'
};
void PrintTo(const OldSection& s, std::ostream* os) { *os << s.file << " " << s.section; }

#define OLD_UNITS                                                                                                      \
    "1=inH2O@68\xb0"                                                                                                   \
    "F|2=inHg|3=ftH2O|4=mmH2O|5=mmHg|6=psi|7=bar|8=mbar|9=g/cm2|10=kg/cm2|11=Pa|12=kPa|13=torr|14=atm|32=\xb0"         \
    "C|33=\xb0"                                                                                                        \
    "F|34=\xb0"                                                                                                        \
    "R|35=K|36=mV|37=Ohm|39=mA|57=%|58=V|237=MPa|238=inH2O@4\xb0"                                                      \
    "C|239=mmH2O@4\xb0"                                                                                                \
    "C|"
#define OLD_COMMANDS(file)                                                                                             \
    OldSection{file, "READ", "1=12|2=13|3=14|4=15|5=16"}, OldSection { file, "WRITE", "1=17|2=18|3=34|4=44|5=35|6=47" }

const OldSection OldSections[] = {
    {"TABEN.DDF", "Units", OLD_UNITS "250=Not used|251=None|252=Unknown|253=Special"},
    {"TABEN.DDF", "TransferFunction",
     "0=Linear|1=Square root|2=Square root 3rd power|3=Square root 5th power|4=Special curve|5=Square|"
     "6=Square root with cut-off|230=Discrete|250=Not used|251=None|252=Unknown|253=Special"},
    OLD_COMMANDS("TABEN.DDF"),
    {"TABCZ.DDF", "Units", OLD_UNITS "250=Nepou\x9eito|251=\x8e\xe1\x64n\xe1|252=Nezn\xe1m\xe1|253=Speci\xe1ln\xed"},
    {"TABCZ.DDF", "TransferFunction",
     "0=Line\xe1rn\xed|1=Odmocninov\xe1|2=Odmocnina ze 3. mocniny|3=Odmocnina z 5. mocniny|4=Speci\xe1ln\xed k\xf8ivka|"
     "5=Kvadratick\xe1|6=Odmocninov\xe1 s "
     "od\xf8\xedznut\xedm|230=Diskr\xe9tn\xed|250=Nepou\x9eito|251=\x8e\xe1\x64n\xe1|"
     "252=Nezn\xe1m\xe1|253=Speci\xe1ln\xed"},
    OLD_COMMANDS("TABCZ.DDF"),
    {"TABDE.DDF", "Units", OLD_UNITS "250=Nicht verwendet|251=Keine|252=Unbekannt|253=Sondereinheit"},
    {"TABDE.DDF", "TransferFunction",
     "0=Linear|1=Radizierend|2=Wurzel aus 3. Potenz|3=Wurzel aus 5. Potenz|4=Sonderkennlinie|5=Quadratisch|"
     "6=Radizierend mit Abschaltung|230=Diskret|250=Nicht verwendet|251=Keine|252=Unbekannt|253=Sonderfunktion"},
    OLD_COMMANDS("TABDE.DDF"),
};

class OldEntriesTest : public ::testing::TestWithParam<OldSection> {};

TEST_P(OldEntriesTest, StayByteForByteInTheirOrder)
{
    const TableFile file{"", GetParam().file, ""};
    const QList<Line> lines = rawTable(bytesOf(file)).value(GetParam().section);
    QList<QByteArray> present;
    for (const Line& line : lines)
        present.append(line.key + '=' + line.value);
    qsizetype from = 0;
    for (const QByteArray& old : QByteArray(GetParam().lines).split('|')) {
        const qsizetype at = present.indexOf(old, from);
        EXPECT_GE(at, 0) << old.toStdString() << " is gone or out of its place";
        from = at < 0 ? from : at + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(Files, OldEntriesTest, ::testing::ValuesIn(OldSections), [](const auto& info) {
    return std::string(info.param.file).substr(0, 5) + info.param.section;
});

} // namespace
