// SPDX-License-Identifier: MIT
#include "fakeprogramservices.h"
#include "savecommand.h"
#include "schemefile.h"

#include <QtTest>

// The faults of a failing disk, other users' files, links, pipes and
// devices are made with Linux's own calls; those tests run on Linux only.
#ifdef Q_OS_LINUX
#include "failingcalls.h"
#include "filesizelimit.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

namespace {

enum Fault { SizeLimit, ReadOnlyFolder, OpenDirectory, CreateFile, DataSync, CloseTemporary, Rename, DirectorySync };

const QString kNotWritten = QStringLiteral("The colour scheme was not saved.\n\nCould not write %1:\n");

const QByteArray kSchemeAtStart =
    "; Generated Using QV Designer\r\n"
    "#FFFFFF ; background absolute\r\n"
    "#FFFFFF ; background\r\n"
    "#000000 ; Border Highlight\r\n"
    "#000000 ; Border Shadow\r\n"
    "#C6D6FD ; main text color\r\n"
    "#C6D6FD ; normal lobby color\r\n"
    "#FFFFFF ; notify\r\n"
    "#00CCFF ; nick\r\n"
    "#00FFFF ; nick high\r\n"
    "#FF0000 ; error\r\n"
    "#66FFCC ; pvt\r\n"
    "#C0C0C0 ; msg\r\n"
    "#FFFFFF ; chat background\r\n";

const QString kPlacement = QStringLiteral(
    "The file 'colors.DAT' has been placed in this applications directory u must place this file "
    "inside the file skin.zip in the quellor Veskoro Directory to apply the colour scheme");

#ifdef Q_OS_LINUX

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const int kNobody = 65534;

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

FailingCalls::Fault& faultOf(int fault)
{
    switch (fault) {
    case OpenDirectory: return FailingCalls::openDirectory;
    case CreateFile: return FailingCalls::createFile;
    case DataSync: return FailingCalls::dataSync;
    case CloseTemporary: return FailingCalls::closeTemporary;
    case Rename: return FailingCalls::rename;
    default: return FailingCalls::directorySync;
    }
}

// Sets a name's modification time `seconds` ago, links included.
void makeOld(const QString& path, int seconds)
{
    const timespec times[2] = {{time(nullptr) - seconds, 0}, {time(nullptr) - seconds, 0}};
    QCOMPARE(utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW), 0);
}

#endif

} // namespace

class TestExport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void contentRightAfterStart();
    void contentFollowsTheSlots();
    void saveWritesBesideTheProgramAndSaysWhere();
#ifdef Q_OS_LINUX
    void failedSaveKeepsTheOldFileAndWarns_data();
    void failedSaveKeepsTheOldFileAndWarns();
    void replacedFileKeepsOnlyItsOwnersPermissions_data();
    void replacedFileKeepsOnlyItsOwnersPermissions();
    void leftoversOfAnInterruptedSaveAreRemoved_data();
    void leftoversOfAnInterruptedSaveAreRemoved();
    void onlyARegularFileIsReplaced_data();
    void onlyARegularFileIsReplaced();
#endif
    void aDirectoryThatIsGoneOrUnknownGetsNothing_data();
    void aDirectoryThatIsGoneOrUnknownGetsNothing();
    void aChosenFolderKeepsTheWork();
};

void TestExport::contentRightAfterStart()
{
    QCOMPARE(SchemeFile::FixedLines.size(), std::size_t(159));
    const Declarations scheme;
    const QByteArray content = QByteArray::fromStdString(SchemeFile::content(scheme));
    QCOMPARE(content, kSchemeAtStart);
    QCOMPARE(content.count("\r\n"), 14);
}

void TestExport::contentFollowsTheSlots()
{
    Declarations scheme;
    scheme.SchemeColour = {"000001", "000002", "000003", "000004"};
    const QList<QByteArray> lines = QByteArray::fromStdString(SchemeFile::content(scheme)).split('\n');
    QCOMPARE(lines.size(), 15); // the last CR LF ends the file: nothing after it
    QCOMPARE(lines[1], QByteArray("#000001 ; background absolute\r"));
    QCOMPARE(lines[2], QByteArray("#000002 ; background\r"));
    QCOMPARE(lines[3], QByteArray("#000004 ; Border Highlight\r"));
    QCOMPARE(lines[4], QByteArray("#000004 ; Border Shadow\r"));
    QCOMPARE(lines[13], QByteArray("#000003 ; chat background\r"));
    QCOMPARE(lines[14], QByteArray());
}

