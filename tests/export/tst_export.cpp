#include "fakeruntime.h"
#include "filesizelimit.h"
#include "savecommand.h"
#include "schemefile.h"

#include <QtTest>

namespace {

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
    void failedSaveKeepsTheOldFileAndWarns();
    void saveIntoAMissingDirectoryWarns();
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
    QVERIFY(SaveCommand::run(scheme, runtime));
    QCOMPARE(runtime.savedScheme(), kSchemeAtStart);
    QCOMPARE(runtime.messages.size(), 1);
    QCOMPARE(runtime.messages[0].icon, toolkit::Runtime::Icon::Information);
    QCOMPARE(runtime.messages[0].title, QStringLiteral("Veskoro Designer"));
    QCOMPARE(runtime.messages[0].text, kPlacement);

    // Saving again replaces the file with the same bytes, and leaves nothing else behind.
    QVERIFY(SaveCommand::run(scheme, runtime));
    QCOMPARE(runtime.savedScheme(), kSchemeAtStart);
    QCOMPARE(runtime.directoryEntries(), QStringList{"colors.DAT"});

    scheme.select(Declarations::ChatBackground);
    scheme.storeSelected(Math::Rgb(254, 255, 255));
    QVERIFY(SaveCommand::run(scheme, runtime));
    QVERIFY(runtime.savedScheme().endsWith("\r\n#FEFFFF ; chat background\r\n"));
}

void TestExport::failedSaveKeepsTheOldFileAndWarns()
{
    FakeRuntime runtime;
    const QByteArray old = "; my previous scheme\r\n#123456 ; background\r\n";
    writeFile(runtime.schemePath(), old);

    // The disk fills up partway: every write beyond a few bytes fails.
    bool saved = true;
    {
        const FileSizeLimit diskFull(100);
        saved = SaveCommand::run(Declarations(), runtime);
    }
    QVERIFY(!saved);
    QCOMPARE(runtime.savedScheme(), old);
    QCOMPARE(runtime.directoryEntries(), QStringList{"colors.DAT"});
    QCOMPARE(runtime.messages.size(), 1);
    const FakeRuntime::Message& warning = runtime.messages[0];
    QCOMPARE(warning.icon, toolkit::Runtime::Icon::Warning);
    QCOMPARE(warning.title, QStringLiteral("Veskoro Designer"));
    QVERIFY2(warning.text.contains(QStringLiteral("not saved")), qPrintable(warning.text));
    QVERIFY2(warning.text.contains(QDir::toNativeSeparators(runtime.schemePath())), qPrintable(warning.text));
    QVERIFY2(warning.text.contains(QStringLiteral("too large"), Qt::CaseInsensitive), qPrintable(warning.text));
}

void TestExport::saveIntoAMissingDirectoryWarns()
{
    class GoneDirectory : public FakeRuntime {
    public:
        QString applicationDirectory() const override
        {
            return FakeRuntime::applicationDirectory() + QStringLiteral("/removed");
        }
    } runtime;

    QVERIFY(!SaveCommand::run(Declarations(), runtime));
    QCOMPARE(runtime.messages.size(), 1);
    QCOMPARE(runtime.messages[0].icon, toolkit::Runtime::Icon::Warning);
    QVERIFY(runtime.messages[0].text.contains(QStringLiteral("/removed/colors.DAT")));
    QVERIFY(runtime.directoryEntries().isEmpty());
}

QTEST_GUILESS_MAIN(TestExport)
#include "tst_export.moc"
