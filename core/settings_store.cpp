#include "core/settings_store.h"

#include "core/atomic_file.h"
#include "core/log_categories.h"
#include "core/program_layout.h"

#include <cmath>
#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QVariant>

namespace settings_store {
namespace {

struct HotkeyKey {
    const char* key;
    std::string settings_record::*field;
    // Used when an existing file lacks the key.
    const char* load_default;
    // Used when an empty field is written; hotkey_file_extra and
    // hotkey_collect_extra are swapped relative to the load defaults, and a
    // fresh installation gets these.
    const char* write_default;
    // Used by the main window for fields still empty after loading.
    const char* fill_default;
};

const HotkeyKey kHotkeys[] = {
    { "hotkey", &settings_record::hotkey, "Ctrl+Alt+Q", "Ctrl+Alt+Q", "Ctrl+Alt+Q" },
    { "hotkey_text", &settings_record::hotkey_text, "Ctrl+Alt+W", "Ctrl+Alt+W", "Ctrl+Alt+W" },
    { "hotkey_image", &settings_record::hotkey_image, "Ctrl+Alt+E", "Ctrl+Alt+E", "Ctrl+Alt+E" },
    { "hotkey_file", &settings_record::hotkey_file, "Ctrl+Alt+R", "Ctrl+Alt+R", "Ctrl+Alt+R" },
    { "hotkey_collect", &settings_record::hotkey_collect, "Ctrl+Alt+T", "Ctrl+Alt+T",
        "Ctrl+Alt+T" },
    { "hotkey_extra", &settings_record::hotkey_extra, "ALT+1~9", "Alt+1~9", "ALT+1~9" },
    { "hotkey_text_extra", &settings_record::hotkey_text_extra, "Ctrl+1~9", "Ctrl+1~9",
        "Ctrl+1~9" },
    { "hotkey_image_extra", &settings_record::hotkey_image_extra, "Ctrl+Shift+1~9",
        "Ctrl+Shift+1~9", "Ctrl+Shift+1~9" },
    { "hotkey_file_extra", &settings_record::hotkey_file_extra, "Alt+Shift+1~9", "Alt+Ctrl+1~9",
        "ALT+Ctrl+1~9" },
    { "hotkey_collect_extra", &settings_record::hotkey_collect_extra, "Alt+Ctrl+1~9",
        "Alt+Shift+1~9", "ALT+Shift+1~9" },
};

struct FlagKey {
    const char* key;
    bool settings_record::*field;
};

const FlagKey kFlags[] = {
    { "small_view", &settings_record::small_view },
    { "start_paster", &settings_record::start_paster },
    { "auto_paste", &settings_record::auto_paste },
    { "auto_return", &settings_record::auto_return },
    { "dark_mode", &settings_record::dark_mode },
    { "auto_run", &settings_record::auto_run },
    { "auto_hide_window", &settings_record::auto_hide_window },
    { "enable_hotkey", &settings_record::enable_hotkey },
    { "image_preview", &settings_record::image_preview },
    { "paste_by_cloud", &settings_record::paste_by_cloud },
    { "even_preview", &settings_record::even_preview },
    { "even_search", &settings_record::even_search },
    { "full_screen_disable", &settings_record::full_screen_disable },
    { "remove_style", &settings_record::remove_style },
    { "auto_fold", &settings_record::auto_fold },
    { "save_text_type", &settings_record::save_text_type },
    { "save_image_type", &settings_record::save_image_type },
    { "save_file_type", &settings_record::save_file_type },
};

struct NumberKey {
    const char* key;
    std::int64_t settings_record::*field;
    // Set before reading the key; nullopt keeps the record's value when absent.
    std::optional<std::int64_t> missing_default;
};

const NumberKey kNumbers[] = {
    { "loop_count", &settings_record::loop_count, 4 },
    { "max_save_count", &settings_record::max_save_count, 500 },
    { "show_content_type", &settings_record::show_content_type, 3 },
    { "collect_sort_type", &settings_record::collect_sort_type, std::nullopt },
    { "image_preview_scale", &settings_record::image_preview_scale, std::nullopt },
    { "search_path", &settings_record::search_path, std::nullopt },
    { "language", &settings_record::language, std::nullopt },
};

QString ToQString(const std::string& s)
{
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

} // namespace

QString ConfigPath()
{
    return ProgramLayout().SettingsFile(QStringLiteral("config.json"));
}

std::string PositionString(const QRect& frame)
{
    return std::to_string(frame.x()) + "," + std::to_string(frame.y()) + ","
        + std::to_string(frame.width()) + "," + std::to_string(frame.height()) + ",";
}

namespace {

// A whole number of any size; anything else (text, a fraction) reads as 0.
std::int64_t ReadInt64(const QJsonValue& value)
{
    const QVariant number = value.toVariant();
    if (number.type() == QVariant::LongLong || number.type() == QVariant::Int)
        return number.toLongLong();
    if (!value.isDouble())
        return 0;
    const double d = value.toDouble();
    constexpr double kExact = 9007199254740992.0; // 2^53
    return d == std::floor(d) && std::fabs(d) <= kExact ? static_cast<std::int64_t>(d) : 0;
}

// Kept for the user to recover by hand; the next save would replace it.
bool KeepDamagedAside(const QString& path, const QString& reason)
{
    const QString aside = path + QStringLiteral(".damaged-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss-zzz"));
    if (!QFile::rename(path, aside)) {
        qCWarning(log_settings) << path << "does not parse (" << reason
                                << ") and could not be moved aside";
        return false;
    }
    qCWarning(log_settings) << path << "does not parse (" << reason << "); kept aside as" << aside;
    return true;
}

} // namespace

LoadResult Load(settings_record& record, const QString& path, const window_state& window)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Save(record, path, true, window);
        qCDebug(log_settings, "could't open projects json!");
        return LoadResult::created;
    }
    const QByteArray bytes = file.readAll();
    file.close();

    QJsonParseError error {};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        // The program goes on with the record's values, and writes them so
        // that the next start finds a file it can read.
        if (KeepDamagedAside(path, error.errorString()))
            Save(record, path, true, window);
        return LoadResult::unparsable;
    }
    const QJsonObject json = document.object();

    record.position = "0,0,0,0,";
    if (json.contains(QLatin1String("position")))
        record.position = json.value(QLatin1String("position")).toString().toStdString();

    for (const auto& f : kFlags)
        if (json.contains(QLatin1String(f.key)))
            record.*f.field = json.value(QLatin1String(f.key)).toBool(false);

    for (const auto& n : kNumbers) {
        if (n.missing_default)
            record.*n.field = *n.missing_default;
        if (json.contains(QLatin1String(n.key)))
            record.*n.field = ReadInt64(json.value(QLatin1String(n.key)));
    }

    for (const auto& h : kHotkeys) {
        record.*h.field = h.load_default;
        if (json.contains(QLatin1String(h.key)))
            record.*h.field = json.value(QLatin1String(h.key)).toString().toStdString();
    }
    return LoadResult::loaded;
}