void TestExport::saveWritesBesideTheProgramAndSaysWhere()
{
    FakeProgramServices services;
    Declarations scheme;
    SaveCommand save;
    QVERIFY(save.run(scheme, services));
    QCOMPARE(services.savedScheme(), kSchemeAtStart);
    QCOMPARE(services.messages.size(), 1);
    QCOMPARE(services.messages[0].icon, toolkit::ProgramServices::Icon::Information);
    QCOMPARE(services.messages[0].title, QStringLiteral("Veskoro Designer"));
    QCOMPARE(services.messages[0].text, kPlacement);
    QCOMPARE(services.folderOffers, 0);

    // Saving again replaces the file with the same bytes, and leaves nothing else behind.
    QVERIFY(save.run(scheme, services));
    QCOMPARE(services.savedScheme(), kSchemeAtStart);
    QCOMPARE(services.directoryEntries(), QStringList{"colors.DAT"});

    scheme.select(Declarations::ChatBackground);
    scheme.storeSelected(Math::Rgb(254, 255, 255));
    QVERIFY(save.run(scheme, services));
    QVERIFY(services.savedScheme().endsWith("\r\n#FEFFFF ; chat background\r\n"));
}

#ifdef Q_OS_LINUX

void TestExport::failedSaveKeepsTheOldFileAndWarns_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("times");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<QString>("said"); // the whole message, %1 for the file's path

    // The disk fills up partway: every write beyond a few bytes fails, and
    // the program lives on to say so.
    QTest::newRow("file-size limit") << int(SizeLimit) << 0 << 0 << false << kNotWritten + "File too large";
    QTest::newRow("read-only folder") << int(ReadOnlyFolder) << 0 << 0 << false << kNotWritten + "Permission denied";
    // Errors that show only when the data reaches the disk.
    QTest::newRow("flush fails") << int(DataSync) << EIO << -1 << false << kNotWritten + "Input/output error";
    QTest::newRow("close fails") << int(CloseTemporary) << EIO << 1 << false << kNotWritten + "Input/output error";
    QTest::newRow("rename fails") << int(Rename) << EXDEV << 1 << false
                                  << kNotWritten + "Invalid cross-device link";
    // The new file is in place, but not known to be on disk: saved, with the risk told.
    QTest::newRow("directory flush fails")
        << int(DirectorySync) << EIO << -1 << true
        << "The new colors.DAT is in place, but the system could not confirm that the folder's change "
           "reached the disk (Input/output error), so a power cut could still lose it.\n\n" + kPlacement;
    // A signal during a call: the call is made again and the Save goes on.
    QTest::newRow("opening the folder interrupted") << int(OpenDirectory) << EINTR << 1 << true << kPlacement;
    QTest::newRow("creating the file interrupted") << int(CreateFile) << EINTR << 1 << true << kPlacement;
    QTest::newRow("flush interrupted") << int(DataSync) << EINTR << 1 << true << kPlacement;
    // The descriptor is gone all the same: closing it again would fail.
    QTest::newRow("close interrupted") << int(CloseTemporary) << EINTR << 1 << true << kPlacement;
    QTest::newRow("rename interrupted") << int(Rename) << EINTR << 1 << true << kPlacement;
    QTest::newRow("directory flush interrupted") << int(DirectorySync) << EINTR << 1 << true << kPlacement;
}

void TestExport::failedSaveKeepsTheOldFileAndWarns()
{
    QFETCH(int, fault);
    QFETCH(int, error);
    QFETCH(int, times);
    QFETCH(bool, saved);
    QFETCH(QString, said);

    FakeProgramServices services;
    const QByteArray old = "; my previous scheme\r\n#123456 ; background\r\n";
    writeFile(services.schemePath(), old);
    const QByteArray folder = QFile::encodeName(QFileInfo(services.schemePath()).path());

    bool result = !saved;
    if (fault == ReadOnlyFolder) {
        // Root writes anywhere, so the Save runs as nobody then.
        QCOMPARE(chmod(folder.constData(), 0555), 0);
        const bool root = geteuid() == 0;
        if (root && seteuid(kNobody) != 0) {
            chmod(folder.constData(), 0700);
            QSKIP("running as an ordinary user is not possible here");
        }
        result = SaveCommand().run(Declarations(), services);
        if (root)
            QCOMPARE(seteuid(0), 0);
        QCOMPARE(chmod(folder.constData(), 0700), 0);
    } else {
        const FileSizeLimit diskFull(fault == SizeLimit ? 100 : RLIM_INFINITY);
        if (fault != SizeLimit)
            faultOf(fault) = {error, times};
        result = SaveCommand().run(Declarations(), services);
        FailingCalls::disarm();
    }
    QCOMPARE(result, saved);
    QCOMPARE(services.savedScheme(), saved ? kSchemeAtStart : old);
    QCOMPARE(services.directoryEntries(), QStringList{"colors.DAT"});
    QCOMPARE(services.messages.size(), 1);
    // Only what was not saved offers another folder.
    QCOMPARE(services.folderOffers, saved ? 0 : 1);
    const FakeProgramServices::Message& message = services.messages[0];
    QCOMPARE(message.icon, said == kPlacement ? toolkit::ProgramServices::Icon::Information : toolkit::ProgramServices::Icon::Warning);
    QCOMPARE(message.title, QStringLiteral("Veskoro Designer"));
    QCOMPARE(message.text, QString(said).replace(QStringLiteral("%1"), QDir::toNativeSeparators(services.schemePath())));
}

