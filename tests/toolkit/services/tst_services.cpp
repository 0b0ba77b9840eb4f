// SPDX-License-Identifier: MIT
#include "fileoutput.h"
#include "files.h"
#include "programdirectory.h"
#include "programservices.h"

#include <QtTest>

#include <QFileDialog>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>

// The faults of a failing disk, other users' files, links, pipes and
// devices are made with Linux's own calls; those tests run on Linux only.
#ifdef Q_OS_LINUX
#include "failingcalls.h"
#include "filesizelimit.h"
#include "ordinaryuser.h"

#include <atomic>
#include <chrono>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <sys/sysmacros.h>
#include <unistd.h>
#ifdef QV_HAVE_ACL
#include <acl/libacl.h>
#include <sys/acl.h>
#endif
#endif

namespace {

const QByteArray kContent = "#FFFFFF ; background\r\n\xA9\r\n";

#ifdef Q_OS_LINUX

enum Fault { SizeLimit, ReadOnlyFolder, ReadOnlyFile, OpenDirectory, CreateFile, DataSync, CloseTemporary, Rename, DirectorySync, Lock, StatTemporary };

const int kNobody = 65534;

FailingCalls::Fault& faultOf(int fault)
{
    switch (fault) {
    case OpenDirectory: return FailingCalls::openDirectory;
    case CreateFile: return FailingCalls::createFile;
    case DataSync: return FailingCalls::dataSync;
    case CloseTemporary: return FailingCalls::closeTemporary;
    case Rename: return FailingCalls::rename;
    case Lock: return FailingCalls::lock;
    case StatTemporary: return FailingCalls::statTemporary;
    default: return FailingCalls::directorySync;
    }
}

// Gives a file, or a folder as its default, the access list `text`, mask
// computed; returns 0, or the error, EOPNOTSUPP where no list can be kept.
int setAcl(const QByteArray& path, bool folderDefault, const QString& text)
{
    if (text.isEmpty())
        return 0;
#ifdef QV_HAVE_ACL
    acl_t acl = acl_from_text(text.toLatin1().constData());
    if (!acl || acl_calc_mask(&acl) != 0)
        return EINVAL;
    const int set = acl_set_file(path.constData(), folderDefault ? ACL_TYPE_DEFAULT : ACL_TYPE_ACCESS, acl);
    const int error = errno;
    acl_free(acl);
    return set == 0 ? 0 : error;
#else
    Q_UNUSED(path);
    Q_UNUSED(folderDefault);
    return EOPNOTSUPP;
#endif
}

// A file's access list, numeric ids, where it holds more than its mode.
QString aclOf(const QByteArray& path)
{
#ifdef QV_HAVE_ACL
    acl_t acl = acl_get_file(path.constData(), ACL_TYPE_ACCESS);
    QString text;
    if (acl && acl_equiv_mode(acl, nullptr) != 0) {
        char* written = acl_to_any_text(acl, nullptr, ',', TEXT_NUMERIC_IDS);
        text = QString::fromLatin1(written);
        acl_free(written);
    }
    acl_free(acl);
    return text;
#else
    Q_UNUSED(path);
    return QString();
#endif
}

#endif

QStringList entries(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

} // namespace

// The program's own services throughout, in a process prepared for file
// output as the program prepares itself when it starts.
class TestServices : public QObject {
    Q_OBJECT
public:
    TestServices() { toolkit::treatFileSizeLimitAsWriteError(); }

private Q_SLOTS:
    void atomicWriteReplacesWhole();
#ifdef Q_OS_LINUX
    void failedWriteKeepsTheOldFile_data();
    void failedWriteKeepsTheOldFile();
    void replacedFileKeepsOnlyItsOwnersPermissions_data();
    void replacedFileKeepsOnlyItsOwnersPermissions();
    void onlyARegularFileIsReplaced_data();
    void onlyARegularFileIsReplaced();
#endif
    void leftoversOfAnInterruptedSaveAreRemoved_data();
    void leftoversOfAnInterruptedSaveAreRemoved();
    void failedWriteIntoMissingOrBlockedPath();
    void programDirectory_data();
    void programDirectory();
    void realMessageBoxes();

private:
    toolkit::ProgramServices m_services;
};

void TestServices::atomicWriteReplacesWhole()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("colors.DAT"));
    writeFile(path, QByteArray(5000, 'x'));

    const toolkit::WriteResult result = m_services.writeTextFile(path, kContent);
    QCOMPARE(result.failure, QString());
    QCOMPARE(result.unconfirmed, QString());
    QCOMPARE(readAll(path), kContent);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"colors.DAT"});
}

#ifdef Q_OS_LINUX

