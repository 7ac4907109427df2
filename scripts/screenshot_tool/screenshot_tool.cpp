// Helper of scripts/screenshots.sh:
//   sample <program folder>          writes a sample history of 20 entries
//   config <program folder> k=v...   sets keys of config.json
//   grab <window id> <png>           saves a window of the X display
//   grabarea <x> <y> <w> <h> <png>   saves a part of the screen, popups and all
#include <QColor>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>
#include <QScreen>
#include <QTextStream>
#include <QWindow>

namespace {

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

// The programs the sample entries were copied from: a title and a small icon.
struct source {
    const char* title;
    QColor colour;
    char glyph;
};

const source kTerminal { "alex@desk: ~/projects/quillbox", QColor(0x2E, 0x34, 0x40), '>' };
const source kEditor { "notes.md - Text Editor", QColor(0x3B, 0x82, 0xF6), 'T' };
const source kBrowser { "Release notes - Web Browser", QColor(0xF9, 0x73, 0x16), 'W' };
const source kChat { "Team chat", QColor(0x10, 0xB9, 0x81), 'C' };
const source kFiles { "Documents - Files", QColor(0xEA, 0xB3, 0x08), 'F' };
const source kPaint { "Drawing", QColor(0xA8, 0x55, 0xF7), 'D' };

QImage SourceIcon(const source& from)
{
    QImage icon(16, 16, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(from.colour);
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3.5, 3.5);
    QFont font;
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QString(QLatin1Char(from.glyph)));
    return icon;
}

// Four pictures drawn here, so that the samples own no one else's image.
QImage Chart()
{
    QImage image(640, 400, QImage::Format_RGB32);
    image.fill(QColor(0xFA, 0xFA, 0xFB));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xE2, 0xE4, 0xE8), 1));
    for (int y = 60; y <= 340; y += 40)
        p.drawLine(60, y, 600, y);
    const int values[] = { 120, 180, 150, 230, 260, 210, 280 };
    const QColor bars[] = { QColor(0x3B, 0x82, 0xF6), QColor(0x60, 0xA5, 0xFA) };
    for (int i = 0; i < 7; ++i) {
        const QRectF bar(80 + i * 74, 340 - values[i], 44, values[i]);
        p.setPen(Qt::NoPen);
        p.setBrush(bars[i % 2]);
        p.drawRoundedRect(bar, 6, 6);
    }
    p.setPen(QPen(QColor(0xF9, 0x73, 0x16), 4));
    QPainterPath trend;
    for (int i = 0; i < 7; ++i) {
        const QPointF at(102 + i * 74, 300 - values[i] * 0.8);
        if (i == 0)
            trend.moveTo(at);
        else
            trend.lineTo(at);
    }
    p.setBrush(Qt::NoBrush);
    p.drawPath(trend);
    QFont font;
    font.setPixelSize(26);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0x1F, 0x29, 0x37));
    p.drawText(
        QRect(60, 12, 540, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Weekly copies"));
    return image;
}

QImage Landscape()
{
    QImage image(800, 500, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 500);
    sky.setColorAt(0, QColor(0xFD, 0xBA, 0x74));
    sky.setColorAt(0.55, QColor(0xF4, 0x72, 0xB6));
    sky.setColorAt(1, QColor(0x6D, 0x28, 0xD9));
    p.fillRect(image.rect(), sky);
    QRadialGradient sun(560, 250, 90);
    sun.setColorAt(0, QColor(0xFF, 0xF7, 0xED));
    sun.setColorAt(1, QColor(0xFE, 0xD7, 0xAA));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(560, 250), 80, 80);
    const QColor hills[]
        = { QColor(0x7C, 0x3A, 0xED), QColor(0x5B, 0x21, 0xB6), QColor(0x3B, 0x07, 0x64) };
    for (int layer = 0; layer < 3; ++layer) {
        QPainterPath ridge;
        const double base = 300 + layer * 60;
        ridge.moveTo(0, 500);
        ridge.lineTo(0, base);
        for (int x = 0; x <= 800; x += 100)
            ridge.quadTo(x + 50, base - 70 + ((x / 100 + layer) % 3) * 30, x + 100, base);
        ridge.lineTo(800, 500);
        p.setBrush(hills[layer]);
        p.drawPath(ridge);
    }
    return image;
}

