// The catalogues against the sources: every translatable text has a finished
// translation in each catalogue, and no catalogue keeps a text the sources
// no longer have (`make translations` refreshes them).
#include <gtest/gtest.h>

#include <map>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#ifndef QUILLBOX_LUPDATE
#error "QUILLBOX_LUPDATE must name lupdate"
#endif

namespace {

struct message {
    QString type; // "unfinished", "obsolete", "vanished" or empty
    QStringList translations; // one, or one per plural form
};

// Keyed by "context | source | disambiguation".
struct catalogue {
    QString language;
    std::map<QString, message> messages;
};

catalogue Read(const QString& path)
{
    catalogue read;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    QString context, source, comment;
    message current;
    while (!xml.atEnd()) {
        xml.readNext();
        const QStringRef name = xml.name();
        if (xml.isStartElement()) {
            if (name == QLatin1String("TS"))
                read.language = xml.attributes().value(QLatin1String("language")).toString();
            else if (name == QLatin1String("name"))
                context = xml.readElementText();
            else if (name == QLatin1String("message"))
                current = {}, source.clear(), comment.clear();
            else if (name == QLatin1String("source"))
                source = xml.readElementText();
            else if (name == QLatin1String("comment"))
                comment = xml.readElementText();
            else if (name == QLatin1String("translation")) {
                current.type = xml.attributes().value(QLatin1String("type")).toString();
                const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                if (!text.trimmed().isEmpty())
                    current.translations << text;
            } else if (name == QLatin1String("numerusform")) {
                current.translations << xml.readElementText();
            }
        } else if (xml.isEndElement() && name == QLatin1String("message")) {
            read.messages[context + " | " + source + " | " + comment] = current;
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return read;
}

// What lupdate finds in the sources now.
catalogue SourceTexts(const QString& folder)
{
    const QString fresh = folder + QStringLiteral("/fresh.ts");
    QStringList arguments { QStringLiteral("-silent"), QStringLiteral("-I"),
        QStringLiteral(QUILLBOX_SOURCE_DIR), QStringLiteral("-locations"), QStringLiteral("none") };
    arguments << QStringLiteral(QUILLBOX_TRANSLATED_FOLDERS).split(QLatin1Char(','))
              << QStringLiteral("-ts") << fresh;
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(QUILLBOX_SOURCE_DIR));
    lupdate.start(QStringLiteral(QUILLBOX_LUPDATE), arguments);
    EXPECT_TRUE(lupdate.waitForFinished(120000));
    EXPECT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    return Read(fresh);
}

TEST(Catalogues, EveryTextIsTranslatedInEachAndNoneIsStale)
{
    QTemporaryDir folder;
    const catalogue sources = SourceTexts(folder.path());
    ASSERT_GT(sources.messages.size(), 50u);
    for (const QString& entry : QStringLiteral(QUILLBOX_CATALOGUES).split(QLatin1Char(','))) {
        const QString file
            = QStringLiteral(QUILLBOX_SOURCE_DIR "/resources/translations/translate_zh_")
            + entry.section(QLatin1Char(':'), 0, 0) + QStringLiteral(".ts");
        const std::string name
            = QDir(QStringLiteral(QUILLBOX_SOURCE_DIR)).relativeFilePath(file).toStdString();
        const catalogue translated = Read(file);
        // lrelease takes the plural rules from it.
        EXPECT_EQ(translated.language, entry.section(QLatin1Char(':'), 1)) << name;
        for (const auto& [key, text] : sources.messages)
            if (!translated.messages.count(key))
                ADD_FAILURE() << name << " lacks " << key.toStdString();
        for (const auto& [key, text] : translated.messages) {
            if (!sources.messages.count(key) || text.type == QLatin1String("obsolete")
                || text.type == QLatin1String("vanished")) {
                ADD_FAILURE() << name
                              << " keeps a text the sources no longer have: " << key.toStdString();
                continue;
            }
            EXPECT_TRUE(text.type.isEmpty() && !text.translations.isEmpty())
                << name << " has no finished translation of " << key.toStdString();
            // Status-line texts begin with two blanks in every language.
            const bool blanks = key.section(" | ", 1, 1).startsWith("  ");
            for (const QString& form : text.translations)
                EXPECT_TRUE(!form.isEmpty() && (!blanks || form.startsWith("  ")))
                    << name << ": " << key.toStdString();
        }
    }
}

} // namespace