void TestServices::failedWriteKeepsTheOldFile_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("times");
    QTest::addColumn<QString>("failure");     // empty: the new file is in place
    QTest::addColumn<QString>("unconfirmed");

    // The disk fills up partway: every write beyond a few bytes fails, and
    // the program lives on to say so.
    QTest::newRow("file-size limit") << int(SizeLimit) << 0 << 0 << "File too large" << "";
    QTest::newRow("read-only folder") << int(ReadOnlyFolder) << 0 << 0 << "Permission denied" << "";
    QTest::newRow("read-only file") << int(ReadOnlyFile) << 0 << 0 << "The file is read-only; it was left as it is." << "";
    // Errors that show only when the data reaches the disk.
    QTest::newRow("flush fails") << int(DataSync) << EIO << -1 << "Input/output error" << "";
    QTest::newRow("close fails") << int(CloseTemporary) << EIO << 1 << "Input/output error" << "";
    QTest::newRow("rename fails") << int(Rename) << EXDEV << 1 << "Invalid cross-device link" << "";
    // The new file is in place, but not known to be on disk.
    QTest::newRow("directory flush fails") << int(DirectorySync) << EIO << -1 << "" << "Input/output error";
    // A signal during a call, as often as signals come: the call is made
    // again and the write goes on.
    QTest::newRow("opening the folder interrupted") << int(OpenDirectory) << EINTR << 1 << "" << "";
    QTest::newRow("creating the file interrupted") << int(CreateFile) << EINTR << 3 << "" << "";
    QTest::newRow("flush interrupted") << int(DataSync) << EINTR << 2 << "" << "";
    // The descriptor is gone all the same: closing it again would fail.
    QTest::newRow("close interrupted") << int(CloseTemporary) << EINTR << 1 << "" << "";
    QTest::newRow("rename interrupted") << int(Rename) << EINTR << 2 << "" << "";
    QTest::newRow("directory flush interrupted") << int(DirectorySync) << EINTR << 2 << "" << "";
    // File systems without locks: NFS with no lock manager answering, and others.
    QTest::newRow("locks refused, ENOLCK") << int(Lock) << ENOLCK << -1 << "" << "";
    QTest::newRow("locks refused, EOPNOTSUPP") << int(Lock) << EOPNOTSUPP << -1 << "" << "";
    QTest::newRow("locks refused, EINVAL") << int(Lock) << EINVAL << -1 << "" << "";
    // Another copy's clean-up takes every new file's lock: each is removed,
    // and the reason is the true one.
    QTest::newRow("lock taken on every name") << int(Lock) << EWOULDBLOCK << -1
                                              << "Another program kept taking the new file before it could be written." << "";
    // The first name's lock is taken, every name after it exists already:
    // the reason is the first true one, not "File exists".
    QTest::newRow("lock taken, then every name exists") << int(Lock) << EWOULDBLOCK << 1
                                                        << "Another program kept taking the new file before it could be written." << "";
    QTest::newRow("new file's status fails once") << int(StatTemporary) << EIO << 1 << "" << "";
    QTest::newRow("new file's status fails") << int(StatTemporary) << EIO << -1 << "Input/output error" << "";
    // Another machine's clean-up removes the live file three times: the
    // Save starts again twice, then says what happened.
    QTest::newRow("three vanishings") << int(Rename) << ENOENT << 3
                                      << "Another program kept removing the new file before it could take its place." << "";
}

void TestServices::failedWriteKeepsTheOldFile()
{
    QFETCH(int, fault);
    QFETCH(int, error);
    QFETCH(int, times);
    QFETCH(QString, failure);
    QFETCH(QString, unconfirmed);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("colors.DAT"));
    const QByteArray old = "; my previous scheme\r\n#123456 ; background\r\n";
    writeFile(path, old);
    const QByteArray folder = QFile::encodeName(dir.path());

    toolkit::WriteResult result;
    if (fault == ReadOnlyFolder || fault == ReadOnlyFile) {
        // Root writes anywhere, so the write runs as nobody then.
        QCOMPARE(chmod(folder.constData(), fault == ReadOnlyFolder ? 0555 : 0777), 0);
        QCOMPARE(chmod(QFile::encodeName(path).constData(), fault == ReadOnlyFolder ? 0666 : 0444), 0);
        std::optional<OrdinaryUser> user;
        if (geteuid() == 0)
            QVERIFY(user.emplace(kNobody, kNobody, std::vector<gid_t>{kNobody}).active());
        result = m_services.writeTextFile(path, kContent);
        user.reset();
        QCOMPARE(chmod(folder.constData(), 0700), 0);
    } else {
        const FileSizeLimit diskFull(fault == SizeLimit ? 16 : RLIM_INFINITY);
        if (fault != SizeLimit)
            faultOf(fault) = {error, times};
        if (QByteArray(QTest::currentDataTag()).endsWith("every name exists"))
            FailingCalls::beforeLock = [] { FailingCalls::createFile = {EEXIST, -1}; };
        // A lasting fault meets Save after Save.
        for (int save = 0; save < (times < 0 ? 3 : 1); ++save)
            result = m_services.writeTextFile(path, kContent);
        // Every fault armed for a few calls met them all, and no more tries
        // were made than that: three vanishings end the Save.
        if (fault != SizeLimit && times > 0)
            QCOMPARE(faultOf(fault).times, 0);
        FailingCalls::disarm();
    }
    QCOMPARE(result.failure, failure);
    QCOMPARE(result.unconfirmed, unconfirmed);
    QCOMPARE(readAll(path), failure.isEmpty() ? kContent : old);
    QCOMPARE(entries(dir), QStringList{"colors.DAT"});
}

