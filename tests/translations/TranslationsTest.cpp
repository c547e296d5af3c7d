// The program-language modules: each loads, and its translation source covers exactly the texts of
// the program, every one translated with its placeholders and line breaks kept.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "obsolete", "vanished" or empty
};

// The text of the element the reader is at, with a control character lupdate writes as an element of its own
// (<byte value="xd"/> for a CR) taken as that character: reading the text alone would stop the reader there.
QString elementText(QXmlStreamReader& xml)
{
    QString text;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters()) text += xml.text();
        if (xml.isStartElement() && xml.name() == QStringLiteral("byte"))
            text += QChar(xml.attributes().value(QStringLiteral("value")).mid(1).toUShort(nullptr, 16));
        if (xml.isEndElement() && xml.name() != QStringLiteral("byte")) break;
    }
    return text;
}

QList<Message> readTs(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == QStringLiteral("name")) context = xml.readElementText();
        if (xml.name() == QStringLiteral("message")) current = Message{context, {}, {}, {}};
        if (xml.name() == QStringLiteral("source")) current.source = elementText(xml);
        if (xml.name() == QStringLiteral("translation")) {
            current.type = xml.attributes().value(QStringLiteral("type")).toString();
            current.translation = elementText(xml);
            messages.append(current);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

QSet<QString> keys(const QList<Message>& messages)
{
    QSet<QString> out;
    for (const Message& m : messages)
        out.insert(m.context + u'|' + m.source);
    return out;
}

QStringList placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%\\d"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found.append(it.next().captured());
    found.sort();
    return found;
}

class TranslationTest : public ::testing::TestWithParam<const char*> {};

TEST_P(TranslationTest, CoversEveryTextOfTheProgramAndNothingElse)
{
    const QString ts = QStringLiteral(TARVIK_SOURCE_DIR "/data/tarvik_%1.ts").arg(QString::fromLatin1(GetParam()));
    const QList<Message> shipped = readTs(ts);
    ASSERT_FALSE(shipped.isEmpty()) << ts.toStdString();

    // The texts of the program as they stand now.
    QTemporaryDir dir;
    const QString fresh = dir.filePath(QStringLiteral("fresh.ts"));
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(TARVIK_SOURCE_DIR));
    lupdate.start(QStringLiteral(TARVIK_LUPDATE),
                  {QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("src"),
                   QStringLiteral("platform"), QStringLiteral("-ts"), fresh});
    ASSERT_TRUE(lupdate.waitForFinished(60000));
    const QSet<QString> program = keys(readTs(fresh));
    ASSERT_FALSE(program.isEmpty());
    const QSet<QString> translated = keys(shipped);
    EXPECT_EQ(QSet<QString>(program).subtract(translated), QSet<QString>()) << "texts without a translation";
    EXPECT_EQ(QSet<QString>(translated).subtract(program), QSet<QString>()) << "translations of no text";

    for (const Message& m : shipped) {
        const std::string where = QString(m.context + u'|' + m.source).toStdString();
        EXPECT_TRUE(m.type.isEmpty()) << m.type.toStdString() << ": " << where;
        EXPECT_FALSE(m.translation.trimmed().isEmpty()) << where;
        EXPECT_EQ(placeholders(m.translation), placeholders(m.source)) << where;
        EXPECT_EQ(m.translation.count(QStringLiteral("\r\n")), m.source.count(QStringLiteral("\r\n"))) << where;
    }
}

TEST_P(TranslationTest, TheModuleBesideTheProgramLoads)
{
    const QString module =
        QStringLiteral(TARVIK_BIN_DIR "/tarvik.") + QString::fromLatin1(QByteArray(GetParam()) == "cs" ? "CSY" : "DE");
    QTranslator translator;
    ASSERT_TRUE(translator.load(module)) << module.toStdString();
    EXPECT_FALSE(translator.isEmpty());
}

TEST(GermanTranslation, NamesTheHistoryOneWay)
{
    for (const Message& m : readTs(QStringLiteral(TARVIK_SOURCE_DIR "/data/tarvik_de.ts")))
        EXPECT_FALSE(m.translation.contains(QStringLiteral("Verlauf"))) << m.translation.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslationTest, ::testing::Values("cs", "de"));

} // namespace
