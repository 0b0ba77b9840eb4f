// SPDX-License-Identifier: MIT
#include "fileoutput.h"
#include "fileoutput_p.h"

#include <QDir>
#include <QFileInfo>

#include <qt_windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace toolkit {

namespace {

QString systemReason(DWORD error = ::GetLastError())
{
    return qt_error_string(int(error));
}

// A step that failed as the system reported it, by default just now.
WriteResult systemFailure(DWORD error = ::GetLastError())
{
    return WriteResult::failed(systemReason(error));
}

std::wstring native(const QString& path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

// Closes a handle when it goes out of scope; CreateFileW's failure is no
// handle to close.
struct HandleCloser {
    void operator()(HANDLE handle) const
    {
        if (handle != INVALID_HANDLE_VALUE)
            ::CloseHandle(handle);
    }
};
using Handle = std::unique_ptr<void, HandleCloser>;

// A Save killed halfway leaves its temporary file behind. A running Save
// holds its own open and shares nothing, so Windows refuses to delete that
// one: the attempt itself tells an abandoned file from a live one.
void removeLeftovers(const QString& directory)
{
    const QStringList names = QDir(directory).entryList({QString::fromLatin1(kTemporaryPrefix) + u'*'},
                                                        QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QString& name : names) {
        if (isTemporaryName(name.toLatin1()))
            ::DeleteFileW(native(directory + u'/' + name).c_str());
    }
}

// A Save's new, empty temporary file beside the target, open to no one else
// from its first instant, or why none could be made. It never opens a file
// that exists.
struct Temporary {
    Handle file;
    std::wstring name;
    WriteResult result;
};

Temporary createTemporary(const QString& directory)
{
    Temporary made;
    for (int attempt = 0; attempt < 100; ++attempt) {
        made.name = native(directory + u'/' + QString::fromLatin1(temporaryName()));
        made.file.reset(::CreateFileW(made.name.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (made.file.get() != INVALID_HANDLE_VALUE)
            return made;
        if (::GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
    made.result = systemFailure();
    return made;
}

// Writes all the bytes and flushes them to the disk. Errors that only show
// once the data reaches the disk show here, while the old file is still whole.
WriteResult writeAll(HANDLE file, const QByteArray& bytes)
{
    for (qsizetype written = 0; written < bytes.size();) {
        DWORD count = 0;
        if (!::WriteFile(file, bytes.constData() + written, DWORD(bytes.size() - written), &count, nullptr)
            || count == 0)
            return systemFailure();
        written += count;
    }
    return ::FlushFileBuffers(file) ? WriteResult() : systemFailure();
}

// What stands at `target` that a Save must leave as it is, if anything.
WriteResult standingAt(const std::wstring& target)
{
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return {};
    // A symbolic link or a junction is a reparse point.
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return notARegularFile(QStringLiteral("link"));
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return notARegularFile(QStringLiteral("directory"));
    if (attributes & FILE_ATTRIBUTE_DEVICE)
        return notARegularFile(QStringLiteral("device"));
    if (attributes & FILE_ATTRIBUTE_READONLY)
        return readOnly();
    return {};
}

// Renames the open file over the target, so that it is held to the last.
bool replaceTarget(HANDLE file, const std::wstring& target)
{
    // The structure ends in the name; its own size has room for the NUL.
    std::vector<char> buffer(sizeof(FILE_RENAME_INFO) + target.size() * sizeof(wchar_t));
    auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    rename->ReplaceIfExists = TRUE;
    rename->FileNameLength = DWORD(target.size() * sizeof(wchar_t));
    std::copy(target.begin(), target.end(), rename->FileName);
    return ::SetFileInformationByHandle(file, FileRenameInfo, rename, DWORD(buffer.size()));
}

// Windows refuses to replace a file that another program holds open without
// sharing the right to delete it, and calls it "Access denied"; opening the
// file for deletion tells that case apart.
WriteResult whyNotReplaced(const std::wstring& target)
{
    DWORD error = ::GetLastError();
    if (error == ERROR_ACCESS_DENIED) {
        const Handle probe(::CreateFileW(target.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                         nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
        if (probe.get() == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_SHARING_VIOLATION)
            error = ERROR_SHARING_VIOLATION;
    }
    if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION)
        return WriteResult::failed(QStringLiteral("The file is in use by another program; it was left as it is."));
    return systemFailure(error);
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
    const QString directory = QFileInfo(path).absolutePath();
    removeLeftovers(directory);
    const std::wstring target = native(path);
    const WriteResult standing = standingAt(target);
    if (!standing.written())
        return standing;

    Temporary temporary = createTemporary(directory);
    if (!temporary.result.written())
        return temporary.result;
    WriteResult step = writeAll(temporary.file.get(), bytes);
    if (step.written() && !replaceTarget(temporary.file.get(), target))
        step = whyNotReplaced(target);
    if (!step.written()) {
        temporary.file.reset();
        ::DeleteFileW(temporary.name.c_str());
        return step;
    }
    // From here the new file stands in place of the old one; flushing it
    // again writes the rename through to the disk.
    if (!::FlushFileBuffers(temporary.file.get()))
        return {QString(), systemReason()};
    return {};
}

} // namespace toolkit
