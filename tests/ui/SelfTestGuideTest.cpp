// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The self-test's verdict in words: which results pass, and the number of codes found in
// the form the window's language gives it.
#include "ui/model/SelfTestGuide.h"

#include "common/UiLanguage.h"

#include <gtest/gtest.h>

TEST(SelfTestGuide, TheVerdictNamesPassFoundCodesAndSilenceInWords)
{
    using O = Link::FaultTestOutcome;
    using K = VerdictKind;
    const struct {
        O outcome;
        QStringList entries;
        K kind;
        const char* text;
    } cases[] = {
        { O::ftoAnswered, {}, K::Pass, "Неисправностей не найдено" },
        { O::ftoAnswered, { "111" }, K::Pass, "Неисправностей не найдено" },
        // An ECU of two-digit codes passes with 11.
        { O::ftoAnswered, { "011" }, K::Pass, "Неисправностей не найдено" },
        // The pass code of the test counts no fault beside the memory's codes.
        { O::ftoAnswered, { "111", "112" }, K::Found, "Найден 1 код" },
        { O::ftoAnswered, { "211", "311" }, K::Found, "Найдено 2 кода" },
        { O::ftoAnswered, { "0A3", "000", "211", "311", "411" }, K::Found, "Найдено 5 кодов" },
        { O::ftoAnswered, { "999" }, K::NoList, "ЭБУ завершил тест без списка кодов" },
        { O::ftoSilent, {}, K::NoAnswer, "ЭБУ не ответил" },
        { O::ftoNotTaken, { "111" }, K::NoAnswer, "ЭБУ не ответил" },
        { O::ftoCancelled, { "111" }, K::Cancelled, "Самотест прерван" },
        { O::ftoPortLost, {}, K::PortLost, "Связь с адаптером потеряна" },
    };
    for (const auto& c : cases) {
        const SelfTestVerdict v = SelfTestGuide::verdict(c.outcome, c.entries);
        EXPECT_EQ(v.Kind, c.kind) << c.text;
        EXPECT_EQ(v.Text, QString::fromUtf8(c.text)) << qPrintable(c.entries.join(','));
    }
}

TEST(SelfTestGuide, TheNumberOfCodesTakesItsRussianForm)
{
    const struct {
        int codes;
        const char* text;
    } cases[] = {
        { 1, "Найден 1 код" },
        { 2, "Найдено 2 кода" },
        { 4, "Найдено 4 кода" },
        { 5, "Найдено 5 кодов" },
        { 11, "Найдено 11 кодов" },
        { 12, "Найдено 12 кодов" },
        { 14, "Найдено 14 кодов" },
        { 21, "Найден 21 код" },
        { 22, "Найдено 22 кода" },
        { 25, "Найдено 25 кодов" },
        { 101, "Найден 101 код" },
        { 111, "Найдено 111 кодов" },
        { 112, "Найдено 112 кодов" },
        { 208, "Найдено 208 кодов" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(SelfTestGuide::foundText(c.codes), QString::fromUtf8(c.text)) << c.codes;
}

namespace {

// Leaves the Russian window every other test expects, whatever language a test installed.
class SelfTestGuideLanguage : public ::testing::Test {
protected:
    void TearDown() override { Languages::install(UiLanguage::Russian); }
};

} // namespace

TEST_F(SelfTestGuideLanguage, TheNumberOfCodesTakesTheFormOfTheLanguage)
{
    using L = UiLanguage;
    const struct {
        L language;
        int codes;
        const char* text;
    } cases[] = {
        // English has one form for 1 and another for every other number, 21 and 101 too.
        { L::English, 1, "Found 1 code" },
        { L::English, 2, "Found 2 codes" },
        { L::English, 5, "Found 5 codes" },
        { L::English, 11, "Found 11 codes" },
        { L::English, 21, "Found 21 codes" },
        { L::English, 22, "Found 22 codes" },
        { L::English, 101, "Found 101 codes" },
        // Back in Russian the three forms return as they were.
        { L::Russian, 1, "Найден 1 код" },
        { L::Russian, 21, "Найден 21 код" },
        { L::Russian, 22, "Найдено 22 кода" },
        { L::Russian, 25, "Найдено 25 кодов" },
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Languages::install(c.language).isEmpty());
        EXPECT_EQ(SelfTestGuide::foundText(c.codes).toStdString(), c.text)
            << Languages::code(c.language).toStdString() << ' ' << c.codes;
    }
}
