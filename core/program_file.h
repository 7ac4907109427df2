// The program file and its folder, the one place that asks Qt where the
// executable is. Which files live where is program_layout's decision.
#pragma once

#include <QString>

// "quillbox.exe" on Windows, "quillbox" elsewhere.
QString ProgramFileName();

// The program file in the given folder.
QString ProgramFilePath(const QString& folder);

// applicationDirPath(), unless a test chose another folder.
QString ProgramFolder();
void SetProgramFolderForTest(const QString& folder);
