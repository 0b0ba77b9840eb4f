#include "failingsync.h"
#include "fakeruntime.h"
#include "filesizelimit.h"
#include "savecommand.h"
#include "schemefile.h"

#include <QtTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

enum Fault { SizeLimit, FlushFails, DirectoryFlushFails };

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

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestExport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void contentRightAfterStart();
    void contentFollowsTheSlots();
    void saveWritesBesideTheProgramAndSaysWhere();
    void failedSaveKeepsTheOldFileAndWarns_data();
    void failedSaveKeepsTheOldFileAndWarns();
    void onlyARegularFileIsReplaced_data();
    void onlyARegularFileIsReplaced();
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
    FakeRuntime runtime;
    Declarations scheme;
    SaveCommand save;
    QVERIFY(save.run(scheme, runtime));
    QCOMPARE(runtime.savedScheme(), kSchemeAtStart);
    QCOMPARE(runtime.messages.size(), 1);
    QCOMPARE(runtime.messages[0].icon, toolkit::Runtime::Icon::Information);
    QCOMPARE(runtime.messages[0].title, QStringLiteral("Veskoro Designer"));
    QCOMPARE(runtime.messages[0].text, kPlacement);
    QCOMPARE(runtime.folderOffers, 0);

    // Saving again replaces the file with the same bytes, and leaves nothing else behind.
    QVERIFY(save.run(scheme, runtime));
    QCOMPARE(runtime.savedScheme(), kSchemeAtStart);
    QCOMPARE(runtime.directoryEntries(), QStringList{"colors.DAT"});

    scheme.select(Declarations::ChatBackground);
    scheme.storeSelected(Math::Rgb(254, 255, 255));
    QVERIFY(save.run(scheme, runtime));
    QVERIFY(runtime.savedScheme().endsWith("\r\n#FEFFFF ; chat background\r\n"));
}

void TestExport::failedSaveKeepsTheOldFileAndWarns_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("oldFileKept");

    // The disk fills up partway: every write beyond a few bytes fails, and
    // the program lives on to say so.
    QTest::newRow("file-size limit") << int(SizeLimit) << "too large" << true;
    // Errors that show only when the data reaches the disk.
    QTest::newRow("flush fails") << int(FlushFails) << "Input/output error" << true;
    // The new file is in place, but not known to be on disk.
    QTest::newRow("directory flush fails") << int(DirectoryFlushFails) << "Input/output error" << false;
}

