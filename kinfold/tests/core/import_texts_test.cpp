// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of one import: same text and another date is another person.
#include <gtest/gtest.h>
#include "birthdays/ImportTexts.h"

TEST(ImportTexts, SuffixByYearThenByDay)
{
    ImportTexts texts;
    EXPECT_EQ(texts.Claim("Henry /Tudor/", CalendarDate(1, 28, 1457)), "Henry /Tudor/");
    EXPECT_EQ(texts.Claim("Henry /Tudor/", CalendarDate(6, 28, 1491)), "Henry /Tudor/ [1491]");
    // The same person recorded twice gets the text the first record got.
    EXPECT_EQ(texts.Claim("Henry /Tudor/", CalendarDate(1, 28, 1457)), "Henry /Tudor/");
    EXPECT_EQ(texts.Claim("Henry /Tudor/", CalendarDate(6, 28, 1491)), "Henry /Tudor/ [1491]");
    // Another person born the same year.
    EXPECT_EQ(texts.Claim("Henry /Tudor/", CalendarDate(3, 2, 1491)), "Henry /Tudor/ [1491-03-02]");
    EXPECT_EQ(texts.Claim("Henry /Tudor/", CalendarDate(3, 2, 1491)), "Henry /Tudor/ [1491-03-02]");
    EXPECT_EQ(texts.Claim("Henry /Tudor/", CalendarDate(10, 12, 1537)), "Henry /Tudor/ [1537]");
    // Years before Christ and before 1000 are written as numbers.
    EXPECT_EQ(texts.Claim("Henry /Tudor/", CalendarDate(3, 15, -44)), "Henry /Tudor/ [-44]");
    EXPECT_EQ(texts.Claim("Henry /Tudor/", CalendarDate(5, 6, -44)), "Henry /Tudor/ [-44-05-06]");
    // Other texts are untouched.
    EXPECT_EQ(texts.Claim("Mary /Tudor/", CalendarDate(3, 18, 1496)), "Mary /Tudor/");
    texts.Clear();
    EXPECT_EQ(texts.Claim("Henry /Tudor/", CalendarDate(6, 28, 1491)), "Henry /Tudor/");
}

TEST(ImportTexts, ARecordWhoseOwnTextLooksSuffixedNeverMerges)
{
    ImportTexts texts;
    EXPECT_EQ(texts.Claim("Ann [1950]", CalendarDate(1, 1, 1960)), "Ann [1950]");
    EXPECT_EQ(texts.Claim("Ann [1950-02-03]", CalendarDate(1, 1, 1970)), "Ann [1950-02-03]");
    EXPECT_EQ(texts.Claim("Ann", CalendarDate(1, 1, 1940)), "Ann");
    // " [1950]" and " [1950-02-03]" are held by people of other dates.
    CString text = texts.Claim("Ann", CalendarDate(2, 3, 1950));
    EXPECT_NE(text, "Ann");
    EXPECT_NE(text, "Ann [1950]");
    EXPECT_NE(text, "Ann [1950-02-03]");
    EXPECT_EQ(text.rfind("Ann [1950-02-03]", 0), 0u);
    EXPECT_EQ(texts.Claim("Ann", CalendarDate(2, 3, 1950)), text);
}

TEST(ImportTexts, BirthdaysWithoutAYearAreKeptApartByTheirDay)
{
    ImportTexts texts;
    EXPECT_EQ(texts.Claim("Jane Doe", CalendarDate(1, 12, 1950)), "Jane Doe");
    EXPECT_EQ(texts.Claim("Jane Doe", CalendarDate(3, 15, 0)), "Jane Doe [--03-15]");
    EXPECT_EQ(texts.Claim("Jane Doe", CalendarDate(3, 15, 0)), "Jane Doe [--03-15]");
    EXPECT_EQ(texts.Claim("Jane Doe", CalendarDate(4, 1, 0)), "Jane Doe [--04-01]");
}