void TestServices::replacedFileKeepsOnlyItsOwnersPermissions_data()
{
    QTest::addColumn<int>("before");         // -1: no file yet
    QTest::addColumn<QByteArray>("owner");   // the old file's "user:group"
    QTest::addColumn<bool>("byUser");        // saved by the ordinary user, else by root
    QTest::addColumn<int>("after");
    QTest::addColumn<QByteArray>("ownerAfter");
    QTest::addColumn<QString>("acl");        // the old file's access list; empty: its mode alone
    QTest::addColumn<QString>("folderAcl");  // the folder's default list, if any
    QTest::addColumn<QString>("aclAfter");   // empty: the new file's mode alone

    // Under a umask of 022, as most desktops have it: never more open than
    // the file replaced, nor than a new file. The ordinary user is 65534, in
    // the groups 65534 and 4343; 4444 is another user and their group.
    QTest::newRow("new file") << -1 << QByteArray() << false << 0644 << QByteArray("0:0") << "" << "" << "";
    QTest::newRow("new file, by a user") << -1 << QByteArray() << true << 0644 << QByteArray("65534:65534") << "" << "" << "";
    QTest::newRow("own file, owner only") << 0600 << QByteArray("0:0") << false << 0600 << QByteArray("0:0") << "" << "" << "";
    QTest::newRow("own file, owner only, by a user") << 0600 << QByteArray("65534:65534") << true << 0600
                                                     << QByteArray("65534:65534") << "" << "" << "";
    QTest::newRow("own file with special bits") << 06777 << QByteArray("0:0") << false << 0644 << QByteArray("0:0") << "" << "" << "";
    QTest::newRow("another user's file with special bits") << 06777 << QByteArray("65534:65534") << false << 0644
                                                           << QByteArray("65534:65534") << "" << "" << "";
    QTest::newRow("another user's private file") << 0600 << QByteArray("65534:65534") << false << 0600
                                                 << QByteArray("65534:65534") << "" << "" << "";
    QTest::newRow("read-only file, saved by root") << 0444 << QByteArray("0:0") << false << 0444 << QByteArray("0:0") << "" << "" << "";
    // The group is kept where the saver belongs to it; a file they don't own
    // becomes theirs.
    QTest::newRow("own file of a group, by a user in it") << 0640 << QByteArray("65534:4343") << true << 0640
                                                          << QByteArray("65534:4343") << "" << "" << "";
    QTest::newRow("another user's group-writable file, by a user in its group")
        << 0664 << QByteArray("4444:4343") << true << 0644 << QByteArray("65534:4343") << "" << "" << "";
    // A folder that gives new files its own group: the file keeps its group
    // where the saver may set it; where not, the folder's group gets nothing.
    QTest::newRow("setgid folder of another group, saved by root") << 0640 << QByteArray("65534:4343") << false << 0640
                                                                   << QByteArray("65534:4343") << "" << "" << "";
    QTest::newRow("setgid folder of another group, saved by the owner")
        << 0640 << QByteArray("65534:4444") << true << 0600 << QByteArray("65534:4242") << "" << "" << "";
    // A Save that can't read the umask assumes the strictest.
    QTest::newRow("own file, umask unreadable") << 0644 << QByteArray("0:0") << false << 0600 << QByteArray("0:0") << "" << "" << "";
    // Where the file system keeps no lists (FAT, NFS without them), the
    // mode is all there is: the lobby client's readers keep reading.
    QTest::newRow("no access lists, own file, by a user") << 0644 << QByteArray("65534:65534") << true << 0644
                                                          << QByteArray("65534:65534") << "" << "" << "";
    QTest::newRow("no access lists, own file of a group, by a user in it")
        << 0640 << QByteArray("65534:4343") << true << 0640 << QByteArray("65534:4343") << "" << "" << "";
    // Access lists: the new file carries the old one's, entries and mask,
    // and no folder's default reaches a file that had none.
    QTest::newRow("folder's default list, file with none")
        << 0640 << QByteArray("0:0") << false << 0640 << QByteArray("0:0") << ""
        << "u::rwx,u:65534:rw-,g::r-x,g:4343:rw-,m::rwx,o::---" << "";
    QTest::newRow("list whose mask is wider than its group")
        << 0660 << QByteArray("65534:65534") << false << 0660 << QByteArray("65534:65534")
        << "u::rw-,u:65534:rw-,g::---,m::rw-,o::---" << ""
        << "user::rw-,user:65534:rw-,group::---,mask::rw-,other::---";
    QTest::newRow("named group kept, folder's default list")
        << 0640 << QByteArray("0:0") << false << 0640 << QByteArray("0:0") << "u::rw-,g::r--,g:4343:r--,m::r--,o::---"
        << "u::rwx,u:65534:rwx,g::rwx,o::rwx" << "user::rw-,group::r--,group:4343:r--,mask::r--,other::---";
    // A scheme is no program: no entry keeps the right to run it.
    QTest::newRow("list with execute rights, by a user")
        << 0770 << QByteArray("65534:65534") << true << 0660 << QByteArray("65534:65534")
        << "u::rwx,u:4444:rwx,g::r-x,m::rwx,o::--x" << ""
        << "user::rw-,user:4444:rw-,group::r--,mask::rw-,other::---";
    QTest::newRow("setgid folder of another group, list, saved by the owner")
        << 0640 << QByteArray("65534:4444") << true << 0640 << QByteArray("65534:4242")
        << "u::rw-,u:4444:r--,g::r--,m::r--,o::---" << ""
        << "user::rw-,user:4444:r--,group::---,mask::r--,other::---";
    // Another file put at the name while the Save runs lends it nothing:
    // the new file takes what the file it set out to replace had.
    QTest::newRow("swapped for a file with a list, by a user")
        << 0640 << QByteArray("65534:65534") << true << 0640 << QByteArray("65534:65534") << "" << "" << "";
}

