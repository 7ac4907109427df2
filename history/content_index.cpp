#include "history/content_index.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QVariant>

namespace content_index {
namespace {

const QString kType = QStringLiteral("type");
const QString kContent = QStringLiteral("content");
const QString kMd5 = QStringLiteral("md5");
const QString kIcons = QStringLiteral("icons");
const QString kTitle = QStringLiteral("exe_title");

// Element i of an optional string array into one field of every record.
void ReadStrings(const QJsonObject& object, const QString& key,
    std::vector<content_record>& records, std::string content_record::*field)
{
    if (!object.contains(key))
        return;
    const QJsonArray array = object.value(key).toArray();
    const int n = qMin(array.size(), static_cast<int>(records.size()));
    for (int i = 0; i < n; ++i) {
        if (array.at(i).isString())
            records[static_cast<size_t>(i)].*field = array.at(i).toString().toStdString();
    }
}

QString FileNameOf(const std::string& path)
{
    const QString full = QString::fromStdString(path);
    return full.mid(full.lastIndexOf(QLatin1Char('/')) + 1);
}

} // namespace

void DecodeType(const QString& text, std::int64_t* type, std::int64_t* collect)
{
    const std::int64_t value = text.trimmed().toLongLong();
    if (value >= 10) {
        *type = value - 10;
        *collect = favourite_mark;
    } else {
        *type = value;
        *collect = 0;
    }
}

QString EncodeType(std::int64_t type, std::int64_t collect)
{
    return QString::number(collect == favourite_mark ? type + 10 : type);
}

bool IsPlainFileName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))
        && !name.contains(QLatin1Char(':')) && !name.contains(QChar(0));
}

parse_result Parse(const QByteArray& bytes, const QString& content_folder)
{
    parse_result result;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        result.damaged = true;
        result.reason = error.errorString();
        return result;
    }
    if (!document.isObject()) {
        result.damaged = true;
        result.reason = QStringLiteral("not an object");
        return result;
    }
    const QJsonObject object = document.object();
    const QJsonArray types = object.value(kType).toArray();
    const QJsonArray contents = object.value(kContent).toArray();
    // Without one file name per type the records cannot be told apart from
    // their files.
    if (types.size() != contents.size()) {
        result.damaged = true;
        result.reason
            = QStringLiteral("%1 types, %2 file names").arg(types.size()).arg(contents.size());
        return result;
    }
    result.records.resize(static_cast<size_t>(types.size()));
    for (int i = 0; i < types.size(); ++i) {
        content_record& record = result.records[static_cast<size_t>(i)];
        DecodeType(types.at(i).toVariant().toString(), &record.type, &record.collect);
        record.content = (content_folder + QLatin1Char('/') + contents.at(i).toVariant().toString())
                             .toStdString();
    }
    ReadStrings(object, kMd5, result.records, &content_record::md5);
    ReadStrings(object, kIcons, result.records, &content_record::icons);
    ReadStrings(object, kTitle, result.records, &content_record::exe_title);
    return result;
}

QByteArray Serialize(const std::vector<content_record>& records, std::int64_t max_count)
{
    const size_t n = max_count < 0 ? 0 : qMin(records.size(), static_cast<size_t>(max_count));
    QJsonArray types, contents, md5s, icons, titles;
    for (size_t i = 0; i < n; ++i) {
        const content_record& record = records[i];
        types.append(EncodeType(record.type, record.collect));
        contents.append(FileNameOf(record.content));
        md5s.append(QString::fromStdString(record.md5));
        icons.append(QString::fromStdString(record.icons));
        titles.append(QString::fromStdString(record.exe_title));
    }
    QJsonObject object;
    object.insert(kType, types);
    object.insert(kContent, contents);
    object.insert(kMd5, md5s);
    object.insert(kIcons, icons);
    object.insert(kTitle, titles);
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

} // namespace content_index
