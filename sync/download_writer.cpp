#include "sync/download_writer.h"

#include "sync/file_name_check.h"
#include "sync/wire_log.h"

#include <QDir>
#include <QSaveFile>

download_writer::download_writer(QString content_folder)
    : folder_(std::move(content_folder))
{
}

download_writer::~download_writer()
{
    if (file_)
        file_->cancelWriting();
}

void download_writer::Drop(const char* why)
{
    if (file_) {
        wire::log_error("download of " + name_.toStdString() + " dropped: " + why);
        file_->cancelWriting();
        file_.reset();
    }
}

void download_writer::Write(std::string_view tag, std::string_view payload)
{
    if (tag.empty()) {
        wire::log_error("download without a tag dropped");
        return;
    }
    const std::string_view raw = tag.substr(1);
    if (!wire::IsPlainFileName(raw)) {
        wire::log_error("download refused, not a plain file name: " + std::string(raw));
        return;
    }
    const unsigned flags = static_cast<unsigned char>(tag[0]);
    const QString name = QString::fromUtf8(raw.data(), static_cast<int>(raw.size()));
    if (name != name_) {
        Drop("another file began");
        name_ = name;
    }
    if (flags & 1u) {
        Drop("the file began anew");
        QDir().mkpath(folder_);
        const QString stored
            = name == QLatin1String("content.json") ? QString(synced_index_name) : name;
        file_ = std::make_unique<QSaveFile>(folder_ + QLatin1Char('/') + stored);
        if (!file_->open(QIODevice::WriteOnly)) {
            wire::log_error("Can't save file " + name.toStdString() + ": "
                + file_->errorString().toStdString());
            file_.reset();
        }
    }
    if ((flags & 3u) && file_ && !payload.empty()) {
        const auto size = static_cast<qint64>(payload.size());
        if (file_->write(payload.data(), size) != size) {
            wire::log_error("Can't save file " + name.toStdString());
            Drop("a write failed");
        }
    }
    if ((flags & 4u) && file_) {
        if (!file_->commit())
            wire::log_error("Can't save file " + name.toStdString() + ": "
                + file_->errorString().toStdString());
        file_.reset();
        name_.clear();
    }
}