void TestServices::replacedFileKeepsOnlyItsOwnersPermissions()
{
    QFETCH(int, before);
    QFETCH(QByteArray, owner);
    QFETCH(bool, byUser);
    QFETCH(int, after);
    QFETCH(QByteArray, ownerAfter);
    QFETCH(QString, acl);
    QFETCH(QString, folderAcl);
    QFETCH(QString, aclAfter);
    if (geteuid() != 0)
        QSKIP("giving files to other users needs root");

    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("colors.DAT"));
    const QByteArray path = QFile::encodeName(name);
    const QByteArray folder = QFile::encodeName(dir.path());
    const QByteArray row = QTest::currentDataTag();
    int listed = 0;
    if (before >= 0) {
        writeFile(name, "planted");
        QCOMPARE(chown(path.constData(), owner.split(':')[0].toUInt(), owner.split(':')[1].toUInt()), 0);
        QCOMPARE(chmod(path.constData(), mode_t(before)), 0);
        listed = setAcl(path, false, acl);
    }
    listed = listed ? listed : setAcl(folder, true, folderAcl);
    if (listed == EOPNOTSUPP)
        QSKIP("this file system keeps no access lists");
    QCOMPARE(listed, 0);
    if (byUser)
        QCOMPARE(chown(folder.constData(), kNobody, kNobody), 0);
    if (row.startsWith("setgid")) {
        QCOMPARE(chown(folder.constData(), uid_t(-1), 4242), 0);
        QCOMPARE(chmod(folder.constData(), 02777), 0);
    }
    if (row.contains("umask"))
        FailingCalls::readUmask = {ENOENT, -1};
    if (row.startsWith("no access lists"))
        FailingCalls::accessLists = {EOPNOTSUPP, -1};
    // Just made, the new file is already no more open to others than the
    // file will be: nothing private is ever readable in between.
    int madeOpenTo = -1;
    FailingCalls::beforeLock = [&] {
        for (const QString& live : QDir(dir.path()).entryList({".colors.tmp.*"}, QDir::Files | QDir::Hidden))
            madeOpenTo = int(QFileInfo(dir.filePath(live)).permissions() & 0x0077);
        if (row.startsWith("swapped")) {
            const QString theirs = dir.filePath(QStringLiteral("theirs"));
            writeFile(theirs, "theirs");
            QCOMPARE(setAcl(QFile::encodeName(theirs), false, "u::rw-,u:4444:rw-,g::r--,m::rw-,o::r--"), 0);
            QCOMPARE(::rename(QFile::encodeName(theirs).constData(), path.constData()), 0);
        }
    };
    const mode_t mask = umask(022);
    std::optional<OrdinaryUser> user;
    if (byUser)
        QVERIFY(user.emplace(kNobody, kNobody, std::vector<gid_t>{kNobody, 4343}).active());
    const bool written = m_services.writeTextFile(name, kContent).written();
    user.reset();
    umask(mask);
    FailingCalls::disarm();
    QVERIFY(written);
    QCOMPARE(readAll(name), kContent);
    struct stat status {};
    QCOMPARE(lstat(path.constData(), &status), 0);
    QCOMPARE(int(status.st_mode & 07777), after);
    QCOMPARE(QByteArray::number(status.st_uid) + ':' + QByteArray::number(status.st_gid), ownerAfter);
    QCOMPARE(aclOf(path), aclAfter);
    // Qt's permission bits: each of the group's and others' is 0x00X0 and 0x000X.
    const int openTo = int(QFileInfo(name).permissions() & 0x0077);
    QVERIFY2(madeOpenTo >= 0 && (madeOpenTo & ~openTo) == 0, row);
}

void TestServices::onlyARegularFileIsReplaced_data()
{
    QTest::addColumn<QString>("kind");

    QTest::newRow("link to a file") << "symbolic link";
    QTest::newRow("dangling link") << "symbolic link";
    QTest::newRow("link to a device") << "symbolic link";
    QTest::newRow("directory") << "directory";
    QTest::newRow("FIFO") << "named pipe (FIFO)";
    QTest::newRow("device") << "device";
}

