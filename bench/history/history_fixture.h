// A program folder holding a history like a real one: text entries and
// full-HD screenshots, with its content.json.
#pragma once

#include "history/content_index.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>
#include <vector>

namespace bench_history {

// Something like a desktop screenshot: flat panels, gradients and text, which
// compresses like one (a noise image would be far larger than real ones).
inline QImage Screenshot(int seed)
{
    QImage image(1920, 1080, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient background(0, 0, 1920, 1080);
    background.setColorAt(0, QColor(30 + seed % 50, 60, 90));
    background.setColorAt(1, QColor(200, 180, 120 + seed % 100));
    painter.fillRect(image.rect(), background);
    for (int i = 0; i < 12; ++i) {
        const QRect window(60 + i * 140, 40 + i * 70, 700, 450);
        painter.fillRect(window, QColor(240, 240, 240));
        painter.fillRect(window.adjusted(0, 0, 0, -420), QColor(50, 90, 160));
        painter.setPen(Qt::black);
        for (int line = 0; line < 14; ++line)
            painter.drawText(window.adjusted(12, 40 + line * 28, -12, 0),
                QStringLiteral("Line %1 of window %2: the quick brown fox %3")
                    .arg(line)
                    .arg(i)
                    .arg(seed));
    }
    return image;
}

// 500 entries, newest first, every fifth a screenshot. Returns the content folder.
inline QString MakeHistory(const QString& program_folder, int entries = 500, int every = 5)
{
    const QString folder = program_folder + QStringLiteral("/content");
    QDir().mkpath(folder);
    const QString shot = folder + QStringLiteral("/shot.png");
    Screenshot(1).save(shot, "PNG");
    std::vector<content_record> records;
    const QByteArray text(180, 't');
    for (int i = 0; i < entries; ++i) {
        content_record record;
        const QString base = QString::number(1700000000000000000LL + i);
        if (i % every == 0) {
            record.type = content_image;
            record.content
                = (folder + QLatin1Char('/') + base + QStringLiteral(".png")).toStdString();
            QFile::copy(shot, QString::fromStdString(record.content));
        } else {
            record.type = content_text;
            record.content
                = (folder + QLatin1Char('/') + base + QStringLiteral(".txt")).toStdString();
            QFile file(QString::fromStdString(record.content));
            file.open(QIODevice::WriteOnly);
            file.write(text + QByteArray::number(i));
        }
        record.md5 = QByteArray::number(i).toStdString();
        record.icons
            = (folder + QLatin1Char('/') + base + QStringLiteral("icon.png")).toStdString();
        record.exe_title = "Editor";
        records.push_back(record);
    }
    QFile::remove(shot);
    QFile index(folder + QStringLiteral("/content.json"));
    index.open(QIODevice::WriteOnly);
    index.write(content_index::Serialize(records, entries));
    return folder;
}

} // namespace bench_history
