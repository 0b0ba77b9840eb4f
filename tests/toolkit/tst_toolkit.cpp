// SPDX-License-Identifier: MIT
#include "clicktarget.h"
#include "fileoutput.h"
#include "programdirectory.h"
#include "programservices.h"
#include "shape.h"
#include "twips.h"

#include <QtTest>

#include <QButtonGroup>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPushButton>

#ifdef Q_OS_UNIX
#include "filesizelimit.h"

#include <sys/stat.h>
#endif

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestToolkit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void twipsToPixels();
    void shapeDrawsFillAndOutline();
    void shapeRepaintsOnlyOnRealChange();
    void clickTargetReportsItsIndexAndDrawsNothing();
    void atomicWriteReplacesWhole();
#ifdef Q_OS_UNIX
    void failedWriteLeavesTheOldFileAndSaysWhy(); // a file-size limit is a Unix resource limit
#endif
    void failedWriteIntoMissingOrBlockedPath();
    void programDirectory_data();
    void programDirectory();
    void realMessageBoxes();
};

void TestToolkit::twipsToPixels()
{
    QCOMPARE(toolkit::twipsToPixels(15), 1);
    QCOMPARE(toolkit::twipsToPixels(10230), 682);
    QCOMPARE(toolkit::toPixels({-120, -120, 9015, 6015}), QRect(-8, -8, 601, 401));

    QWidget widget;
    toolkit::place(&widget, "Mix", {120, 1800, 1215, 255});
    QCOMPARE(widget.objectName(), QStringLiteral("Mix"));
    QCOMPARE(widget.geometry(), QRect(8, 120, 81, 17));
}

void TestToolkit::shapeDrawsFillAndOutline()
{
    QWidget host;
    host.resize(100, 100);
    toolkit::Shape outlined(0x0000FF, toolkit::Shape::Outline::Drawn, &host);
    outlined.setGeometry(0, 0, 40, 40);
    toolkit::Shape bare(0x00FF00, toolkit::Shape::Outline::None, &host);
    bare.setGeometry(50, 0, 40, 40);

    QImage image = host.grab().toImage();
    QCOMPARE(image.pixelColor(20, 20), QColor(255, 0, 0));
    QCOMPARE(image.pixelColor(0, 20), host.palette().color(QPalette::WindowText));
    QCOMPARE(image.pixelColor(70, 20), QColor(0, 255, 0));
    QCOMPARE(image.pixelColor(50, 20), QColor(0, 255, 0));

    outlined.setBorderColour(0x563412);
    bare.setBorderColour(0x563412);
    image = host.grab().toImage();
    QCOMPARE(image.pixelColor(39, 20), QColor(0x12, 0x34, 0x56));
    QCOMPARE(image.pixelColor(20, 20), QColor(255, 0, 0));
    QCOMPARE(image.pixelColor(50, 20), QColor(0, 255, 0));
    QCOMPARE(bare.borderColour(), QColor(0x12, 0x34, 0x56));
}

void TestToolkit::shapeRepaintsOnlyOnRealChange()
{
    QWidget host;
    host.resize(100, 100);
    toolkit::Shape shape(0xFFFFFF, toolkit::Shape::Outline::Drawn, &host);
    shape.setGeometry(10, 10, 50, 50);
    toolkit::Shape bare(0xFFFFFF, toolkit::Shape::Outline::None, &host);
    bare.setGeometry(60, 10, 30, 30);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    PaintCounter paints(&shape);
    PaintCounter barePaints(&bare);

    shape.setFillColour(0xFFFFFF);
    shape.setBorderColour(0x000000); // the default outline is already black
    bare.setBorderColour(0x123456);  // no outline to show it
    QCoreApplication::processEvents();
    QCOMPARE(paints.count, 0);
    QCOMPARE(barePaints.count, 0);

    shape.setFillColour(0x010101);
    QTRY_COMPARE(paints.count, 1);
    shape.setBorderColour(0x0000FF);
    QTRY_COMPARE(paints.count, 2);
    shape.setBorderColour(0x0000FF);
    shape.setFillColour(0x010101);
    QCoreApplication::processEvents();
    QCOMPARE(paints.count, 2);
}

