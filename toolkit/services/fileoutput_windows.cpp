// SPDX-License-Identifier: MIT
#include "fileoutput.h"
#include "fileoutput_p.h"

#include <QDir>
#include <QFileInfo>

#include <qt_windows.h>

#include <string>
#include <utility>

namespace toolkit {

namespace {

QString systemReason()
{
    return qt_error_string(int(::GetLastError()));
}

std::wstring native(const QString& path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

// Closes a handle when it goes out of scope.
struct Handle {
    HANDLE handle = INVALID_HANDLE_VALUE;
    ~Handle()
    {
        if (handle != INVALID_HANDLE_VALUE)
            ::CloseHandle(handle);
    }
};

// Creates a new, empty temporary file beside the target; never opens one
// that exists.
HANDLE createTemporary(const QString& directory, std::wstring& name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = native(directory + u'/' + QString::fromLatin1(temporaryName()));
        const HANDLE file = ::CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                          FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS)
            return file;
    }
    return INVALID_HANDLE_VALUE;
}

} // namespace

void treatFileSizeLimitAsWriteError()
{
    // Only Unix signals a file-size limit; here it is a write error already.
}

WriteResult writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    if (QDir::isRelativePath(path))
        return notAbsolute(path);
    const std::wstring target = native(path);
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        // A symbolic link or a junction is a reparse point.
        if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
            return notARegularFile(QStringLiteral("link"));
        if (attributes & FILE_ATTRIBUTE_DIRECTORY)
            return notARegularFile(QStringLiteral("directory"));
        if (attributes & FILE_ATTRIBUTE_DEVICE)
            return notARegularFile(QStringLiteral("device"));
    }

    std::wstring temporary;
    Handle file{createTemporary(QFileInfo(path).absolutePath(), temporary)};
    if (file.handle == INVALID_HANDLE_VALUE)
        return failed(systemReason());
    const auto discard = [&] {
        const WriteResult result = failed(systemReason());
        if (file.handle != INVALID_HANDLE_VALUE)
            ::CloseHandle(std::exchange(file.handle, INVALID_HANDLE_VALUE));
        ::DeleteFileW(temporary.c_str());
        return result;
    };

    for (qsizetype written = 0; written < bytes.size();) {
        DWORD count = 0;
        if (!::WriteFile(file.handle, bytes.constData() + written, DWORD(bytes.size() - written), &count, nullptr)
            || count == 0)
            return discard();
        written += count;
    }
    // Errors that only show once the data reaches the disk show here, while
    // the old file is still whole.
    if (!::FlushFileBuffers(file.handle))
        return discard();
    if (!::CloseHandle(std::exchange(file.handle, INVALID_HANDLE_VALUE)))
        return discard();
    // Write-through: the call returns once the rename itself is on the disk.
    if (!::MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return discard();
    return {};
}

} // namespace toolkit
