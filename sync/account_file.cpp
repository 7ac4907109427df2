#include "sync/account_file.h"

#include "core/atomic_file.h"
#include "core/log_categories.h"

#include <nlohmann/json.hpp>

#include <QDateTime>
#include <QFile>

account_file::account_file(QString path)
    : path_(std::move(path))
{
}

account_file::read_result account_file::Read() const
{
    read_result result;
    QFile file(path_);
    if (!file.exists())
        return result;
    if (!file.open(QIODevice::ReadOnly)) {
        // Unreadable is not damaged: it may be fine once readable, so it stays.
        qCWarning(log_sync) << "user.json cannot be read:" << file.errorString();
        return result;
    }
    const QByteArray bytes = file.readAll();
    file.close();
    const auto json = nlohmann::json::parse(bytes.begin(), bytes.end(), nullptr, false);
    const bool usable = !json.is_discarded() && json.is_object() && json.contains("user")
        && json["user"].is_string() && json.contains("pwd") && json["pwd"].is_string()
        && json.contains("auto") && json["auto"].is_boolean();
    if (!usable) {
        const QString aside = path_ + QStringLiteral(".damaged-")
            + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss-zzz"));
        if (QFile::rename(path_, aside))
            qCWarning(log_sync) << "user.json is damaged; kept aside as" << aside;
        else
            qCWarning(log_sync) << "user.json is damaged and could not be moved aside";
        result.what = state::damaged;
        return result;
    }
    result.what = state::ok;
    result.account.user = json["user"].get<std::string>();
    result.account.pwd = json["pwd"].get<std::string>();
    result.account.auto_login = json["auto"].get<bool>();
    return result;
}

bool account_file::Save(const saved_account& account) const
{
    nlohmann::json json;
    json["user"] = account.user;
    json["pwd"] = account.pwd;
    json["auto"] = account.auto_login;
    // Replacement characters instead of an exception for bytes that are no UTF-8.
    const std::string text = json.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    QString error;
    if (!atomic_file::Write(path_, QByteArray::fromStdString(text), &error)) {
        qCWarning(log_sync) << "user.json not saved:" << path_ << error;
        return false;
    }
    return true;
}

bool account_file::SaveAutoLogin(bool auto_login) const
{
    read_result read = Read();
    if (read.what != state::ok)
        return false;
    read.account.auto_login = auto_login;
    return Save(read.account);
}
