// A real X11 editor to paste into: one plain text edit that writes its whole
// text to the file named by its argument after every change, and prints its
// window id once it is shown. With --cover-screen it is borderless and covers
// the whole screen, as a game or a video player does.
#include <cstdio>
#include <QApplication>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QScreen>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: tiny_editor <output file> [--cover-screen]\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    QPlainTextEdit editor;
    editor.setWindowTitle(QStringLiteral("tiny editor"));
    editor.resize(400, 300);
    if (argc > 2 && qstrcmp(argv[2], "--cover-screen") == 0) {
        editor.setWindowFlag(Qt::FramelessWindowHint);
        editor.setGeometry(QGuiApplication::primaryScreen()->geometry());
    }
    QObject::connect(&editor, &QPlainTextEdit::textChanged, [&] {
        // Whole or not at all: the test reads it while we type.
        QSaveFile file(output);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(editor.toPlainText().toUtf8());
            file.commit();
        }
    });
    editor.show();
    std::printf("%llu\n", static_cast<unsigned long long>(editor.winId()));
    std::fflush(stdout);
    return app.exec();
}
