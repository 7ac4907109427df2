#include "core/program_file.h"

#include <QCoreApplication>

namespace {

QString& FolderOverride()
{
    static QString folder;
    return folder;
}

} // namespace

QString ProgramFileName()
{
#ifdef _WIN32
    return QStringLiteral("quillbox.exe");
#else
    return QStringLiteral("quillbox");
#endif
}

QString ProgramFilePath(const QString& folder)
{
    return folder + QLatin1Char('/') + ProgramFileName();
}

QString ProgramFolder()
{
    return FolderOverride().isEmpty() ? QCoreApplication::applicationDirPath() : FolderOverride();
}

void SetProgramFolderForTest(const QString& folder)
{
    FolderOverride() = folder;
}
