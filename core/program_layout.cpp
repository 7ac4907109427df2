#include "core/program_layout.h"

#include "core/program_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

// QUILLBOX_APP_ID and QUILLBOX_SHARE_FROM_BIN (the shipped files' folder seen
// from the installed executable's) come from the build.

namespace {

// Where package managers put programs; a copy there is installed even when
// root, who can write anywhere, starts it.
const char* const kSystemFolders[]
    = { "/usr", "/bin", "/sbin", "/lib", "/opt", "/snap", "/app", "/nix" };

bool IsInSystemFolder(const QString& folder)
{
    const QString real = QFileInfo(folder).canonicalFilePath();
    for (const char* root : kSystemFolders) {
        const QString prefix = QLatin1String(root);
        if (real == prefix || real.startsWith(prefix + QLatin1Char('/')))
            return true;
    }
    return false;
}

// A folder without any write bit was made read-only on purpose: root, whom
// access() lets write anyway, treats it as read-only too.
bool IsWritableFolder(const QString& folder)
{
    const QFileInfo info(folder);
    const auto any_write = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return info.isDir() && info.isWritable() && (info.permissions() & any_write);
}

QString XdgFolder(
    const char* variable, QStandardPaths::StandardLocation location, const char* under_home)
{
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return QDir::cleanPath(value);
    if (!value.isEmpty())
        return QDir::homePath() + QLatin1String(under_home);
    return QStandardPaths::writableLocation(location);
}

} // namespace

program_layout program_layout::Decide(const QString& program_folder)
{
    program_layout layout;
    const QString folder = QDir::cleanPath(program_folder);
    layout.program_file = ProgramFilePath(folder);
    layout.installed = !IsWritableFolder(folder) || IsInSystemFolder(folder);
    if (!layout.installed) {
        layout.settings_folder = layout.data_folder = layout.shared_folder = folder;
        layout.autorun_name = QFileInfo(folder).baseName();
        return layout;
    }
    const QString own = QStringLiteral("/quillbox");
    layout.settings_folder
        = XdgFolder("XDG_CONFIG_HOME", QStandardPaths::GenericConfigLocation, "/.config") + own;
    layout.data_folder
        = XdgFolder("XDG_DATA_HOME", QStandardPaths::GenericDataLocation, "/.local/share") + own;
    // A self-contained folder (in /opt, say) ships its files beside the executable.
    const QString shipped
        = QDir::cleanPath(folder + QLatin1Char('/') + QLatin1String(QUILLBOX_SHARE_FROM_BIN));
    layout.shared_folder = QFileInfo(shipped).isDir() ? shipped : folder;
    layout.autorun_name = QStringLiteral(QUILLBOX_APP_ID);
    return layout;
}

const program_layout& ProgramLayout()
{
    static QString decided_for;
    static program_layout layout;
    const QString folder = ProgramFolder();
    if (decided_for != folder) {
        decided_for = folder;
        layout = program_layout::Decide(folder);
        if (layout.installed) {
            // Settings and history are the user's alone.
            for (const QString& own : { layout.settings_folder, layout.data_folder }) {
                if (!QFileInfo::exists(own) && QDir().mkpath(own))
                    QFile::setPermissions(
                        own, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            }
        }
    }
    return layout;
}
