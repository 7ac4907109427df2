// Replacing a file so that a crash at any moment leaves the old or the new
// content, never a truncated file.
#pragma once

#include <functional>
#include <QByteArray>
#include <QString>

namespace atomic_file {

// Writes bytes to a temporary file in the same folder, flushes it and renames
// it over path. False (and path untouched) when any step fails, a short
// write included; error, when given, then says why.
bool Write(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Tests only: called after the bytes are written and before the rename, to
// stand in for a crash at the worst moment.
void SetBeforeCommitHookForTest(std::function<void()> hook);

} // namespace atomic_file
