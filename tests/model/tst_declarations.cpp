// SPDX-License-Identifier: MIT
#include "declarations.h"

#include <QtTest>

class TestDeclarations : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startValues();
    void selectionLoadsTheSlotsPieces();
    void storingNeedsASelectionAndIsCanonical();
    void regionNames();
};

void TestDeclarations::startValues()
{
    Declarations scheme;
    QCOMPARE(scheme.CurrentObject, std::int16_t(-1));
    QVERIFY(!scheme.hasSelection());
    const std::array<std::string, 4> start = {"FFFFFF", "FFFFFF", "FFFFFF", "000000"};
    QCOMPARE(scheme.SchemeColour, start);
}

void TestDeclarations::selectionLoadsTheSlotsPieces()
{
    Declarations scheme;
    scheme.SchemeColour[Declarations::Background] = "C6D6FD";
    const Math::ChannelTexts channels = scheme.select(Declarations::Background);
    QCOMPARE(scheme.CurrentObject, std::int16_t(1));
    QCOMPARE(channels.red, std::string("C6"));
    QCOMPARE(channels.green, std::string("D6"));
    QCOMPARE(channels.blue, std::string("FD"));

    QCOMPARE(scheme.select(Declarations::Borders).red, std::string("00"));

    // Selecting nothing is not a selection: the current one stays.
    const Math::ChannelTexts none = scheme.select(Declarations::NoObject);
    QCOMPARE(scheme.CurrentObject, std::int16_t(3));
    QVERIFY(none.red.empty() && none.green.empty() && none.blue.empty());
}

void TestDeclarations::storingNeedsASelectionAndIsCanonical()
{
    Declarations scheme;
    const auto start = scheme.SchemeColour;
    scheme.storeSelected(Math::Rgb(1, 2, 3));
    QCOMPARE(scheme.SchemeColour, start);

    scheme.select(Declarations::ChatBackground);
    scheme.storeSelected(Math::Rgb(254, 10, 0));
    QCOMPARE(scheme.SchemeColour[Declarations::ChatBackground], std::string("FE0A00"));
    QCOMPARE(scheme.SchemeColour[Declarations::Background], std::string("FFFFFF"));
}

void TestDeclarations::regionNames()
{
    QCOMPARE(Declarations::regionName(Declarations::AbsoluteBackground), "Absolute BackGround");
    QCOMPARE(Declarations::regionName(Declarations::Background), "BackGround");
    QCOMPARE(Declarations::regionName(Declarations::ChatBackground), "Chat BackGround");
    QCOMPARE(Declarations::regionName(Declarations::Borders), "Borders");
}

QTEST_GUILESS_MAIN(TestDeclarations)
#include "tst_declarations.moc"