QImage Palette()
{
    QImage image(600, 240, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor swatches[] = { QColor(0x0F, 0x76, 0x6E), QColor(0x14, 0xB8, 0xA6),
        QColor(0x99, 0xF6, 0xE4), QColor(0xFB, 0xBF, 0x24), QColor(0xF9, 0x73, 0x16) };
    QFont font;
    font.setPixelSize(16);
    p.setFont(font);
    for (int i = 0; i < 5; ++i) {
        const QRectF swatch(20 + i * 116, 20, 100, 160);
        p.setPen(Qt::NoPen);
        p.setBrush(swatches[i]);
        p.drawRoundedRect(swatch, 10, 10);
        p.setPen(QColor(0x37, 0x41, 0x51));
        p.drawText(QRectF(swatch.left(), 188, 100, 30), Qt::AlignCenter,
            swatches[i].name(QColor::HexRgb).toUpper());
    }
    return image;
}

QImage Screenshot()
{
    // A wide capture of a small form, as a user would copy from a screen.
    QImage image(1200, 300, QImage::Format_RGB32);
    image.fill(QColor(0xF3, 0xF4, 0xF6));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(40, 40, 1120, 220), 14, 14);
    p.setBrush(QColor(0xE5, 0xE7, 0xEB));
    for (int row = 0; row < 3; ++row)
        p.drawRoundedRect(QRectF(80, 80 + row * 52, 700 - row * 140, 28), 6, 6);
    p.setBrush(QColor(0x25, 0x63, 0xEB));
    p.drawRoundedRect(QRectF(900, 190, 220, 44), 8, 8);
    QFont font;
    font.setPixelSize(18);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(900, 190, 220, 44), Qt::AlignCenter, QStringLiteral("Save changes"));
    return image;
}

struct sample {
    int type; // 0 text, 1 image, 2 file list
    bool favourite;
    const source* from;
    QString text; // text and file entries
    QImage (*draw)(); // image entries
};

std::vector<sample> Samples()
{
    // Newest first, as the history keeps them.
    return {
        { 0, false, &kEditor, QStringLiteral("Meeting moved to 15:30, room B2."), nullptr },
        { 1, true, &kPaint, {}, &Landscape },
        { 0, false, &kChat,
            QStringLiteral(
                "明天上午十点在三楼会议室开周会，请提前准备好本季度的销售数据和下季度计划。"),
            nullptr },
        { 0, true, &kTerminal,
            QStringLiteral("cmake -S . -B build -DCMAKE_BUILD_TYPE=Release\n"
                           "cmake --build build -j8\n"
                           "ctest --test-dir build --output-on-failure\n"
                           "sudo cmake --install build\n"
                           "git tag -a v1.4.0 -m \"Release 1.4.0\"\n"
                           "git push origin v1.4.0"),
            nullptr },
        { 2, false, &kFiles,
            QStringLiteral("file:///home/alex/Documents/Quarterly report.pdf\n"
                           "file:///home/alex/Documents/Budget 2024.xlsx\n"
                           "file:///home/alex/Documents/Team photo.zip"),
            nullptr },
        { 0, false, &kBrowser, QStringLiteral("https://example.org/docs/getting-started#install"),
            nullptr },
        { 1, false, &kBrowser, {}, &Chart },
        { 0, true, &kEditor,
            QStringLiteral("Dear Ms. Lindqvist,\n\nThank you for the quick reply. The revised "
                           "contract is attached; the only change is the delivery date, which "
                           "moves from 12 to 19 March. Please let me know if anything else "
                           "needs another look before we sign.\n\nKind regards,\nAlex"),
            nullptr },
        { 0, false, &kChat, QStringLiteral("购物清单：\n牛奶 两盒\n鸡蛋 一打\n全麦面包\n苹果 1 kg"),
            nullptr },
        { 0, false, &kTerminal,
            QStringLiteral("SELECT name, COUNT(*) AS copies\n  FROM history\n WHERE day = "
                           "CURRENT_DATE\n GROUP BY name\n ORDER BY copies DESC;"),
            nullptr },
        { 1, false, &kPaint, {}, &Palette },
        { 2, true, &kFiles, QStringLiteral("file:///home/alex/Pictures/Design/logo-draft.svg"),
            nullptr },
        { 0, false, &kEditor, QStringLiteral("alex.morgan@example.com"), nullptr },
        { 0, false, &kBrowser,
            QStringLiteral("Clipboard history keeps everything you copy — texts, pictures and "
                           "files — and brings it back with one key."),
            nullptr },
        { 1, false, &kBrowser, {}, &Screenshot },
        { 0, true, &kChat, QStringLiteral("Wi-Fi: Guest-5G  密码：spring-river-42"), nullptr },
        { 0, false, &kEditor,
            QStringLiteral("{\n  \"name\": \"quillbox\",\n  \"version\": \"1.4.0\",\n  "
                           "\"dark_mode\": true\n}"),
            nullptr },
        { 0, false, &kTerminal, QStringLiteral("ssh alex@build-01.example.net"), nullptr },
        { 0, false, &kChat, QStringLiteral("周五下午三点，老地方见！"), nullptr },
        { 0, false, &kEditor, QStringLiteral("TODO: answer the design review comments"), nullptr },
    };
}

QString Md5(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Md5);
    hash.addData(&file);
    return QString::fromLatin1(hash.result().toHex());
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(bytes) == bytes.size() && file.flush();
}