void TestExport::replacedFileKeepsOnlyItsOwnersPermissions_data()
{
    QTest::addColumn<int>("before"); // -1: no file yet
    QTest::addColumn<bool>("othersFile");
    QTest::addColumn<int>("after");

    // Under a umask of 022, as most desktops have it.
    QTest::newRow("new file") << -1 << false << 0644;
    QTest::newRow("own file, owner only") << 0600 << false << 0600;
    QTest::newRow("own file with special bits") << 06777 << false << 0777;
    QTest::newRow("another user's file with special bits") << 06777 << true << 0644;
}

void TestExport::replacedFileKeepsOnlyItsOwnersPermissions()
{
    QFETCH(int, before);
    QFETCH(bool, othersFile);
    QFETCH(int, after);

    FakeProgramServices services;
    const QByteArray path = QFile::encodeName(services.schemePath());
    if (before >= 0) {
        writeFile(services.schemePath(), "planted");
        if (othersFile && chown(path.constData(), kNobody, kNobody) != 0)
            QSKIP("giving a file to another user needs root");
        QCOMPARE(chmod(path.constData(), mode_t(before)), 0);
    }
    const mode_t mask = umask(022);
    const bool saved = SaveCommand().run(Declarations(), services);
    umask(mask);
    QVERIFY(saved);
    QCOMPARE(services.savedScheme(), kSchemeAtStart);
    struct stat status {};
    QCOMPARE(lstat(path.constData(), &status), 0);
    QCOMPARE(int(status.st_mode & 07777), after);
    QCOMPARE(status.st_uid, geteuid());
}

void TestExport::leftoversOfAnInterruptedSaveAreRemoved_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("age");
    QTest::addColumn<bool>("removed");

    QTest::newRow("abandoned") << ".colors.tmp.k3x9q" << "file" << 120 << true;
    QTest::newRow("longest name") << ".colors.tmp.1z141z3" << "file" << 120 << true;
    // Another copy of the program may be saving into the folder right now.
    QTest::newRow("written a moment ago") << ".colors.tmp.k3x9q" << "file" << 5 << false;
    QTest::newRow("another user's") << ".colors.tmp.k3x9q" << "others" << 120 << false;
    QTest::newRow("link by that name") << ".colors.tmp.k3x9q" << "link" << 120 << false;
    QTest::newRow("folder by that name") << ".colors.tmp.k3x9q" << "folder" << 120 << false;
    QTest::newRow("other tail") << ".colors.tmp.K3X9Q" << "file" << 120 << false;
    QTest::newRow("longer tail") << ".colors.tmp.k3x9q.bak" << "file" << 120 << false;
    QTest::newRow("no tail") << ".colors.tmp." << "file" << 120 << false;
    QTest::newRow("not hidden") << "colors.tmp.k3x9q" << "file" << 120 << false;
    // Linked in as the Save creates its own: the Save takes another name
    // rather than write into someone else's file.
    QTest::newRow("planted at the temporary name") << "" << "planted" << 120 << false;
}

