#include "app/translator_loader.h"

#include "app/languages.h"
#include "core/log_categories.h"
#include "core/program_file.h"
#include "resources/translations.h"

#include <optional>
#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QTranslator>

namespace translator_loader {
namespace {

// Both live until the process ends.
QTranslator& ProgramTranslator()
{
    static auto* translator = new QTranslator;
    return *translator;
}

QTranslator& QtTranslator()
{
    static auto* translator = new QTranslator;
    return *translator;
}

// Nothing when the file does not parse.
std::optional<std::int64_t> CodeFromConfig(const QString& config_path)
{
    QFile file(config_path);
    if (!file.open(QIODevice::ReadOnly))
        return languages::missing_code;
    QJsonParseError error {};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError) {
        qDebug("json error!");
        return std::nullopt;
    }
    const QJsonValue value = document.object().value(QLatin1String("language"));
    return value.isUndefined() ? languages::missing_code : value.toInt(0);
}

bool LoadQtCatalogue(QTranslator& translator, const char* suffix)
{
    if (!*suffix)
        return false;
    const QString name = QStringLiteral("qtbase_") + QLatin1String(suffix);
    // Qt's own folder on Linux; beside the program where a Windows copy
    // carries its Qt files.
    for (const QString& folder : { QLibraryInfo::location(QLibraryInfo::TranslationsPath),
             ProgramFolder() + QStringLiteral("/translations") })
        if (translator.load(name, folder))
            return true;
    qCDebug(log_ui) << "no Qt catalogue" << name;
    return false;
}

} // namespace

outcome LoadTranslator(const QString& config_path)
{
    translations::Init();
    QTranslator& program = ProgramTranslator();
    QTranslator& qt = QtTranslator();
    QCoreApplication::removeTranslator(&program);
    QCoreApplication::removeTranslator(&qt);

    outcome result;
    const std::optional<std::int64_t> code = CodeFromConfig(config_path);
    if (!code) {
        result.untranslated = true;
        return result;
    }
    const languages::language& language = languages::ByCode(*code);
    result.code = language.code;
    result.program_loaded = program.load(QLatin1String(language.catalogue));
    if (result.program_loaded)
        QCoreApplication::installTranslator(&program);
    else
        qDebug("%s", language.load_error);
    result.qt_loaded = LoadQtCatalogue(qt, language.qt_suffix);
    if (result.qt_loaded)
        QCoreApplication::installTranslator(&qt);
    return result;
}

} // namespace translator_loader
