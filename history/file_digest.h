// The digest that recognises equal content: MD5 of a file as 32 lowercase
// hexadecimal digits.
#pragma once

#include <QString>

// Empty when the file cannot be opened; the MD5 of empty input for an empty file.
QString GetFileMd5(const QString& path);