void TestExport::leftoversOfAnInterruptedSaveAreRemoved()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(int, age);
    QFETCH(bool, removed);

    FakeProgramServices services;
    QTemporaryDir elsewhere;
    const QString outside = elsewhere.filePath(QStringLiteral("someone's"));
    writeFile(outside, "someone else's file");
    const QString leftover = QFileInfo(services.schemePath()).dir().filePath(name);
    if (kind == "file" || kind == "others")
        writeFile(leftover, QByteArray(323, 'x'));
    if (kind == "others" && chown(QFile::encodeName(leftover).constData(), kNobody, kNobody) != 0)
        QSKIP("giving a file to another user needs root");
    if (kind == "link")
        QVERIFY(QFile::link(outside, leftover));
    if (kind == "folder")
        QVERIFY(QDir().mkdir(leftover));
    if (kind == "planted") {
        // The folder of the Save, so that a hard link can reach it.
        const QString victim = QFileInfo(services.schemePath()).dir().filePath(QStringLiteral("victim"));
        writeFile(victim, "someone else's file");
        FailingCalls::plantedAtTemporary = QFile::encodeName(victim);
        QVERIFY(SaveCommand().run(Declarations(), services));
        FailingCalls::disarm();
        QCOMPARE(readAll(victim), QByteArray("someone else's file"));
        QCOMPARE(services.savedScheme(), kSchemeAtStart);
        QCOMPARE(services.directoryEntries().size(), 3); // colors.DAT, the victim and its planted link
        return;
    }
    makeOld(leftover, age);

    QVERIFY(SaveCommand().run(Declarations(), services));
    QCOMPARE(services.savedScheme(), kSchemeAtStart);
    QCOMPARE(QFileInfo::exists(leftover) || QFileInfo(leftover).isSymLink(), !removed);
    QCOMPARE(services.directoryEntries().size(), removed ? 1 : 2);
    QCOMPARE(readAll(outside), QByteArray("someone else's file"));
}

void TestExport::onlyARegularFileIsReplaced_data()
{
    QTest::addColumn<QString>("kind");

    QTest::newRow("link to a file") << "symbolic link";
    QTest::newRow("dangling link") << "symbolic link";
    QTest::newRow("link to a device") << "symbolic link";
    QTest::newRow("directory") << "directory";
    QTest::newRow("FIFO") << "FIFO";
    QTest::newRow("device") << "device";
}

void TestExport::onlyARegularFileIsReplaced()
{
    QFETCH(QString, kind);
    FakeProgramServices services;
    QTemporaryDir elsewhere;
    const QString outside = elsewhere.filePath(QStringLiteral("target"));
    const QByteArray at = QFile::encodeName(services.schemePath());
    const QByteArray row = QTest::currentDataTag();
    if (row == "link to a file") {
        writeFile(outside, "someone else's file");
        QVERIFY(QFile::link(outside, services.schemePath()));
    } else if (row == "dangling link") {
        QVERIFY(QFile::link(outside, services.schemePath()));
    } else if (row == "link to a device") {
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), services.schemePath()));
    } else if (row == "directory") {
        QVERIFY(QDir().mkdir(services.schemePath()));
    } else if (row == "FIFO") {
        QCOMPARE(mkfifo(at.constData(), 0644), 0);
    } else if (mknod(at.constData(), S_IFCHR | 0644, makedev(1, 3)) != 0) {
        QSKIP("making a device node needs root");
    }
    const QFileInfo before(services.schemePath());

    QVERIFY(!SaveCommand().run(Declarations(), services));
    QCOMPARE(services.messages.size(), 1);
    QCOMPARE(services.folderOffers, 1);
    QVERIFY2(services.messages[0].text.contains(kind), qPrintable(services.messages[0].text));
    QCOMPARE(services.directoryEntries(), QStringList{"colors.DAT"});
    const QFileInfo after(services.schemePath());
    QCOMPARE(after.isSymLink(), before.isSymLink());
    QCOMPARE(after.isFile(), before.isFile());
    QCOMPARE(QDir(elsewhere.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             row == "link to a file" ? QStringList{"target"} : QStringList());
    if (row == "link to a file") {
        QFile target(outside);
        QVERIFY(target.open(QIODevice::ReadOnly));
        QCOMPARE(target.readAll(), QByteArray("someone else's file"));
    }
}

#endif

void TestExport::aDirectoryThatIsGoneOrUnknownGetsNothing_data()
{
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QString>("said");

    QTest::newRow("removed") << "/removed" << "" << "/removed/colors.DAT";
    QTest::newRow("unknown") << "" << "The name of the program's directory is not valid text"
                             << "not valid text";
}

