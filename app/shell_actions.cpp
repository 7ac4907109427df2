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

void Restart(const std::function<void()>& save_history)
{
    if (save_history)
        save_history();
    QCoreApplication::exit(0);
    SingleInstance().Close();
    const QString program = ProgramLayout().program_file;
    if (!QProcess::startDetached(program, { QStringLiteral("show_window") }))
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