void TestExport::failedSaveKeepsTheOldFileAndWarns()
{
    QFETCH(int, fault);
    QFETCH(QString, reason);
    QFETCH(bool, oldFileKept);

    FakeRuntime runtime;
    const QByteArray old = "; my previous scheme\r\n#123456 ; background\r\n";
    writeFile(runtime.schemePath(), old);

    bool saved = true;
    {
        const FileSizeLimit diskFull(fault == SizeLimit ? 100 : RLIM_INFINITY);
        FailingSync::dataSyncFails = fault == FlushFails;
        FailingSync::directorySyncFails = fault == DirectoryFlushFails;
        saved = SaveCommand().run(Declarations(), runtime);
        FailingSync::dataSyncFails = FailingSync::directorySyncFails = false;
    }
    QVERIFY(!saved);
    QCOMPARE(runtime.savedScheme(), oldFileKept ? old : kSchemeAtStart);
    QCOMPARE(runtime.directoryEntries(), QStringList{"colors.DAT"});
    QCOMPARE(runtime.messages.size(), 1);
    QCOMPARE(runtime.folderOffers, 1);
    const FakeRuntime::Message& warning = runtime.messages[0];
    QCOMPARE(warning.icon, toolkit::Runtime::Icon::Warning);
    QCOMPARE(warning.title, QStringLiteral("Veskoro Designer"));
    QVERIFY2(warning.text.contains(QStringLiteral("not saved")), qPrintable(warning.text));
    QVERIFY2(warning.text.contains(QDir::toNativeSeparators(runtime.schemePath())), qPrintable(warning.text));
    QVERIFY2(warning.text.contains(reason, Qt::CaseInsensitive), qPrintable(warning.text));
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
    FakeRuntime runtime;
    QTemporaryDir elsewhere;
    const QString outside = elsewhere.filePath(QStringLiteral("target"));
    const QByteArray at = QFile::encodeName(runtime.schemePath());
    const QByteArray row = QTest::currentDataTag();
    if (row == "link to a file") {
        writeFile(outside, "someone else's file");
        QVERIFY(QFile::link(outside, runtime.schemePath()));
    } else if (row == "dangling link") {
        QVERIFY(QFile::link(outside, runtime.schemePath()));
    } else if (row == "link to a device") {
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), runtime.schemePath()));
    } else if (row == "directory") {
        QVERIFY(QDir().mkdir(runtime.schemePath()));
    } else if (row == "FIFO") {
        QCOMPARE(mkfifo(at.constData(), 0644), 0);
    } else if (mknod(at.constData(), S_IFCHR | 0644, makedev(1, 3)) != 0) {
        QSKIP("making a device node needs root");
    }
    const QFileInfo before(runtime.schemePath());

    QVERIFY(!SaveCommand().run(Declarations(), runtime));
    QCOMPARE(runtime.messages.size(), 1);
    QCOMPARE(runtime.folderOffers, 1);
    QVERIFY2(runtime.messages[0].text.contains(kind), qPrintable(runtime.messages[0].text));
    QCOMPARE(runtime.directoryEntries(), QStringList{"colors.DAT"});
    const QFileInfo after(runtime.schemePath());
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

    class OddDirectory : public FakeRuntime {
    public:
        toolkit::ProgramDirectory applicationDirectory() const override
        {
            return {answer.path.isEmpty() ? QString() : FakeRuntime::applicationDirectory().path + answer.path,
                    answer.problem};
        }
        toolkit::ProgramDirectory answer;
    } runtime;
    runtime.answer = {directory, problem};
    QTemporaryDir working;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(working.path()));

    const bool saved = SaveCommand().run(Declarations(), runtime);
    QVERIFY(QDir::setCurrent(previous));
    QVERIFY(!saved);
    QCOMPARE(runtime.messages.size(), 1);
    QCOMPARE(runtime.folderOffers, 1);
    QCOMPARE(runtime.messages[0].icon, toolkit::Runtime::Icon::Warning);
    QVERIFY2(runtime.messages[0].text.contains(QStringLiteral("not saved")), qPrintable(runtime.messages[0].text));
    QVERIFY2(runtime.messages[0].text.contains(said), qPrintable(runtime.messages[0].text));
    QVERIFY(runtime.directoryEntries().isEmpty());
    QVERIFY(QDir(working.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

void TestExport::aChosenFolderKeepsTheWork()
{
    FakeRuntime runtime;
    QVERIFY(QDir().mkdir(runtime.schemePath())); // nothing can be written in the program's directory
    QTemporaryDir chosen;
    SaveCommand save;

    // OK, the default, gives up.
    QVERIFY(!save.run(Declarations(), runtime));
    QCOMPARE(runtime.folderOffers, 1);
    QVERIFY(runtime.chooserTitles.isEmpty());

    // A cancelled chooser saves nothing.
    runtime.choosesFolder = true;
    QVERIFY(!save.run(Declarations(), runtime));
    QCOMPARE(runtime.chooserTitles, QStringList{"Save colors.DAT to"});

    runtime.messages.clear();
    runtime.folderToChoose = chosen.path();
    QVERIFY(save.run(Declarations(), runtime));
    QFile file(chosen.filePath(QStringLiteral("colors.DAT")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), kSchemeAtStart);
    QCOMPARE(runtime.messages.size(), 2);
    QCOMPARE(runtime.messages[1].icon, toolkit::Runtime::Icon::Information);
    QCOMPARE(runtime.messages[1].text,
             QStringLiteral("The file 'colors.DAT' has been placed in %1 u must place this file inside "
                            "the file skin.zip in the quellor Veskoro Directory to apply the colour scheme")
                 .arg(QDir::toNativeSeparators(chosen.path())));

    // For the rest of the run Save goes straight there.
    runtime.messages.clear();
    Declarations scheme;
    scheme.select(Declarations::ChatBackground);
    scheme.storeSelected(Math::Rgb(254, 255, 255));
    QVERIFY(save.run(scheme, runtime));
    QCOMPARE(runtime.folderOffers, 3);
    QCOMPARE(runtime.chooserTitles.size(), 2);
    QCOMPARE(runtime.messages.size(), 1);
    file.close();
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().endsWith("\r\n#FEFFFF ; chat background\r\n"));
}

QTEST_GUILESS_MAIN(TestExport)
#include "tst_export.moc"