// Nothing is written anywhere, the working directory least of all.
void TestExport::aDirectoryThatIsGoneOrUnknownGetsNothing()
{
    QFETCH(QString, directory);
    QFETCH(QString, problem);
    QFETCH(QString, said);

    class OddDirectory : public FakeProgramServices {
    public:
        toolkit::ProgramDirectory applicationDirectory() const override
        {
            return {answer.path.isEmpty() ? QString() : FakeProgramServices::applicationDirectory().path + answer.path,
                    answer.problem};
        }
        toolkit::ProgramDirectory answer;
    } services;
    services.answer = {directory, problem};
    QTemporaryDir working;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(working.path()));

    const bool saved = SaveCommand().run(Declarations(), services);
    QVERIFY(QDir::setCurrent(previous));
    QVERIFY(!saved);
    QCOMPARE(services.messages.size(), 1);
    QCOMPARE(services.folderOffers, 1);
    QCOMPARE(services.messages[0].icon, toolkit::ProgramServices::Icon::Warning);
    QVERIFY2(services.messages[0].text.contains(QStringLiteral("not saved")), qPrintable(services.messages[0].text));
    QVERIFY2(services.messages[0].text.contains(QDir::toNativeSeparators(said)), qPrintable(services.messages[0].text));
    QVERIFY(services.directoryEntries().isEmpty());
    QVERIFY(QDir(working.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

void TestExport::aChosenFolderKeepsTheWork()
{
    FakeProgramServices services;
    QVERIFY(QDir().mkdir(services.schemePath())); // nothing can be written in the program's directory
    QTemporaryDir chosen;
    SaveCommand save;

    // OK, the default, gives up.
    QVERIFY(!save.run(Declarations(), services));
    QCOMPARE(services.folderOffers, 1);
    QVERIFY(services.chooserTitles.isEmpty());

    // A cancelled chooser saves nothing.
    services.choosesFolder = true;
    QVERIFY(!save.run(Declarations(), services));
    QCOMPARE(services.chooserTitles, QStringList{"Save colors.DAT to"});

    services.messages.clear();
    services.folderToChoose = chosen.path();
    QVERIFY(save.run(Declarations(), services));
    QFile file(chosen.filePath(QStringLiteral("colors.DAT")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), kSchemeAtStart);
    QCOMPARE(services.messages.size(), 2);
    QCOMPARE(services.messages[1].icon, toolkit::ProgramServices::Icon::Information);
    const QString placedThere =
        QStringLiteral("The file 'colors.DAT' has been placed in %1 u must place this file inside "
                       "the file skin.zip in the quellor Veskoro Directory to apply the colour scheme")
            .arg(QDir::toNativeSeparators(chosen.path()));
    QCOMPARE(services.messages[1].text, placedThere);
    file.close(); // Windows renames nothing over an open file

    // For the rest of the run Save goes straight there.
    services.messages.clear();
    Declarations scheme;
    scheme.select(Declarations::ChatBackground);
    scheme.storeSelected(Math::Rgb(254, 255, 255));
    QVERIFY(save.run(scheme, services));
    QCOMPARE(services.folderOffers, 3);
    QCOMPARE(services.chooserTitles.size(), 2);
    QCOMPARE(services.messages.size(), 1);
    QCOMPARE(services.messages[0].text, placedThere);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().endsWith("\r\n#FEFFFF ; chat background\r\n"));

#ifdef Q_OS_LINUX
    // Only where a name is bytes: a folder whose name is not valid text is
    // refused, not mistaken for the look-alike whose name is that text.
    SaveCommand fresh;
    services.choosesFolder = true;
    QTemporaryDir parent;
    const QByteArray odd = QFile::encodeName(parent.path()) + "/caf\xe9";
    QCOMPARE(::mkdir(odd.constData(), 0755), 0);
    const QString lookAlike = parent.path() + QStringLiteral("/caf\ufffd");
    QVERIFY(QDir().mkdir(lookAlike));
    services.messages.clear();
    services.folderToChoose = QFile::decodeName(odd);
    QVERIFY(!fresh.run(Declarations(), services));
    QCOMPARE(services.messages.size(), 2);
    QCOMPARE(services.messages[1].text,
             QStringLiteral("The colour scheme was not saved.\n\nThe name of the chosen folder is not valid "
                            "text (%1), so no file can be written there safely.").arg(lookAlike));
    QCOMPARE(QDir(lookAlike).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    QVERIFY(access(odd + "/colors.DAT", F_OK) != 0);
    QCOMPARE(::rmdir(odd.constData()), 0); // Qt would look for it under its look-alike name
#endif
}

QTEST_GUILESS_MAIN(TestExport)
#include "tst_export.moc"
