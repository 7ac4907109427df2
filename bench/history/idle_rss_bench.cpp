// idle_rss: resident memory of the real program with an empty history, its
// window shown, on Xvfb with openbox, 3 s after start. Also shown: the same
// with Qt's GLX integration chosen explicitly (a user's setting is kept),
// which is what every start paid before the program declined it.
#include "tests/e2e/support/program_copy.h"
#include "tests/e2e/support/x_session.h"

#include <cstdio>
#include <QCoreApplication>
#include <QFile>
#include <QThread>

namespace {

double ResidentMb(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024.0;
    return -1;
}

// gl_integration empty: the program decides, as on a user's desktop.
double IdleRss(const e2e::XSession& x, const QString& gl_integration)
{
    e2e::ProgramCopy copy(x);
    copy.SetEnvironment(QStringLiteral("QT_XCB_GL_INTEGRATION"), gl_integration);
    QProcess& program = copy.Launch();
    if (!copy.WaitForWindows())
        return -1;
    QThread::msleep(3000);
    return ResidentMb(program.processId());
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    e2e::XSession x;
    if (!x.Start()) {
        std::fprintf(stderr, "no X session: %s\n", qPrintable(x.error()));
        return 1;
    }
    const double rss = IdleRss(x, QString());
    const double with_glx = IdleRss(x, QStringLiteral("xcb_glx"));
    if (rss < 0) {
        std::fprintf(stderr, "the program did not show its window\n");
        return 1;
    }
    std::fprintf(stderr, "idle: %.1f MB; with GLX chosen explicitly: %.1f MB\n", rss, with_glx);
    std::printf("BENCH idle_rss %.1f MB\n", rss);
    return 0;
}
