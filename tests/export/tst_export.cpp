// SPDX-License-Identifier: MIT
#include "fakeprogramservices.h"
#include "files.h"
#include "savecommand.h"
#include "schemefile.h"

#include <QtTest>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

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

} // namespace

class TestExport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void contentRightAfterStart();
    void contentFollowsTheSlots();
    void saveWritesBesideTheProgramAndSaysWhere();
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

    // What the writer reports, the Save says: not saved, with another
    // folder offered; or saved, with the one risk left named.
    struct Reporting : FakeProgramServices {
        toolkit::WriteResult writeTextFile(const QString&, const QByteArray&) override { return result; }
        toolkit::WriteResult result;
    } reporting;
    reporting.result.failure = QStringLiteral("Input/output error");
    QVERIFY(!save.run(scheme, reporting));
    QCOMPARE(reporting.folderOffers, 1);
    QCOMPARE(reporting.messages[0].text,
             kNotWritten.arg(QDir::toNativeSeparators(reporting.schemePath())) + "Input/output error");
    reporting.result = {QString(), QStringLiteral("Input/output error")};
    QVERIFY(save.run(scheme, reporting));
    QCOMPARE(reporting.folderOffers, 1);
    QCOMPARE(reporting.messages[1].icon, toolkit::ProgramServices::Icon::Warning);
    QCOMPARE(reporting.messages[1].text,
             "The new colors.DAT is in place, but the system could not confirm that the folder's change "
             "reached the disk (Input/output error), so a power cut could still lose it.\n\n" + kPlacement);
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

    class OddDirectory : public FakeProgramServices {
    public:
        toolkit::ProgramDirectory applicationDirectory() const override
        {
            return {answer.path.isEmpty() ? QString() : FakeProgramServices::applicationDirectory().path + answer.path,
                    answer.result};
        }
        toolkit::ProgramDirectory answer;
    } services;
    services.answer = {directory, toolkit::WriteResult::failed(problem)};
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

    // A cancelled chooser saves nothing. It opened where the system's
    // services open it, not in the program's directory that has just failed.
    services.choosesFolder = true;
    QVERIFY(!save.run(Declarations(), services));
    QCOMPARE(services.chooserTitles, QStringList{"Save colors.DAT to"});
    QCOMPARE(services.chooserStarts, QStringList{QString()});

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

    // Should the chosen folder fail later, the chooser opens there again.
    QVERIFY(file.remove() && QDir(chosen.path()).mkdir(QStringLiteral("colors.DAT")));
    QVERIFY(!save.run(scheme, services));
    QCOMPARE(services.chooserStarts.last(), chosen.path());
    // Gone since, it is named as gone.
    QVERIFY(QDir(chosen.path()).removeRecursively());
    QVERIFY(!save.run(scheme, services));
    QCOMPARE(services.messages.last().text,
             QStringLiteral("The colour scheme was not saved.\n\nThe chosen folder %1 no longer exists.")
                 .arg(QDir::toNativeSeparators(chosen.path())));

    // The reasons given for a chosen folder are true ones.
    SaveCommand fresh;
    QTemporaryDir parent;
    const QString aFile = parent.filePath(QStringLiteral("notes.txt"));
    writeFile(aFile, "x");
    const QString lookAlike = parent.path() + QStringLiteral("/caf\ufffd");
    const QString refused[][2] = {
        {aFile, QStringLiteral("The chosen folder %1 is not a folder.").arg(QDir::toNativeSeparators(aFile))},
        {QStringLiteral("Documents"), QStringLiteral("The chosen folder Documents is not an absolute path.")},
        {lookAlike, QStringLiteral("The chosen folder %1 no longer exists.").arg(QDir::toNativeSeparators(lookAlike))},
    };
    for (const auto& [answer, reason] : refused) {
        services.messages.clear();
        services.folderToChoose = answer;
        QVERIFY(!fresh.run(Declarations(), services));
        QCOMPARE(services.messages.size(), 2);
        QCOMPARE(services.messages[1].text, QStringLiteral("The colour scheme was not saved.\n\n") + reason);
    }
    // A name that truly holds U+FFFD is a folder like any other.
    QVERIFY(QDir().mkdir(lookAlike));
    services.folderToChoose = lookAlike;
    QVERIFY(fresh.run(Declarations(), services));
    QCOMPARE(readAll(lookAlike + QStringLiteral("/colors.DAT")), kSchemeAtStart);

#ifdef Q_OS_LINUX
    // Only where a name is bytes: beside a folder whose name is not valid
    // text, and which Qt reads as that same name, the chosen one may be
    // either, so it is refused; so is the other, once it stands alone.
    SaveCommand another;
    const QByteArray odd = QFile::encodeName(parent.path()) + "/caf\xe9";
    QCOMPARE(::mkdir(odd.constData(), 0755), 0);
    const QString lostReasons[] = {
        QStringLiteral("Two folders in %1 show the same name as the chosen folder caf\ufffd, so no file can be "
                       "written there safely.").arg(parent.path()),
        QStringLiteral("The name of the chosen folder is not valid text (%1), so no file can be written there safely.")
            .arg(lookAlike),
    };
    for (const QString& reason : lostReasons) {
        services.messages.clear();
        services.folderToChoose = QFile::decodeName(odd);
        QVERIFY(!another.run(Declarations(), services));
        QCOMPARE(services.messages.size(), 2);
        QCOMPARE(services.messages[1].text, QStringLiteral("The colour scheme was not saved.\n\n") + reason);
        QVERIFY(QDir(lookAlike).removeRecursively());
    }
    QVERIFY(access(odd + "/colors.DAT", F_OK) != 0);
    // A twin on the way is named as such, the chosen folder as chosen.
    const QString inside = lookAlike + QStringLiteral("/scheme");
    QVERIFY(QDir().mkpath(inside));
    services.folderToChoose = inside;
    QVERIFY(!another.run(Declarations(), services));
    QCOMPARE(services.messages.last().text,
             QStringLiteral("The colour scheme was not saved.\n\nTwo folders in %1 show the same name caf\ufffd, on the "
                            "way to the chosen folder %2, so no file can be written there safely.")
                 .arg(parent.path(), inside));
    // A file by the odd name is no folder a chooser shows: the real one is taken.
    QCOMPARE(::rmdir(odd.constData()), 0); // Qt would look for it under its look-alike name
    QCOMPARE(::close(::open(odd.constData(), O_CREAT | O_WRONLY, 0644)), 0);
    services.folderToChoose = inside;
    QVERIFY(another.run(Declarations(), services));
    QCOMPARE(readAll(inside + QStringLiteral("/colors.DAT")), kSchemeAtStart);
    QCOMPARE(::unlink(odd.constData()), 0);
#endif
}

QTEST_GUILESS_MAIN(TestExport)
#include "tst_export.moc"
