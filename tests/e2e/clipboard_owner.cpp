// An X client that owns the clipboard with several targets at once, which
// xclip cannot do: a text plus the password-manager hint. Prints "ready" once
// it owns the clipboard and keeps serving it until killed or 60 s pass.
#include <cstdio>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTimer>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TEXT HINT\n", argv[0]);
        return 2;
    }
    auto* data = new QMimeData;
    data->setText(QString::fromUtf8(argv[1]));
    data->setData(QStringLiteral("x-kde-passwordManagerHint"), QByteArray(argv[2]));
    QGuiApplication::clipboard()->setMimeData(data);
    std::printf("ready\n");
    std::fflush(stdout);
    QTimer::singleShot(60000, &app, &QCoreApplication::quit);
    return QGuiApplication::exec();
}
