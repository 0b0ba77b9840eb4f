// SPDX-License-Identifier: MIT
#include "colourmath.h"

#include <QtTest>

class TestMath : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void hexToDec_data();
    void hexToDec();
    void formatChannel_data();
    void formatChannel();
    void everyValueSurvivesFormattingAndReading();
    void decomposeColour_data();
    void decomposeColour();
    void packingAndColourText();
};

void TestMath::hexToDec_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("textAfter");

    QTest::newRow("FF") << QByteArray("FF") << 255 << QByteArray("FF");
    QTest::newRow("00") << QByteArray("00") << 0 << QByteArray("00");
    QTest::newRow("C6") << QByteArray("C6") << 198 << QByteArray("C6");
    QTest::newRow("0A") << QByteArray("0A") << 10 << QByteArray("0A");
    QTest::newRow("one character is widened") << QByteArray("F") << 15 << QByteArray("0F");
    QTest::newRow("one digit is widened") << QByteArray("9") << 9 << QByteArray("09");
    QTest::newRow("lower case ff") << QByteArray("ff") << 255 << QByteArray("ff");
    QTest::newRow("mixed case fF") << QByteArray("fF") << 255 << QByteArray("fF");
    QTest::newRow("lower case ab") << QByteArray("ab") << 171 << QByteArray("ab");
    QTest::newRow("empty") << QByteArray("") << 0 << QByteArray("");
    QTest::newRow("only two characters count") << QByteArray("1FF") << 31 << QByteArray("1FF");
    QTest::newRow("letter beyond F counts 0") << QByteArray("G7") << 7 << QByteArray("G7");
    QTest::newRow("minus sign counts 0") << QByteArray("-5") << 5 << QByteArray("-5");
    QTest::newRow("space counts 0") << QByteArray(" 7") << 7 << QByteArray(" 7");
    QTest::newRow("high byte counts 0") << QByteArray("\xE9" "7") << 7 << QByteArray("\xE9" "7");
    QTest::newRow("one non-digit") << QByteArray("?") << 0 << QByteArray("0?");
}

void TestMath::hexToDec()
{
    QFETCH(QByteArray, text);
    QFETCH(int, value);
    QFETCH(QByteArray, textAfter);

    std::string channel = text.toStdString();
    QCOMPARE(int(Math::HexToDec(channel)), value);
    QCOMPARE(QByteArray::fromStdString(channel), textAfter);
}

void TestMath::formatChannel_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("twoDigits");

    QTest::newRow("0") << 0 << QByteArray("0") << QByteArray("00");
    QTest::newRow("10") << 10 << QByteArray("A") << QByteArray("0A");
    QTest::newRow("15") << 15 << QByteArray("F") << QByteArray("0F");
    QTest::newRow("16") << 16 << QByteArray("10") << QByteArray("10");
    QTest::newRow("171") << 171 << QByteArray("AB") << QByteArray("AB");
    QTest::newRow("255") << 255 << QByteArray("FF") << QByteArray("FF");
}

void TestMath::formatChannel()
{
    QFETCH(int, value);
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, twoDigits);

    QCOMPARE(QByteArray::fromStdString(Math::FormatChannel(value)), text);
    QCOMPARE(QByteArray::fromStdString(Math::TwoDigitChannel(value)), twoDigits);
}

void TestMath::everyValueSurvivesFormattingAndReading()
{
    for (int value = 0; value <= 255; ++value) {
        std::string shortText = Math::FormatChannel(value);
        std::string longText = Math::TwoDigitChannel(value);
        QCOMPARE(int(Math::HexToDec(shortText)), value);
        QCOMPARE(int(Math::HexToDec(longText)), value);
    }
}

void TestMath::decomposeColour_data()
{
    QTest::addColumn<QByteArray>("colour");
    QTest::addColumn<QByteArray>("red");
    QTest::addColumn<QByteArray>("green");
    QTest::addColumn<QByteArray>("blue");

    QTest::newRow("six digits") << QByteArray("C6D6FD") << QByteArray("C6") << QByteArray("D6")
                                << QByteArray("FD");
    QTest::newRow("four characters") << QByteArray("00FF") << QByteArray("00") << QByteArray("FF")
                                     << QByteArray("FF");
    QTest::newRow("one character") << QByteArray("A") << QByteArray("A") << QByteArray("")
                                   << QByteArray("A");
    QTest::newRow("empty") << QByteArray("") << QByteArray("") << QByteArray("") << QByteArray("");
}

void TestMath::decomposeColour()
{
    QFETCH(QByteArray, colour);
    QFETCH(QByteArray, red);
    QFETCH(QByteArray, green);
    QFETCH(QByteArray, blue);

    const Math::ChannelTexts channels = Math::DecomposeColour(colour.toStdString());
    QCOMPARE(QByteArray::fromStdString(channels.red), red);
    QCOMPARE(QByteArray::fromStdString(channels.green), green);
    QCOMPARE(QByteArray::fromStdString(channels.blue), blue);
}

void TestMath::packingAndColourText()
{
    const std::uint32_t packed = Math::PackColour("12", "34", "56");
    QCOMPARE(packed, std::uint32_t(0x563412));
    QCOMPARE(Math::Red(packed), 0x12);
    QCOMPARE(Math::Green(packed), 0x34);
    QCOMPARE(Math::Blue(packed), 0x56);

    // The texts are read as the boxes would be: one character widened.
    QCOMPARE(Math::PackColour("F", "", "ff"), Math::Rgb(15, 0, 255));

    QCOMPARE(Math::ColourText(Math::Rgb(254, 255, 255)), std::string("FEFFFF"));
    QCOMPARE(Math::ColourText(Math::Rgb(10, 0, 171)), std::string("0A00AB"));
}

QTEST_GUILESS_MAIN(TestMath)
#include "tst_math.moc"