bool Save(settings_record& record, const QString& path, bool flag, const window_state& window)
{
    QJsonObject json;
    json.insert(QLatin1String("flag"), flag);

    for (const auto& h : kHotkeys) {
        if ((record.*h.field).empty())
            record.*h.field = h.write_default;
        json.insert(QLatin1String(h.key), ToQString(record.*h.field));
    }
    if (record.loop_count == 0)
        record.loop_count = 4;
    if (window.recording_on)
        record.start_paster = *window.recording_on;
    json.insert(QLatin1String("position"),
        ToQString(window.frame ? PositionString(*window.frame) : "0,0,0,0,"));
    if (record.max_save_count == 0)
        record.max_save_count = 500;

    for (const auto& f : kFlags)
        json.insert(QLatin1String(f.key), record.*f.field);
    for (const auto& n : kNumbers)
        json.insert(QLatin1String(n.key), static_cast<qint64>(record.*n.field));

    const bool ok = atomic_file::Write(path, QJsonDocument(json).toJson(QJsonDocument::Indented));
    if (ok)
        qCDebug(log_settings, "file open!");
    else
        qCWarning(log_settings, "file open error!");
    return ok;
}

void FillAtWindowConstruction(settings_record& record)
{
    for (const auto& h : kHotkeys)
        if ((record.*h.field).empty())
            record.*h.field = h.fill_default;
    if (record.loop_count == 0)
        record.loop_count = 4;
    if (record.max_save_count == 0)
        record.max_save_count = 500;
}

} // namespace settings_store
