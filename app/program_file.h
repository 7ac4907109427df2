// Where the program's own file is, for the autorun entry and the restart.
#pragma once

#include <QString>

// "quillbox.exe" on Windows, "quillbox" elsewhere.
QString ProgramFileName();

// The program file in the given folder (normally applicationDirPath()).
QString ProgramFilePath(const QString& folder);
