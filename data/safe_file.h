#pragma once
#include <QString>

// File operations that never lose the file they replace. A copy is written
// to a temporary file in the destination's folder and renamed over the
// destination only once it is complete, so a copy that fails at any point
// (missing or unreadable source, a destination that cannot be written, a
// full disk) leaves the destination exactly as it was.
// Owns no file of its own.
namespace SafeFile {

// Largest file the program reads as data (settings, definitions, profiles,
// macros, language packs). Real ones are a few tens of kilobytes; anything
// far larger is not one of ours and is treated as unreadable rather than
// loaded into memory.
constexpr qint64 kMaxDataFileBytes = 16 * 1024 * 1024;

// True when `path` is a regular file that can be opened for reading and is
// no larger than `maxBytes`.
bool isReadableFile(const QString &path, qint64 maxBytes = kMaxDataFileBytes);

// Replaces the contents of `destination` by those of `source` (creating
// `destination` if it does not exist). Returns false, and leaves
// `destination` untouched, when the source is not a readable file of at most
// `maxBytes`, when the destination is a folder or cannot be written, or when
// anything fails before the final rename.
bool replaceWithCopy(const QString &source, const QString &destination,
                     qint64 maxBytes = kMaxDataFileBytes);

} // namespace SafeFile