void TestServices::onlyARegularFileIsReplaced()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("colors.DAT"));
    QTemporaryDir elsewhere;
    const QString outside = elsewhere.filePath(QStringLiteral("target"));
    const QByteArray at = QFile::encodeName(path);
    const QByteArray row = QTest::currentDataTag();
    if (row == "link to a file") {
        writeFile(outside, "someone else's file");
        QVERIFY(QFile::link(outside, path));
    } else if (row == "dangling link") {
        QVERIFY(QFile::link(outside, path));
    } else if (row == "link to a device") {
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), path));
    } else if (row == "directory") {
        QVERIFY(QDir().mkdir(path));
    } else if (row == "FIFO") {
        QCOMPARE(mkfifo(at.constData(), 0644), 0);
    } else if (mknod(at.constData(), S_IFCHR | 0644, makedev(1, 3)) != 0) {
        QSKIP("making a device node needs root");
    }
    const QFileInfo before(path);

    QCOMPARE(m_services.writeTextFile(path, kContent).failure,
             QStringLiteral("A %1 stands there, not a regular file; it was left as it is.").arg(kind));
    QCOMPARE(entries(dir), QStringList{"colors.DAT"});
    const QFileInfo after(path);
    QCOMPARE(after.isSymLink(), before.isSymLink());
    QCOMPARE(after.isFile(), before.isFile());
    QCOMPARE(QDir(elsewhere.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             row == "link to a file" ? QStringList{"target"} : QStringList());
    if (row == "link to a file")
        QCOMPARE(readAll(outside), QByteArray("someone else's file"));
}

#endif

void TestServices::leftoversOfAnInterruptedSaveAreRemoved_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("removed");

    // However new: no clock tells a live Save from a dead one.
    QTest::newRow("abandoned") << ".colors.tmp.k3x9q" << "file" << true;
    QTest::newRow("longest name") << ".colors.tmp.1z141z3" << "file" << true;
    // Another copy of the program is saving into the folder right now.
    QTest::newRow("held by a running Save") << ".colors.tmp.k3x9q" << "held" << false;
    QTest::newRow("folder by that name") << ".colors.tmp.k3x9q" << "folder" << false;
    QTest::newRow("other tail") << ".colors.tmp.K3X9Q" << "file" << false;
    QTest::newRow("longer tail") << ".colors.tmp.k3x9q.bak" << "file" << false;
    QTest::newRow("no tail") << ".colors.tmp." << "file" << false;
    QTest::newRow("not hidden") << "colors.tmp.k3x9q" << "file" << false;
#ifdef Q_OS_LINUX
    QTest::newRow("another user's") << ".colors.tmp.k3x9q" << "others" << false;
    QTest::newRow("link by that name") << ".colors.tmp.k3x9q" << "link" << false;
    // Another user puts a link of theirs at the name once the clean-up has
    // opened the leftover: what is removed is the file opened, or nothing.
    QTest::newRow("replaced once opened") << ".colors.tmp.k3x9q" << "replaced" << false;
    // Linked in as the write creates its own: the write takes another name
    // rather than write into someone else's file.
    QTest::newRow("planted at the temporary name") << "" << "planted" << false;
    // Another copy saves while this Save's file is still unlocked, and while
    // it waits for its rename.
    QTest::newRow("saved meanwhile, before the lock") << "" << "meanwhile" << false;
    QTest::newRow("saved meanwhile, before the rename") << "" << "meanwhile" << false;
    // Another machine, whose locks this one can't see, took the live file
    // for a leftover: the Save starts again.
    QTest::newRow("removed meanwhile, before the rename") << "" << "meanwhile" << false;
    // In a folder others may write, another user puts a file of their own at
    // the temporary name: it is never reported as saved.
    QTest::newRow("swapped before the rename") << "" << "swapped" << false;
    QTest::newRow("swapped at the rename") << "" << "swapped" << false;
    // A Save that gives up removes its own file, never theirs.
    QTest::newRow("swapped before the rename, then the close fails") << "" << "swapped" << false;
    // Where locks are refused, nothing is proven abandoned.
    QTest::newRow("locks refused") << ".colors.tmp.k3x9q" << "unlockable" << false;
    QTest::newRow("someone's named pipe") << ".colors.tmp.k3x9q" << "pipe" << false;
#endif
}

void TestServices::leftoversOfAnInterruptedSaveAreRemoved()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(bool, removed);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("colors.DAT"));
    QTemporaryDir elsewhere;
    const QString outside = elsewhere.filePath(QStringLiteral("someone's"));
    writeFile(outside, "someone else's file");
    const QString leftover = dir.filePath(name);
    if (kind == "file" || kind == "held" || kind == "others" || kind == "unlockable" || kind == "replaced")
        writeFile(leftover, QByteArray(323, 'x'));
    // Held as a running Save holds its file: open, and on Unix locked.
    QFile held(leftover);
    if (kind == "held")
        QVERIFY(held.open(QIODevice::ReadOnly));
