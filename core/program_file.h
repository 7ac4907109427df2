// Where the program's own files are: the program file (autorun entry and
// restart) and the folder that holds config.json and content/.
#pragma once

#include <QString>

// "quillbox.exe" on Windows, "quillbox" elsewhere.
QString ProgramFileName();

// The program file in the given folder.
QString ProgramFilePath(const QString& folder);

// applicationDirPath(), unless a test chose another folder.
QString ProgramFolder();
void SetProgramFolderForTest(const QString& folder);
