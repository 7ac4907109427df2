#include "app/program_file.h"

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