#ifdef Q_OS_LINUX
    if (kind == "held")
        QCOMPARE(flock(held.handle(), LOCK_EX), 0);
    if (kind == "others" && chown(QFile::encodeName(leftover).constData(), kNobody, kNobody) != 0)
        QSKIP("giving a file to another user needs root");
    if (kind == "link")
        QVERIFY(QFile::link(outside, leftover));
    if (kind == "replaced")
        FailingCalls::beforeLock = [&] { QVERIFY(QFile::remove(leftover) && QFile::link(outside, leftover)); };
    if (kind == "planted") {
        // The folder of the write, so that a hard link can reach it.
        const QString victim = dir.filePath(QStringLiteral("victim"));
        writeFile(victim, "someone else's file");
        FailingCalls::plantedAtTemporary = QFile::encodeName(victim);
        QVERIFY(m_services.writeTextFile(path, kContent).written());
        FailingCalls::disarm();
        QCOMPARE(readAll(victim), QByteArray("someone else's file"));
        QCOMPARE(readAll(path), kContent);
        QCOMPARE(entries(dir).size(), 3); // colors.DAT, the victim and its planted link
        return;
    }
    if (kind == "meanwhile") {
        const QByteArray row = QTest::currentDataTag();
        FailingCalls::disarm();
        (row.endsWith("lock") ? FailingCalls::beforeLock : FailingCalls::beforeRename) = [&] {
            if (!row.startsWith("removed"))
                QVERIFY(m_services.writeTextFile(path, "theirs").written());
            for (const QString& live : QDir(dir.path()).entryList({".colors.tmp.*"}, QDir::Files | QDir::Hidden))
                QVERIFY(!row.startsWith("removed") || QFile::remove(dir.filePath(live)));
        };
        QCOMPARE(m_services.writeTextFile(path, kContent).failure, QString());
        QCOMPARE(readAll(path), kContent);
        QCOMPARE(entries(dir), QStringList{"colors.DAT"});
        // The other copy met this Save's file, and a clean-up running beside
        // it did not make it start again: each Save flushed its file once,
        // and only the one whose file was removed twice.
        QVERIFY(!FailingCalls::beforeLock && !FailingCalls::beforeRename);
        QCOMPARE(FailingCalls::dataSync.calls, 2);
        return;
    }
    if (kind == "swapped") {
        writeFile(path, "my previous scheme");
        const QString theirs = dir.filePath(QStringLiteral("theirs"));
        writeFile(theirs, "another user's file");
        const QByteArray row = QTest::currentDataTag();
        const bool atRename = row.endsWith("at the rename");
        (atRename ? FailingCalls::beforeRename : FailingCalls::beforeCloseTemporary) = [&] {
            for (const QString& live : QDir(dir.path()).entryList({".colors.tmp.*"}, QDir::Files | QDir::Hidden))
                QVERIFY(QFile::remove(dir.filePath(live)) && QFile::link(theirs, dir.filePath(live)));
        };
        if (row.endsWith("close fails"))
            FailingCalls::closeTemporary = {EIO, 1};
        QCOMPARE(m_services.writeTextFile(path, kContent).failure,
                 row.endsWith("close fails")
                     ? QStringLiteral("Input/output error")
                     : QStringLiteral("Another user changed the file in the folder while it was being saved, so "
                                      "the file there now is not the one written."));
        FailingCalls::disarm();
        QCOMPARE(readAll(path), atRename ? QByteArray("another user's file") : QByteArray("my previous scheme"));
        // Their file, and its link at colors.DAT or, not yet renamed, at the temporary name.
        QCOMPARE(entries(dir).size(), atRename ? 2 : 3);
        return;
    }
    if (kind == "unlockable")
        FailingCalls::lock = {ENOLCK, -1};
    // A Save that opened the pipe to wait for a writer would wait for good;
    // a writer comes after a while instead, and the test fails.
    std::atomic<bool> saved = false, waited = false;
    std::thread writer;
    if (kind == "pipe") {
        QCOMPARE(mkfifo(QFile::encodeName(leftover).constData(), 0666), 0);
        writer = std::thread([&] {
            for (int tenths = 0; !saved; ++tenths) {
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
                if (tenths >= 100 && !saved)
                    waited = true, ::close(::open(QFile::encodeName(leftover).constData(), O_WRONLY | O_NONBLOCK));
            }
        });
    }
#endif
    if (kind == "folder")
        QVERIFY(QDir().mkdir(leftover));

    QVERIFY(m_services.writeTextFile(path, kContent).written());
#ifdef Q_OS_LINUX
    FailingCalls::disarm();
    saved = true;
    if (writer.joinable())
        writer.join();
    QVERIFY(!waited);
#endif
    QCOMPARE(readAll(path), kContent);
    QCOMPARE(QFileInfo::exists(leftover) || QFileInfo(leftover).isSymLink(), !removed);
    QCOMPARE(entries(dir).size(), removed ? 1 : 2);
    QCOMPARE(readAll(outside), QByteArray("someone else's file"));
}

