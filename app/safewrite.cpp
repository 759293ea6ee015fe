#include "safewrite.h"

#include <cwchar>

static SaveOutcome outcomeOf(DWORD error)
{
    switch (error) {
    case ERROR_ACCESS_DENIED: return saveDenied;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return saveDiskFull;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_UNABLE_TO_REMOVE_REPLACED: return saveInUse;
    }
    return saveFailed;
}

// The bytes into the file, written through to the disk.
static bool writeAll(HANDLE file, const void *bytes, DWORD size)
{
    DWORD written = 0;
    bool done = file != INVALID_HANDLE_VALUE && WriteFile(file, bytes, size, &written, nullptr) &&
                written == size && FlushFileBuffers(file);
    DWORD error = GetLastError();
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    SetLastError(error);
    return done;
}

// The path the name leads to, links followed, into target; its attributes
// and number of names into info. ERROR_FILE_NOT_FOUND where there is no
// such file yet, and target is the name.
static DWORD findTarget(const wchar_t *name, wchar_t (&target)[MAX_PATH],
                        BY_HANDLE_FILE_INFORMATION &info)
{
    HANDLE file = CreateFileW(name, FILE_READ_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        lstrcpynW(target, name, MAX_PATH);
        return lstrlenW(name) < MAX_PATH ? error : ERROR_FILENAME_EXCED_RANGE;
    }
    wchar_t path[MAX_PATH + 8];
    DWORD n = GetFinalPathNameByHandleW(file, path, MAX_PATH + 8, 0);
    bool known = GetFileInformationByHandle(file, &info) && n && n < MAX_PATH + 8;
    CloseHandle(file);
    if (!known)
        return ERROR_FILENAME_EXCED_RANGE;
    // Without the \\?\ (or \\?\UNC\) that marks the path as final: some
    // calls take no such path.
    const wchar_t *plain = path;
    if (!wcsncmp(path, L"\\\\?\\UNC\\", 8))
        plain = path + 6, path[6] = '\\';
    else if (!wcsncmp(path, L"\\\\?\\", 4))
        plain = path + 4;
    if (lstrlenW(plain) >= MAX_PATH)
        return ERROR_FILENAME_EXCED_RANGE;
    lstrcpynW(target, plain, MAX_PATH);
    return ERROR_SUCCESS;
}

SaveOutcome writeFileSafely(const wchar_t *name, const void *bytes, DWORD size)
{
    wchar_t target[MAX_PATH], folder[MAX_PATH], temp[MAX_PATH];
    BY_HANDLE_FILE_INFORMATION info = {};
    DWORD found = findTarget(name, target, info);
    if (found != ERROR_SUCCESS && found != ERROR_FILE_NOT_FOUND)
        return outcomeOf(found);
    // Wine would replace a read-only file; Windows refuses to.
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return saveFolder;
    if (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY)
        return saveReadOnly;
    int cut = 0;
    for (int i = 0; target[i]; i++)
        if (target[i] == '\\' || target[i] == '/')
            cut = i + 1;
    if (cut > MAX_PATH - 14)
        return saveFailed;
    lstrcpynW(folder, cut ? target : L".", cut ? cut + 1 : 2);
    if (!GetTempFileNameW(folder, L"tnc", 0, temp))
        return outcomeOf(GetLastError());
    bool done = writeAll(CreateFileW(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr),
                         bytes, size);
    if (done && found == ERROR_FILE_NOT_FOUND) {
        done = MoveFileExW(temp, target, MOVEFILE_WRITE_THROUGH);
    } else if (done && info.nNumberOfLinks > 1 &&
               writeAll(CreateFileW(target, GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    TRUNCATE_EXISTING, 0, nullptr),
                        bytes, size)) {
        // Rewritten in place: the copy beside it is no longer needed.
    } else if (done) {
        done = ReplaceFileW(target, temp, nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                            nullptr);
        // Wine gives the file the new one's attributes: the old ones back.
        DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                     FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
        DWORD now = GetFileAttributesW(target);
        DWORD want = (now & ~(kept | FILE_ATTRIBUTE_NORMAL)) | (info.dwFileAttributes & kept);
        if (done && now != INVALID_FILE_ATTRIBUTES && (now & kept) != (info.dwFileAttributes & kept))
            SetFileAttributesW(target, want ? want : FILE_ATTRIBUTE_NORMAL);
    }
    DWORD error = done ? 0 : GetLastError();
    DeleteFileW(temp);  // gone already where it took the file's place
    return done ? saveDone : outcomeOf(error);
}
