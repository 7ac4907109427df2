#include "tests/e2e/support/program_copy.h"

#include "tests/e2e/support/wait.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <sys/stat.h>

#ifndef QUILLBOX_BINARY
#error "QUILLBOX_BINARY must name the built program"
#endif

namespace e2e {
namespace {

// Files the program reads from its own folder.
const char* const kSideFiles[] = { "icon.png", "back.png", "dark.qss", "gray.qss" };

QStringList Strings(const QJsonObject& object, const char* key)
{
    return object.value(QLatin1String(key)).toVariant().toStringList();
}

} // namespace

ProgramCopy::ProgramCopy(const XSession& x)
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

    ::chmod(QFile::encodeName(runtime_.path()).constData(), 0700);

    env_ = x_.Environment();
    env_.insert(QStringLiteral("HOME"), home_.path());
    env_.insert(QStringLiteral("XDG_CONFIG_HOME"), home_.path() + QStringLiteral("/.config"));
    env_.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
}

ProgramCopy::~ProgramCopy()
{
    for (auto& p : processes_) {
        p->kill();
        p->waitForFinished(5000);
    }
}

QByteArray ProgramCopy::ReadFile(const QString& relative) const
{
    QFile f(FilePath(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QJsonObject ProgramCopy::Json(const QString& relative) const
{
    return QJsonDocument::fromJson(ReadFile(relative)).object();
}

bool ProgramCopy::WriteFile(const QString& relative, const QByteArray& bytes) const
{
    QDir().mkpath(QFileInfo(FilePath(relative)).path());
    QFile f(FilePath(relative));
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

HistoryIndex ProgramCopy::Index() const
{
    const QString path = QStringLiteral("content/content.json");
    if (!QFile::exists(FilePath(path)))
        return {};
    QJsonParseError error {};
    const QJsonDocument json = QJsonDocument::fromJson(ReadFile(path), &error);
    const QJsonObject o = json.object();
    return { error.error != QJsonParseError::NoError || !json.isObject(), Strings(o, "type"),
        Strings(o, "content"), Strings(o, "md5"), Strings(o, "exe_title") };
}

HistoryIndex ProgramCopy::WaitForIndex(
    const std::function<bool(const HistoryIndex&)>& condition) const
{
    HistoryIndex index;
    WaitUntil(
        [&] {
            index = Index();
            return condition(index);
        },
        10000);
    return index;
}

bool ProgramCopy::Record(const QByteArray& bytes, const QString& target) const
{
    const int before = Index().size();
    return x_.Copy(bytes, target) && WaitUntil([&] { return Index().size() > before; }, 10000);
}

void ProgramCopy::SetEnvironment(const QString& name, const QString& value)
{
    if (value.isEmpty())
        env_.remove(name);
    else
        env_.insert(name, value);
}

QProcess& ProgramCopy::Launch(const QStringList& arguments, QProcess::ProcessChannelMode channels)
{
    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(channels);
    return Start(std::move(process), arguments);
}

QProcess& ProgramCopy::Start(std::unique_ptr<QProcess> process, const QStringList& arguments)
{
    process->setProcessEnvironment(env_);
    process->setWorkingDirectory(folder_.path());
    process->start(FilePath(QStringLiteral("quillbox")), arguments);
    process->waitForStarted(5000);
    processes_.push_back(std::move(process));
    return *processes_.back();
}

QProcess& ProgramCopy::LaunchLogged(const QString& logging_rules)
{
    SetEnvironment(QStringLiteral("QT_LOGGING_RULES"), logging_rules);
    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(QProcess::MergedChannels);
    process->setStandardOutputFile(FilePath(QStringLiteral("program.log")), QIODevice::Append);
    return Start(std::move(process), {});
}

bool ProgramCopy::LogHas(const QByteArray& text, int timeout_ms) const
{
    return WaitUntil(
        [&] { return ReadFile(QStringLiteral("program.log")).contains(text); }, timeout_ms);
}

QProcess* ProgramCopy::StartWith(
    const QByteArray& config, const QStringList& texts, QProcess::ProcessChannelMode channels)
{
    if (!WriteFile(QStringLiteral("config.json"), config))
        return nullptr;
    QProcess& process = Launch({}, channels);
    if (!WaitForWindows())
        return nullptr;
    for (const QString& text : texts)
        if (!Record(text.toUtf8()))
            return nullptr;
    return &process;
}

QStringList ProgramCopy::VisibleWindows() const
{
    return x_.WindowsNamed(QStringLiteral("quillbox"));
}

bool ProgramCopy::WaitForWindows(int count) const
{
    return WaitUntil([&] { return VisibleWindows().size() >= count; }, 20000);
}

QByteArray Png(const QColor& colour, const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

int WaitForExit(QProcess& process, int timeout_ms)
{
    if (process.state() != QProcess::NotRunning && !process.waitForFinished(timeout_ms))
        return -1000;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace e2e
