// The start-up language: what config.json installs, Qt's own catalogue
// included, and what a missing choice or a broken file give.
#include "app/translator_loader.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

namespace {

QString SettingsText()
{
    return QCoreApplication::translate("main_window", "设定");
}

// A text of Qt's own: the line edits' context menu.
QString UndoText()
{
    return QCoreApplication::translate("QLineEdit", "&Undo");
}

class TranslatorLoader : public ::testing::Test {
protected:
    void TearDown() override { Load("{"); } // no catalogue left for other tests

    translator_loader::outcome Load(const QByteArray& config)
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(config);
        file.close();
        return translator_loader::LoadTranslator(path);
    }

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("config.json"));
};

TEST_F(TranslatorLoader, EachCodeInstallsItsCatalogueAndQtsOwn)
{
    const struct {
        int code;
        const char* settings;
        const char* undo;
    } languages[] = { { 0, "Settings", "&Undo" }, { 1, "设定", "撤消(&U)" },
        { 2, "設定", "復原(&U)" }, { 3, "設定", "元に戻す(&U)" }, { 4, "설정", "실행 취소(&U)" },
        { 5, "Paramètres", "&Annuler" }, { 6, "Einstellungen", "&Rückgängig" } };
    for (const auto& language : languages) {
        const translator_loader::outcome outcome
            = Load(QByteArray(R"({"language": )") + QByteArray::number(language.code) + '}');
        EXPECT_TRUE(outcome.program_loaded) << language.code;
        EXPECT_EQ(outcome.code, language.code);
        EXPECT_EQ(SettingsText(), QString::fromUtf8(language.settings)) << language.code;
        EXPECT_EQ(UndoText(), QString::fromUtf8(language.undo)) << language.code;
    }
}

TEST_F(TranslatorLoader, NoChoiceGivesChineseAndABrokenFileNothing)
{
    // Qt's Chinese catalogue tells simplified Chinese from no catalogue.
    EXPECT_EQ(Load(R"({"dark_mode": true})").code, 1);
    EXPECT_EQ(UndoText(), QStringLiteral("撤消(&U)"));

    // German first: a broken file must leave nothing of it behind.
    Load(R"({"language": 6})");
    EXPECT_TRUE(Load(R"({"language": 6,)").untranslated);
    EXPECT_EQ(SettingsText(), QStringLiteral("设定"));
    EXPECT_EQ(UndoText(), QStringLiteral("&Undo"));
}

} // namespace
