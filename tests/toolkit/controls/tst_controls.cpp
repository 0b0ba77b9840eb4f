// SPDX-License-Identifier: MIT
#include "clicktarget.h"
#include "paintcounter.h"
#include "shape.h"

#include <QtTest>

#include <QButtonGroup>

class TestControls : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void shapeDrawsFillAndOutline();
    void clickTargetReportsItsIndexAndDrawsNothing();
};

void TestControls::shapeDrawsFillAndOutline()
{
    QWidget host;
    host.resize(100, 100);
    toolkit::Shape shape(QColor(255, 0, 0), toolkit::Shape::Outline::Drawn, &host);
    shape.setGeometry(0, 0, 40, 40);
    toolkit::Shape bare(QColor(0, 255, 0), toolkit::Shape::Outline::None, &host);
    bare.setGeometry(50, 0, 40, 40);

    // Outlined in black, the light desktop's text colour, until told otherwise.
    QImage image = host.grab().toImage();
    QCOMPARE(image.pixelColor(20, 20), QColor(255, 0, 0));
    QCOMPARE(image.pixelColor(0, 20), QColor(0, 0, 0));
    QCOMPARE(image.pixelColor(70, 20), QColor(0, 255, 0));
    QCOMPARE(image.pixelColor(50, 20), QColor(0, 255, 0));

    shape.setBorderColour(QColor(0x12, 0x34, 0x56));
    bare.setBorderColour(QColor(0x12, 0x34, 0x56));
    image = host.grab().toImage();
    QCOMPARE(image.pixelColor(39, 20), QColor(0x12, 0x34, 0x56));
    QCOMPARE(image.pixelColor(20, 20), QColor(255, 0, 0));
    QCOMPARE(image.pixelColor(50, 20), QColor(0, 255, 0));
    QCOMPARE(bare.borderColour(), QColor(0x12, 0x34, 0x56));

    // Setting a colour a shape already has repaints nothing.
    shape.setFillColour(Qt::white);
    shape.setBorderColour(Qt::black);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    PaintCounter paints(&shape);
    PaintCounter barePaints(&bare);

    shape.setFillColour(Qt::white);
    shape.setBorderColour(Qt::black);
    bare.setBorderColour(QColor(0x56, 0x34, 0x12)); // no outline to show it
    QCoreApplication::processEvents();
    QCOMPARE(paints.count, 0);
    QCOMPARE(barePaints.count, 0);

    shape.setFillColour(QColor(1, 1, 1));
    QTRY_COMPARE(paints.count, 1);
    shape.setBorderColour(QColor(255, 0, 0));
    QTRY_COMPARE(paints.count, 2);
    shape.setBorderColour(QColor(255, 0, 0));
    shape.setFillColour(QColor(1, 1, 1));
    QCoreApplication::processEvents();
    QCOMPARE(paints.count, 2);
}

void TestControls::clickTargetReportsItsIndexAndDrawsNothing()
{
    QWidget host;
    host.resize(100, 100);
    toolkit::Shape under(QColor(255, 0, 0), toolkit::Shape::Outline::None, &host);
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

    target.clearFocus();
    QTest::mouseClick(&target, Qt::RightButton, {}, QPoint(5, 5));
    QTest::mousePress(&target, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&target, Qt::LeftButton, {}, QPoint(80, 5)); // let go outside
    QCOMPARE(clicks.count(), 0);
    // Nor does it take the focus, even where no move took the pointer off.
    QVERIFY(host.focusWidget() != &target);
}

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
