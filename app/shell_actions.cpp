#include "app/shell_actions.h"

#include "app/single_instance.h"
#include "core/log_categories.h"
#include "core/program_layout.h"

#include <cstdio>
#include <cstdlib>
#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

#ifndef QUILLBOX_DOWNLOAD_URL
#define QUILLBOX_DOWNLOAD_URL "https://quillbox.example/download"
#endif

namespace shell_actions {
namespace {

QStringList& LaunchArguments()
{
    static QStringList arguments;
    return arguments;
}

} // namespace

void RememberLaunchArguments(int argc, char** argv)
{
    LaunchArguments().clear();
    for (int i = 1; i < argc; ++i)
        LaunchArguments().append(QString::fromLocal8Bit(argv[i]));
}

QStringList RestartArguments(const QStringList& launch_arguments)
{
    QStringList arguments;
    for (const QString& argument : launch_arguments)
        if (argument != QLatin1String("-startup") && argument != QLatin1String("show_window"))
            arguments.append(argument);
    arguments.append(QStringLiteral("show_window"));
    return arguments;
}

void Restart(const std::function<void()>& save_history)
{
    if (save_history)
        save_history();
    QCoreApplication::exit(0);
    SingleInstance().Close();
    const QString program = ProgramLayout().program_file;
    if (!QProcess::startDetached(program, RestartArguments(LaunchArguments())))
        qCWarning(log_shell) << "restart failed:" << program;
}

void OpenDownloadPageAndExit()
{
    QDesktopServices::openUrl(QUrl(QStringLiteral(QUILLBOX_DOWNLOAD_URL)));
    ExitNow();
}

void ExitNow()
{
    std::fflush(nullptr);
    std::_Exit(0);
}

} // namespace shell_actions