void TestToolkit::clickTargetReportsItsIndexAndDrawsNothing()
{
    QWidget host;
    host.resize(100, 100);
    toolkit::Shape under(0x0000FF, toolkit::Shape::Outline::None, &host);
    under.setGeometry(0, 0, 100, 100);
    toolkit::ClickTarget target(&host);
    target.setGeometry(10, 10, 50, 50);
    // As an item of a control array, index 3.
    QButtonGroup array;
    array.addButton(&target, 3);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));

    QCOMPARE(host.grab().toImage().pixelColor(30, 30), QColor(255, 0, 0));

    QSignalSpy clicks(&array, &QButtonGroup::idClicked);
    QTest::mouseClick(&target, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(clicks.takeFirst().at(0).toInt(), 3);

    QTest::mouseClick(&target, Qt::RightButton, {}, QPoint(5, 5));
    QTest::mousePress(&target, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&target, Qt::LeftButton, {}, QPoint(80, 5)); // let go outside
    QCOMPARE(clicks.count(), 0);
}

void TestToolkit::atomicWriteReplacesWhole()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("colors.DAT"));
    writeFile(path, QByteArray(5000, 'x'));

    const QByteArray bytes("#FFFFFF ; background\r\n\xA9\r\n");
    const toolkit::WriteResult result = toolkit::writeFileAtomically(path, bytes);
    QCOMPARE(result.failure, QString());
    QCOMPARE(result.unconfirmed, QString());
    QCOMPARE(readAll(path), bytes);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"colors.DAT"});
}

#ifdef Q_OS_UNIX
void TestToolkit::failedWriteLeavesTheOldFileAndSaysWhy()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("colors.DAT"));
    const QByteArray old("the old scheme\r\n");
    writeFile(path, old);

    // The program's own services keep the process alive past the limit.
    toolkit::ProgramServices services;
    QString error;
    {
        const FileSizeLimit limit(64);
        error = services.writeTextFile(path, QByteArray(4096, 'y')).failure;
    }
    QVERIFY2(error.contains(QStringLiteral("too large"), Qt::CaseInsensitive), qPrintable(error));
    QCOMPARE(readAll(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"colors.DAT"});
}
#endif

void TestToolkit::failedWriteIntoMissingOrBlockedPath()
{
    QTemporaryDir dir;

    const QString missing = dir.filePath(QStringLiteral("gone/colors.DAT"));
    QVERIFY(!toolkit::writeFileAtomically(missing, "x").written());
    QVERIFY(!QFile::exists(missing));

    // A relative path would depend on the working directory: refused.
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    const toolkit::WriteResult relative = toolkit::writeFileAtomically(QStringLiteral("colors.DAT"), "x");
    QVERIFY(QDir::setCurrent(previous));
    QCOMPARE(relative.failure, QStringLiteral("colors.DAT is not an absolute path."));
    QVERIFY(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));

    // A directory where the file should go is left as it stands, contents and all.
    const QString blocked = dir.filePath(QStringLiteral("colors.DAT"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("colors.DAT")));
    writeFile(blocked + QStringLiteral("/inside"), "kept");
    const QString error = toolkit::writeFileAtomically(blocked, "x").failure;
    QVERIFY2(error.contains(QStringLiteral("directory"), Qt::CaseInsensitive), qPrintable(error));
    QVERIFY(QFileInfo(blocked).isDir());
    QCOMPARE(readAll(blocked + QStringLiteral("/inside")), QByteArray("kept"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"colors.DAT"});
}

void TestToolkit::programDirectory_data()
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

void TestToolkit::programDirectory()
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
    QVERIFY2(found.problem.contains(QDir::toNativeSeparators(QString(problem).replace(QStringLiteral("ROOT"), root.path()))),
             qPrintable(found.problem));
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

// The real boxes, answered as a person would once they are up.
void TestToolkit::realMessageBoxes()
{
    toolkit::ProgramServices services;
    struct Seen {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title, text;
        QStringList buttons;
        QString defaultButton;
        int width = 0;
    } seen;
    const auto answer = [&seen](const QString& press) {
        QTimer::singleShot(0, [&seen, press] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            seen = {box->icon(), box->windowTitle(), box->text(), {},
                    box->defaultButton() ? box->defaultButton()->text().remove(u'&') : QString(), box->width()};
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
    // bold title-bar font, with room for an icon and three window buttons.
    answer(QStringLiteral("OK"));
    const QString title = QStringLiteral("Veskoro Designer - About");
    services.showMessage(toolkit::ProgramServices::Icon::Information, title, QStringLiteral("Made by"));
    QFont titleFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    titleFont.setBold(true);
    QVERIFY(seen.width >= QFontMetrics(titleFont).horizontalAdvance(title) + 4 * 16);

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

    // Exit ends the program as a success.
    QTimer::singleShot(0, [&services] { services.end(); });
    QCOMPARE(QCoreApplication::exec(), 0);
}

QTEST_MAIN(TestToolkit)
#include "tst_toolkit.moc"
