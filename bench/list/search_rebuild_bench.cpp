// search_rebuild_500: one search keystroke in the real main window with 500
// entries (5-line texts, file lists, images with their row pictures made):
// text changed, filter applied, list rebuilt and its viewport painted once.
#include "app/main_window.h"
#include "core/program_file.h"
#include "history/content_index.h"
#include "history/history_list.h"

#include <algorithm>
#include <cstdio>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>
#include <vector>

namespace {

class paint_counter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

void MakeHistory(const QString& program_folder)
{
    const QString folder = program_folder + QStringLiteral("/content");
    QDir().mkpath(folder);
    QImage image(1280, 720, QImage::Format_RGB32);
    image.fill(QColor(90, 140, 200));
    const QString shot = folder + QStringLiteral("/shot.png");
    image.save(shot);
    const char* words[] = { "alpha", "beta", "gamma", "delta", "search", "clipboard", "quill",
        "list", "rebuild", "paint" };
    std::vector<content_record> records;
    for (int i = 0; i < 500; ++i) {
        content_record record;
        const QString base = folder + QLatin1Char('/') + QString::number(1700000000000000000LL + i);
        QByteArray body;
        if (i % 5 == 0) {
            record.type = content_image;
            record.content = (base + QStringLiteral(".png")).toStdString();
            QFile::copy(shot, QString::fromStdString(record.content));
        } else {
            record.type = i % 5 == 1 ? content_file : content_text;
            for (int line = 0; line < 5; ++line) {
                if (record.type == content_file)
                    body += "file:///home/user/" + QByteArray(words[(i + line) % 10]) + "/doc"
                        + QByteArray::number(i) + ".txt\n";
                else
                    body += QByteArray(words[(i * 7 + line) % 10]) + " line "
                        + QByteArray::number(line) + " of entry " + QByteArray::number(i)
                        + " with some more words to make it a real line\n";
            }
            record.content = (base + QStringLiteral(".txt")).toStdString();
            QFile file(QString::fromStdString(record.content));
            file.open(QIODevice::WriteOnly);
            file.write(body);
        }
        record.collect = i % 7 == 0 ? favourite_mark : 0;
        records.push_back(record);
    }
    QFile index(folder + QStringLiteral("/content.json"));
    index.open(QIODevice::WriteOnly);
    index.write(content_index::Serialize(records, 500));
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QTemporaryDir folder;
    MakeHistory(folder.path());
    SetProgramFolderForTest(folder.path());
    main_window window;
    for (const content_item& item : window.history().items)
        if (item.pixmap)
            window.history().row_images().Request(item.pixmap);
    window.history().row_images().WaitForDone(120000);
    QCoreApplication::processEvents();

    paint_counter counter;
    window.list()->viewport()->installEventFilter(&counter);
    // Typing and deleting: each text is one keystroke away from the last.
    const QStringList keystrokes = { QStringLiteral("l"), QStringLiteral("li"),
        QStringLiteral("lin"), QStringLiteral("line"), QStringLiteral("line "),
        QStringLiteral("line 3"), QStringLiteral("line "), QStringLiteral("line"),
        QStringLiteral("lin"), QStringLiteral("li"), QStringLiteral("l"), QString(),
        QStringLiteral("s"), QStringLiteral("se"), QStringLiteral("sea"), QStringLiteral("se"),
        QStringLiteral("s"), QString() };
    std::vector<double> times;
    for (int round = 0; round < 20; ++round) {
        for (const QString& text : keystrokes) {
            const int before = counter.paints;
            QElapsedTimer timer;
            timer.start();
            window.search_box()->setText(text);
            for (int spin = 0; counter.paints == before && spin < 1000; ++spin)
                QCoreApplication::processEvents();
            times.push_back(timer.nsecsElapsed() / 1e6);
        }
    }
    std::sort(times.begin(), times.end());
    const double p50 = times[times.size() / 2];
    const double p95 = times[times.size() * 95 / 100];
    std::printf("rows shown for \"\": %d, keystrokes: %zu, p50 %.2f ms\n", window.list()->count(),
        times.size(), p50);
    std::printf("BENCH search_rebuild_500 %.2f ms\n", p95);
    return 0;
}