int WriteSample(const QString& program_folder)
{
    const QString folder = QDir(program_folder).absoluteFilePath(QStringLiteral("content"));
    if (!QDir().mkpath(folder)) {
        err() << "cannot create " << folder << "\n";
        return 1;
    }
    const std::vector<sample> samples = Samples();
    QJsonArray types, contents, md5s, icons, titles;
    // File names are capture times in nanoseconds: a few minutes apart, today.
    const qint64 now_ms = QDateTime::currentMSecsSinceEpoch();
    for (size_t i = 0; i < samples.size(); ++i) {
        const sample& s = samples[i];
        const qint64 stamp = (now_ms - static_cast<qint64>(i + 1) * 7 * 60 * 1000) * 1000000;
        const QString base = folder + QLatin1Char('/') + QString::number(stamp);
        const QString path = base + (s.type == 1 ? QStringLiteral(".png") : QStringLiteral(".txt"));
        const bool written
            = s.type == 1 ? s.draw().save(path, "PNG") : WriteFile(path, s.text.toUtf8());
        const QString icon = base + QStringLiteral("icon.png");
        if (!written || !SourceIcon(*s.from).save(icon, "PNG")) {
            err() << "cannot write " << path << "\n";
            return 1;
        }
        types.append(QString::number(s.type + (s.favourite ? 10 : 0)));
        contents.append(QFileInfo(path).fileName());
        md5s.append(Md5(path));
        icons.append(icon);
        titles.append(QString::fromUtf8(s.from->title));
    }
    const QJsonObject index { { QStringLiteral("type"), types },
        { QStringLiteral("content"), contents }, { QStringLiteral("md5"), md5s },
        { QStringLiteral("icons"), icons }, { QStringLiteral("exe_title"), titles } };
    if (!WriteFile(folder + QStringLiteral("/content.json"),
            QJsonDocument(index).toJson(QJsonDocument::Indented))) {
        err() << "cannot write content.json\n";
        return 1;
    }
    return 0;
}

int SetConfig(const QString& program_folder, const QStringList& pairs)
{
    const QString path = QDir(program_folder).absoluteFilePath(QStringLiteral("config.json"));
    QFile file(path);
    QJsonObject config;
    if (file.open(QIODevice::ReadOnly))
        config = QJsonDocument::fromJson(file.readAll()).object();
    file.close();
    for (const QString& pair : pairs) {
        const int equals = pair.indexOf(QLatin1Char('='));
        if (equals <= 0) {
            err() << "not key=value: " << pair << "\n";
            return 1;
        }
        const QString key = pair.left(equals);
        const QString value = pair.mid(equals + 1);
        bool number = false;
        const int as_int = value.toInt(&number);
        if (value == QLatin1String("true") || value == QLatin1String("false"))
            config.insert(key, value == QLatin1String("true"));
        else if (number)
            config.insert(key, as_int);
        else
            config.insert(key, value);
    }
    return WriteFile(path, QJsonDocument(config).toJson(QJsonDocument::Indented)) ? 0 : 1;
}

// window 0 with an area: that part of the whole screen.
int Grab(const QString& window, const QString& png, const QRect& area = QRect())
{
    bool ok = false;
    const WId id = static_cast<WId>(window.toULongLong(&ok, 0));
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!ok || !screen) {
        err() << "no window or no screen\n";
        return 1;
    }
    const QPixmap shot = area.isValid()
        ? screen->grabWindow(id, area.x(), area.y(), area.width(), area.height())
        : screen->grabWindow(id);
    if (shot.isNull()) {
        err() << "could not grab window " << window << "\n";
        return 1;
    }
    // Quality 0: the smallest file; PNG stays lossless.
    return shot.toImage().save(png, "PNG", 0) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    const QStringList usage { QStringLiteral("sample"), QStringLiteral("config"),
        QStringLiteral("grab"), QStringLiteral("grabarea") };
    if (argc < 3 || !usage.contains(QString::fromLocal8Bit(argv[1]))) {
        err() << "usage: " << argv[0]
              << " sample <folder> | config <folder> key=value... | grab <window> <png>"
                 " | grabarea <x> <y> <w> <h> <png>\n";
        return 2;
    }
    const QString command = QString::fromLocal8Bit(argv[1]);
    QStringList rest;
    for (int i = 2; i < argc; ++i)
        rest << QString::fromLocal8Bit(argv[i]);
    // Drawing text needs a GUI application; only the grabs need the display.
    if (!command.startsWith(QLatin1String("grab")))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (command == QLatin1String("sample"))
        return WriteSample(rest[0]);
    if (command == QLatin1String("config"))
        return SetConfig(rest[0], rest.mid(1));
    if (command == QLatin1String("grabarea")) {
        if (rest.size() < 5) {
            err() << "grabarea needs x, y, width, height and a file\n";
            return 2;
        }
        return Grab(QStringLiteral("0"), rest[4],
            QRect(rest[0].toInt(), rest[1].toInt(), rest[2].toInt(), rest[3].toInt()));
    }
    if (rest.size() < 2) {
        err() << "grab needs a window and a file\n";
        return 2;
    }
    return Grab(rest[0], rest[1]);
}
