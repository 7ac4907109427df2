#include "tests/e2e/support/x_session.h"

#include "tests/e2e/support/wait.h"

#include <QProcess>

namespace e2e {

XSession::XSession() = default;

XSession::~XSession()
{
    for (auto* p : { window_manager_.get(), xvfb_.get() }) {
        if (p && p->state() != QProcess::NotRunning) {
            p->terminate();
            if (!p->waitForFinished(3000)) {
                p->kill();
                p->waitForFinished(3000);
            }
        }
    }
}

bool XSession::Start(const QSize& screen)
{
    xvfb_ = std::make_unique<QProcess>();
    xvfb_->setProcessChannelMode(QProcess::SeparateChannels);
    // -displayfd 1: Xvfb picks a free display and prints its number.
    xvfb_->start(QStringLiteral("Xvfb"),
        { QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
            QStringLiteral("0"),
            QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height()),
            QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-noreset") });
    if (!xvfb_->waitForStarted(5000)) {
        error_ = QStringLiteral("Xvfb did not start");
        return false;
    }
    QByteArray number;
    WaitUntil(
        [&] {
            xvfb_->waitForReadyRead(50);
            number += xvfb_->readAllStandardOutput();
            return number.contains('\n') || xvfb_->state() == QProcess::NotRunning;
        },
        10000);
    number = number.trimmed();
    if (number.isEmpty()) {
        error_ = QStringLiteral("Xvfb gave no display: ")
            + QString::fromLocal8Bit(xvfb_->readAllStandardError());
        return false;
    }
    display_ = QLatin1Char(':') + QString::fromLatin1(number);

    window_manager_ = std::make_unique<QProcess>();
    QProcessEnvironment wm_env = Environment();
    const QString home = window_manager_home_.path();
    wm_env.insert(QStringLiteral("HOME"), home);
    wm_env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    wm_env.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/.cache"));
    wm_env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    window_manager_->setProcessEnvironment(wm_env);
    window_manager_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    window_manager_->start(QStringLiteral("openbox"), { QStringLiteral("--sm-disable") });
    if (!window_manager_->waitForStarted(5000)) {
        error_ = QStringLiteral("openbox did not start");
        return false;
    }
    // The window manager is up once it announces itself on the root window.
    const bool managed = WaitUntil(
        [&] {
            return Run(QStringLiteral("xprop"),
                { QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK") })
                .contains("window id");
        },
        10000);
    if (!managed)
        error_ = QStringLiteral("openbox did not take the display");
    return managed;
}

QProcessEnvironment XSession::Environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display_);
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    // No OpenGL: the widgets do not use it, and the software GL driver that Xvfb
    // would load leaks from a module unloaded before the leak check can name it.
    env.insert(QStringLiteral("QT_XCB_GL_INTEGRATION"), QStringLiteral("none"));
    return env;
}

QByteArray XSession::Run(const QString& program, const QStringList& arguments, int* exit_code,
    const QByteArray& input) const
{
    QProcess p;
    p.setProcessEnvironment(Environment());
    p.start(program, arguments);
    const bool started = p.waitForStarted(5000);
    if (started && !input.isEmpty())
        p.write(input);
    p.closeWriteChannel();
    const bool finished = started && p.waitForFinished(10000);
    if (started && !finished) {
        p.kill();
        p.waitForFinished(1000);
    }
    if (exit_code)
        *exit_code = finished && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return p.readAllStandardOutput();
}

QStringList XSession::WindowsNamed(const QString& title) const
{
    return QString::fromLatin1(
        Xdotool(QStringLiteral("search --onlyvisible --name ^%1$").arg(title)))
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool XSession::Active(const QString& window) const
{
    return Xdotool(QStringLiteral("getactivewindow")).trimmed() == window.toLatin1()
        && Xdotool(QStringLiteral("getwindowfocus")).trimmed() == window.toLatin1();
}

bool XSession::Copy(const QByteArray& bytes, const QString& target) const
{
    QStringList arguments { QStringLiteral("-selection"), QStringLiteral("clipboard") };
    if (!target.isEmpty())
        arguments << QStringLiteral("-t") << target;
    int code = -1;
    Run(QStringLiteral("xclip"), arguments, &code, bytes);
    return code == 0;
}

QByteArray XSession::Clipboard(const QString& target) const
{
    QStringList arguments { QStringLiteral("-o"), QStringLiteral("-selection"),
        QStringLiteral("clipboard") };
    if (!target.isEmpty())
        arguments << QStringLiteral("-t") << target;
    return Run(QStringLiteral("xclip"), arguments);
}

bool XSession::ClipboardHolds(const QByteArray& bytes, int timeout_ms) const
{
    return WaitUntil([&] { return Clipboard() == bytes; }, timeout_ms);
}

bool XSession::Activate(const QString& window, int timeout_ms) const
{
    Xdotool(QStringLiteral("windowactivate --sync ") + window);
    return WaitUntil([&] { return Active(window); }, timeout_ms);
}

} // namespace e2e
