// A file written whole or not at all: the bytes go beside it under a
// temporary name and then take its place, so that a save that fails (a
// read-only file or folder, a full disk) leaves the old file as it was.
#pragma once
#include <windows.h>

enum SaveOutcome {
    saveDone,
    saveReadOnly,  // the file is read-only: refused, as Windows refuses it
    saveFolder,    // the name is a folder's
    saveDenied,    // the folder, or the file, may not be written
    saveDiskFull,
    saveInUse,     // another program holds the file open
    saveFailed,    // anything else: no such folder, a name no file may have
};

// The bytes saved under name. The file replaced keeps what it had (its
// attributes, its security, the link that leads to it: a link's target is
// the file replaced); a file that has other names (hard links) is
// rewritten in place once the bytes have been written beside it, so that
// every name keeps showing it.
SaveOutcome writeFileSafely(const wchar_t *name, const void *bytes, DWORD size);
