// The installed program: `cmake --install` into a temporary folder, that tree
// copied elsewhere and made read-only, and started with private XDG folders,
// as from a package.
#include "tests/e2e/support/wait.h"
#include "tests/e2e/support/x_session.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

using e2e::WaitUntil;

// The colour the test gives the search box in the installed dark sheet.
constexpr unsigned long kMarker = 0x01FE03;

bool RunTool(const QString& program, const QStringList& arguments,
    const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.start(program, arguments);
    return p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

QByteArray ReadFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Pixels of the marker colour in a window, as the X server has them.
int MarkerPixels(const QString& display, unsigned long window)
{
    Display* x = XOpenDisplay(display.toLatin1().constData());
    if (!x)
        return -1;
    int count = 0;
    XWindowAttributes a {};
    if (XGetWindowAttributes(x, window, &a) && a.map_state == IsViewable) {
        if (XImage* image = XGetImage(x, window, 0, 0, static_cast<unsigned>(a.width),
                static_cast<unsigned>(a.height), AllPlanes, ZPixmap)) {
            for (int py = 0; py < a.height; ++py)
                for (int px = 0; px < a.width; ++px)
                    count += (XGetPixel(image, px, py) & 0xFFFFFF) == kMarker;
            XDestroyImage(image);
        }
    }
    XCloseDisplay(x);
    return count;
}

// Writable again at the end, so that it can be removed.
struct InstallDir : QTemporaryDir {
    ~InstallDir()
    {
        RunTool(QStringLiteral("chmod"), { QStringLiteral("-R"), QStringLiteral("u+w"), path() });
    }
    QString Path(const QString& relative) const { return path() + '/' + relative; }
};

TEST(InstalledTree, ARunFromAReadOnlyTreeKeepsItsFilesInTheXdgFoldersAndReadsTheSharedSheet)
{
    InstallDir dir;
    const auto Path = [&](const QString& relative) { return dir.Path(relative); };
    e2e::XSession x;
    ASSERT_TRUE(x.Start()) << x.error().toStdString();

    QProcessEnvironment install = QProcessEnvironment::systemEnvironment();
    install.insert(QStringLiteral("DESTDIR"), Path("stage"));
    ASSERT_TRUE(RunTool(QStringLiteral(QUILLBOX_CMAKE),
        { QStringLiteral("--install"), QStringLiteral(QUILLBOX_BUILD_DIR),
            QStringLiteral("--component"), QStringLiteral("client") },
        install));
    // Moved after installing: the program finds its shared files from where it is.
    ASSERT_TRUE(QDir().rename(Path("stage"), Path("tree")));
    const QString prefix = Path("tree") + QStringLiteral(QUILLBOX_INSTALL_PREFIX);
    QFile sheet(prefix + "/share/quillbox/dark.qss");
    ASSERT_TRUE(sheet.open(QIODevice::Append));
    sheet.write("\nQLineEdit { background: #01FE03; }\n");
    sheet.close();
    ASSERT_TRUE(RunTool(
        QStringLiteral("chmod"), { QStringLiteral("-R"), QStringLiteral("a-w"), Path("tree") }));

    const QString config = Path("home/config/quillbox");
    const QString data = Path("home/data/quillbox");
    QDir().mkpath(config);
    QDir().mkpath(Path("runtime"));
    QFile::setPermissions(Path("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile settings(config + "/config.json");
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly)
        && settings.write(R"({"dark_mode": true, "auto_run": false})") > 0);
    settings.close();

    QProcessEnvironment env = x.Environment();
    env.insert(QStringLiteral("HOME"), Path("home"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), Path("home/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), Path("home/data"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), Path("runtime"));
    QProcess program;
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(prefix + "/bin/quillbox", QStringList());
    QString window;
    ASSERT_TRUE(WaitUntil(
        [&] {
            window = x.WindowsNamed(QStringLiteral("quillbox")).value(0);
            return !window.isEmpty();
        },
        20000));

    // The dark sheet comes from share/quillbox of the tree.
    EXPECT_TRUE(WaitUntil([&] { return MarkerPixels(x.display(), window.toULong()) > 500; }, 5000));

    // A copy lands in the data folder, the settings stay in the config folder.
    ASSERT_TRUE(x.Copy("copied into an installed quillbox"));
    QJsonObject index;
    ASSERT_TRUE(WaitUntil(
        [&] {
            index = QJsonDocument::fromJson(ReadFile(data + "/content/content.json")).object();
            return index.value(QLatin1String("content")).toArray().size() == 1;
        },
        10000));
    const QString entry = index.value(QLatin1String("content")).toArray().at(0).toString();
    EXPECT_EQ(ReadFile(data + "/content/" + entry), "copied into an installed quillbox");
    const QJsonObject saved = QJsonDocument::fromJson(ReadFile(config + "/config.json")).object();
    // Written back there with the defaults it adds.
    EXPECT_TRUE(saved.contains(QLatin1String("loop_count")));
    EXPECT_TRUE(saved.value(QLatin1String("dark_mode")).toBool());
    // Nothing beside the program.
    EXPECT_EQ(QDir(prefix + "/bin").entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
        QStringList { QStringLiteral("quillbox") });
    program.kill();
    program.waitForFinished(5000);
}

} // namespace