void TestServices::failedWriteIntoMissingOrBlockedPath()
{
    QTemporaryDir dir;

    const QString missing = dir.filePath(QStringLiteral("gone/colors.DAT"));
    QVERIFY(!m_services.writeTextFile(missing, "x").written());
    QVERIFY(!QFile::exists(missing));

    // A relative path would depend on the working directory: refused.
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    const toolkit::WriteResult relative = m_services.writeTextFile(QStringLiteral("colors.DAT"), "x");
    QVERIFY(QDir::setCurrent(previous));
    QCOMPARE(relative.failure, QStringLiteral("colors.DAT is not an absolute path."));
    QVERIFY(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));

    // A directory where the file should go is left as it stands, contents and all.
    const QString blocked = dir.filePath(QStringLiteral("colors.DAT"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("colors.DAT")));
    writeFile(blocked + QStringLiteral("/inside"), "kept");
    const QString error = m_services.writeTextFile(blocked, "x").failure;
    QVERIFY2(error.contains(QStringLiteral("directory"), Qt::CaseInsensitive), qPrintable(error));
    QVERIFY(QFileInfo(blocked).isDir());
    QCOMPARE(readAll(blocked + QStringLiteral("/inside")), QByteArray("kept"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"colors.DAT"});

#ifdef Q_OS_WIN
    // A file another program holds open without sharing its deletion, and
    // one with the read-only attribute, are left whole, each with its reason.
    QTemporaryDir windows;
    const QString kept = windows.filePath(QStringLiteral("colors.DAT"));
    writeFile(kept, "old");
    QFile other(kept);
    QVERIFY(other.open(QIODevice::ReadOnly));
    QCOMPARE(m_services.writeTextFile(kept, "x").failure,
             QStringLiteral("The file is in use by another program; it was left as it is."));
    other.close();
    QVERIFY(QFile::setPermissions(kept, QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup | QFile::ReadOther));
    QCOMPARE(m_services.writeTextFile(kept, "x").failure, QStringLiteral("The file is read-only; it was left as it is."));
    QVERIFY(!QFileInfo(kept).isWritable());
    QCOMPARE(readAll(kept), QByteArray("old"));
    QCOMPARE(entries(windows), QStringList{"colors.DAT"});
#endif
}

void TestServices::programDirectory_data()
{
    QTest::addColumn<QByteArray>("made");        // made under a fresh ROOT first
    QTest::addColumn<QByteArray>("programFile"); // as the system names it
    QTest::addColumn<QString>("path");           // ROOT stands for the fresh directory
    QTest::addColumn<QString>("problem");

    QTest::newRow("plain") << QByteArray("bin") << QByteArray("ROOT/bin/qv-designer") << "ROOT/bin" << "";
    // As the system spells it: UTF-8 on Linux, the ANSI code page on Windows.
    const QByteArray cafe = QFile::encodeName(QStringLiteral("my caf\u00e9 tools"));
    QTest::newRow("spaces and accents") << cafe << "ROOT/" + cafe + "/qv-designer"
                                        << QStringLiteral("ROOT/my caf\u00e9 tools") << "";
    QTest::newRow("not clean") << QByteArray("a/b") << QByteArray("ROOT/a/./b//qv-designer") << "ROOT/a/b" << "";
#ifdef Q_OS_UNIX
    // Elsewhere a name is text already, and this one valid in the ANSI code page.
    QTest::newRow("Latin-1 name") << QByteArray("caf\xe9") << QByteArray("ROOT/caf\xe9/qv-designer") << ""
                                  << "not valid text";
#endif
    QTest::newRow("removed") << QByteArray() << QByteArray("ROOT/gone/qv-designer") << ""
                             << "ROOT/gone no longer exists";
    QTest::newRow("relative") << QByteArray("bin") << QByteArray("bin/qv-designer") << ""
                              << "The system did not say where the program lies.";
}

void TestServices::programDirectory()
{
    QFETCH(QByteArray, made);
    QFETCH(QByteArray, programFile);
    QFETCH(QString, path);
    QFETCH(QString, problem);

    QTemporaryDir root;
    const QByteArray rootName = QFile::encodeName(root.path());
    QByteArray directory = rootName;
    for (const QByteArray& part : made.split('/')) {
        if (part.isEmpty())
            continue;
        directory += '/' + part;
#ifdef Q_OS_UNIX
        QCOMPARE(::mkdir(directory.constData(), 0755), 0); // the bytes as they stand
#else
        QVERIFY(QDir().mkdir(QFile::decodeName(directory)));
#endif
    }
    // Made inside the fresh directory, so it is the working directory too.
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(root.path()));
    const toolkit::ProgramDirectory found = toolkit::ProgramDirectory::of(programFile.replace("ROOT", rootName));
    QVERIFY(QDir::setCurrent(previous));
    QCOMPARE(found.known(), problem.isEmpty());
    QVERIFY2(found.result.failure.contains(
                 QDir::toNativeSeparators(QString(problem).replace(QStringLiteral("ROOT"), root.path()))),
             qPrintable(found.result.failure));
    QCOMPARE(found.path, QString(path).replace(QStringLiteral("ROOT"), root.path()));

    // The real services name this program's own directory, wherever it is run from.
    QVERIFY(QDir::setCurrent(root.path()));
    const toolkit::ProgramDirectory own = toolkit::ProgramServices().applicationDirectory();
    QVERIFY(QDir::setCurrent(previous));
