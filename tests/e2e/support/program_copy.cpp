#include "tests/e2e/support/program_copy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

#ifndef QUILLBOX_BINARY
#error "QUILLBOX_BINARY must name the built program"
#endif

namespace e2e {
namespace {

// Files the program reads from its own folder.
const char* const kSideFiles[] = { "icon.png", "back.png", "dark.qss", "gray.qss" };

} // namespace

ProgramCopy::ProgramCopy(const XSession& x, const QString& runtime_dir)
    : x_(x)
    , folder_(QDir::tempPath() + QStringLiteral("/qb-e2e-XXXXXX"))
{
    const QFileInfo binary(QStringLiteral(QUILLBOX_BINARY));
    QFile::copy(binary.filePath(), FilePath(QStringLiteral("quillbox")));
    QFile::setPermissions(FilePath(QStringLiteral("quillbox")),
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    for (const char* name : kSideFiles) {
        const QString source = binary.dir().filePath(QLatin1String(name));
        if (QFile::exists(source))
            QFile::copy(source, FilePath(QLatin1String(name)));
    }

    runtime_dir_ = runtime_dir;
    if (runtime_dir_.isEmpty()) {
        // Short: socket paths are limited to about 100 bytes.
        own_runtime_ = std::make_unique<QTemporaryDir>(QStringLiteral("/tmp/qbrt-XXXXXX"));
        runtime_dir_ = own_runtime_->path();
    }
    ::chmod(QFile::encodeName(runtime_dir_).constData(), 0700);

    env_ = x_.Environment();
    env_.insert(QStringLiteral("HOME"), home_.path());
    env_.insert(QStringLiteral("XDG_CONFIG_HOME"), home_.path() + QStringLiteral("/.config"));
    env_.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_dir_);
}

ProgramCopy::~ProgramCopy()
{
    for (auto& p : processes_) {
        if (p->state() != QProcess::NotRunning) {
            p->kill();
            p->waitForFinished(5000);
        }
    }
}

QString ProgramCopy::FilePath(const QString& relative) const
{
    return folder_.filePath(relative);
}

QByteArray ProgramCopy::ReadFile(const QString& relative) const
{
    QFile f(FilePath(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QProcess& ProgramCopy::Launch(const QStringList& arguments)
{
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(env_);
    process->setWorkingDirectory(folder());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start(FilePath(QStringLiteral("quillbox")), arguments);
    process->waitForStarted(5000);
    processes_.push_back(std::move(process));
    return *processes_.back();
}

QStringList ProgramCopy::VisibleWindows() const
{
    const QByteArray out = x_.Run(QStringLiteral("xdotool"),
        { QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
            QStringLiteral("^quillbox$") });
    return QString::fromLatin1(out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString ProgramCopy::ActiveWindow() const
{
    return QString::fromLatin1(
        x_.Run(QStringLiteral("xdotool"), { QStringLiteral("getactivewindow") }))
        .trimmed();
}

int WaitForExit(QProcess& process, int timeout_ms)
{
    if (process.state() != QProcess::NotRunning && !process.waitForFinished(timeout_ms))
        return -1000;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace e2e
