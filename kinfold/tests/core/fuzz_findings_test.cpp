// Inputs the fuzz targets found troublesome, kept as regression cases.
#include <gtest/gtest.h>
#include <string>
#include "birthdays/GedcomReader.h"

TEST(FuzzFindingsGedcom, LevelWithManyDigitsInTheHeader)
{
    // The header scan once multiplied a level of twelve digits past the int range.
    const char bytes[] =
        "0 \x01""\x00""\x00""@\n"
        "1 CHAR UTF-8\n"
        "0 @I1@ INDI\n"
        "144444444444\xda""4444444444 NAME John /Smith/\n"
        "1 BIRT\n"
        "2 DA@I2INDI\n"
        "1 NAME Mary /Jones/\n"
        "1 BIRT\n"
        "2 DATE @#DJULIAN@ 5 @I1@FEB 1650\n"
        "0 @F1@ FAM\n"
        "1 HUSB @I1@\n"
        "1 WIF\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""E @I2@ INDI\n"
        "1 NAME Ma2y /Jones/\n"
        "2 BTRLR\n"
        "";
    BirthdayList list;
    GedcomImportStats stats = ImportGedcom(std::string(bytes, sizeof bytes - 1), list);
    EXPECT_EQ(stats.individuals, 1);
}

TEST(FuzzFindingsGedcom, DeepLevelIsNotReadAsTheCharacterSetLine)
{
    // 4294967297 wraps round to 1 in 32 bits: it must not name the character set.
    auto nameUnder = [](const std::string& charLine) {
        BirthdayList list;
        ImportGedcom("0 HEAD\n" + charLine + "\n0 @I1@ INDI\n1 NAME J\xe2ose /Ng/\n1 BIRT\n2 DATE 1 JAN 1950\n", list);
        return list.GetCount() == 1 ? list[0].text : CString("?");
    };
    EXPECT_NE(nameUnder("4294967297 CHAR ANSEL"), nameUnder("1 CHAR ANSEL"));
    EXPECT_EQ(nameUnder("4294967297 CHAR ANSEL"), nameUnder("2 CHAR ANSEL"));
}