#ifdef Q_OS_WIN
    // Under Wine the build directory has a drive letter in front.
    QVERIFY2(own.path.endsWith(QStringLiteral(QV_TEST_DIRECTORY)), qPrintable(own.path));
#else
    QCOMPARE(own.path, QStringLiteral(QV_TEST_DIRECTORY));
#endif
    QVERIFY(own.known());
}

void TestServices::realMessageBoxes()
{
    toolkit::ProgramServices services;
    struct Seen {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title, text;
        QStringList buttons;
        QString defaultButton;
        QRect shown, relaid;
    } seen;
    const auto answer = [&seen](const QString& press) {
        QTimer::singleShot(0, [&seen, press] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            // Its size and place are final as it shows: a layout request
            // afterwards, as a window manager brings, moves nothing.
            const QRect shown = box->frameGeometry();
            QEvent relayout(QEvent::LayoutRequest);
            QCoreApplication::sendEvent(box, &relayout);
            seen = {box->icon(), box->windowTitle(), box->text(), {},
                    box->defaultButton() ? box->defaultButton()->text().remove(u'&') : QString(), shown,
                    box->frameGeometry()};
            for (QAbstractButton* button : box->buttons()) {
                seen.buttons << button->text();
                // The platform's OK may carry an access letter or not.
                if (button->text().remove(u'&') == press)
                    button->click();
            }
        });
    };

    answer(QStringLiteral("OK"));
    services.showMessage(toolkit::ProgramServices::Icon::Information, QStringLiteral("Veskoro Designer"), QStringLiteral("placed"));
    QCOMPARE(seen.icon, QMessageBox::Information);
    QCOMPARE(seen.title, QStringLiteral("Veskoro Designer"));
    QCOMPARE(seen.text, QStringLiteral("placed"));
    QCOMPARE(seen.buttons.size(), 1);

    // However short its text, the box is as wide as its title needs in a
    // bold title-bar font, with room for an icon and three window buttons,
    // and centred over the window it belongs to as it shows.
    QWidget main;
    main.setGeometry(100, 100, 600, 400);
    main.show();
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    answer(QStringLiteral("OK"));
    const QString title = QStringLiteral("Veskoro Designer - About");
    services.showMessage(toolkit::ProgramServices::Icon::Information, title, QStringLiteral("Made by"));
    QFont titleFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    titleFont.setBold(true);
    const int buttons = 4 * QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
    QVERIFY(seen.shown.width() >= QFontMetrics(titleFont).horizontalAdvance(title) + buttons);
    QVERIFY2((seen.shown.center() - QPoint(400, 300)).manhattanLength() <= 3,
             qPrintable(QStringLiteral("centred at %1,%2").arg(seen.shown.center().x()).arg(seen.shown.center().y())));
    QCOMPARE(seen.relaid, seen.shown);
    main.hide();

    answer(QStringLiteral("OK"));
    services.showMessage(toolkit::ProgramServices::Icon::Warning, QStringLiteral("Veskoro Designer"), QStringLiteral("not saved"));
    QCOMPARE(seen.icon, QMessageBox::Warning);

    // The warning that offers a folder: OK stays the default and declines.
    answer(QStringLiteral("OK"));
    QVERIFY(!services.warnOfferingFolder(QStringLiteral("Veskoro Designer"), QStringLiteral("not saved")));
    QCOMPARE(seen.icon, QMessageBox::Warning);
    QCOMPARE(seen.defaultButton, QStringLiteral("OK"));
    QVERIFY(seen.buttons.contains(QStringLiteral("&Choose Folder\u2026")));
    answer(QStringLiteral("Choose Folder\u2026"));
    QVERIFY(services.warnOfferingFolder(QStringLiteral("Veskoro Designer"), QStringLiteral("not saved")));
    // Esc declines as OK does; a box that ignored it is closed by its OK.
    bool escaped = false;
    QTimer::singleShot(0, [&escaped] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QTest::keyClick(box, Qt::Key_Escape);
        escaped = !box->isVisible();
        if (!escaped)
            box->buttons().constFirst()->click();
    });
    QVERIFY(!services.warnOfferingFolder(QStringLiteral("Veskoro Designer"), QStringLiteral("not saved")));
    QVERIFY(escaped);

    // The folder chooser opens in the user's home folder (Documents on
    // Windows), not in the working directory.
    QString opened;
    QTimer::singleShot(0, [&opened] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        opened = dialog->directory().absolutePath();
        dialog->reject();
    });
    QCOMPARE(services.chooseFolder(QStringLiteral("Save colors.DAT to"), QString()), QString());
#ifdef Q_OS_WIN
    QCOMPARE(opened, QDir::homePath() + QStringLiteral("/Documents"));
#else
    QCOMPARE(opened, QDir::homePath());
#endif

    // Exit ends the program as a success.
    QTimer::singleShot(0, [&services] { services.end(); });
    QCOMPARE(QCoreApplication::exec(), 0);
}

QTEST_MAIN(TestServices)
#include "tst_services.moc"
