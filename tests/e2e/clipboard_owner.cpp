// An X client that owns the clipboard with several targets at once, which
// xclip cannot do: a text plus the password-manager hint. Prints "served
// <type>" whenever a reader fetches a type, and keeps serving until killed or
// 60 s pass.
#include <cstdio>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTimer>

namespace {

class ReportingData : public QMimeData {
protected:
    QVariant retrieveData(const QString& type, QVariant::Type kind) const override
    {
        std::printf("served %s\n", type.toUtf8().constData());
        std::fflush(stdout);
        return QMimeData::retrieveData(type, kind);
    }
};

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TEXT HINT\n", argv[0]);
        return 2;
    }
    auto* data = new ReportingData;
    data->setText(QString::fromUtf8(argv[1]));
    data->setData(QStringLiteral("x-kde-passwordManagerHint"), QByteArray(argv[2]));
    QGuiApplication::clipboard()->setMimeData(data);
    QTimer::singleShot(60000, &app, &QCoreApplication::quit);
    return QGuiApplication::exec();
}
