// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "vehicles/EcuDatabase.h"

#include "common/Texts.h"
#include "vehicles/CalibrationScramble.h"
#include "vehicles/EcuInfo.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

// A database line with the given code in field 10; fields 1 to 9 name themselves.
QString line(const QString& code, const QString& model = QStringLiteral("Sierra"),
    const QString& pats = QStringLiteral("0"))
{
    return QStringLiteral("x,%1,hw,2.0,1989-1993,pc,fin,cat,%2,strat,%3").arg(model, pats, code);
}

EcuProfiles load(const QStringList& lines)
{
    EcuProfiles profiles;
    addEcuDatabaseLines(profiles, lines);
    return profiles;
}

QString u8(const char* s)
{
    return QString::fromUtf8(s);
}

} // namespace

TEST(EcuDatabase, CodesAreHexadecimalInEitherCase)
{
    const EcuProfiles profiles = load({ line("1A2B") });
    EXPECT_EQ(profiles.count(), 1);
    ASSERT_NE(profiles.at(6699), nullptr);
    EXPECT_EQ(profiles.find(u"1a2b"), profiles.at(6699));
    EXPECT_EQ(profiles.find(u"1A2B"), profiles.at(6699));
    EXPECT_EQ(profiles.find(u"00001a2b"), profiles.at(6699));
    EXPECT_EQ(profiles.find(u"$1A2B"), nullptr);
    EXPECT_EQ(profiles.find(u" 1A2B"), nullptr);
    EXPECT_EQ(profiles.find(u""), nullptr);
}

TEST(EcuDatabase, FieldsFillTheRecordInOrder)
{
    const EcuProfiles profiles = load({ u8("0,\"Ford Sierra 2.0i\",HW1,\"2.0 л\",1989-1993,"
                                           "PC7,FIN8,CAT9,1,STR5,4BAA,ignored,more") });
    const TEECProfile* p = profiles.find(u"4BAA");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->Model, "Ford Sierra 2.0i");
    EXPECT_EQ(p->Hw, "HW1");
    EXPECT_EQ(p->Disp, u8("2.0 л"));
    EXPECT_EQ(p->Years, "1989-1993");
    EXPECT_EQ(p->ProductCode, "PC7");
    EXPECT_EQ(p->FINIS, "FIN8");
    EXPECT_EQ(p->CatchCode, "CAT9");
    EXPECT_TRUE(p->PATS);
    EXPECT_EQ(p->Strategy, "STR5");
}

TEST(EcuDatabase, TheFirstLineOfACodeWins)
{
    const EcuProfiles profiles = load({ line("4BAA", "first"), line("4baa", "second") });
    EXPECT_EQ(profiles.count(), 1);
    EXPECT_EQ(profiles.find(u"4BAA")->Model, "first");
}

TEST(EcuDatabase, LinesThatDontFitAddNothing)
{
    const EcuProfiles profiles = load({
        "x,Sierra,hw,2.0,1989,pc,fin,cat,0,strat", // 10 fields
        line("0"),
        line("10000"), // 65536
        line("FFFFFFFF"),
        line("123456789"), // beyond 32 bits
        line("4BAG"),
        line("-1"),
        line(""),
        "",
        "\"one quoted line, with commas, blanks and 1A2B, 1, 2, 3, 4, 5, 6, 7, 8, 9\"",
    });
    EXPECT_EQ(profiles.count(), 0);
    const EcuProfiles edges = load({ line("1"), line("FFFF") });
    EXPECT_NE(edges.at(1), nullptr);
    EXPECT_NE(edges.at(65535), nullptr);
    EXPECT_EQ(edges.at(0), nullptr);
    EXPECT_EQ(edges.at(65536), nullptr);
    EXPECT_EQ(edges.at(-1), nullptr);
}

TEST(EcuDatabase, AnUnquotedModelWithABlankShiftsTheFields)
{
    const EcuProfiles quoted = load({ line("4BAA", "\"Ford Sierra\"") });
    ASSERT_NE(quoted.find(u"4BAA"), nullptr);
    EXPECT_EQ(quoted.find(u"4BAA")->Model, "Ford Sierra");
    // Unquoted, "Sierra" becomes field 2 and "strat" field 10, which is no code.
    EXPECT_EQ(load({ line("4BAA", "Ford Sierra") }).count(), 0);
}

TEST(EcuDatabase, OnlyTheTextOneMeansAnImmobiliser)
{
    const EcuProfiles profiles = load({ line("1", "m", "1"), line("2", "m", "0"),
        line("3", "m", ""), line("4", "m", "yes"), line("5", "m", "01") });
    EXPECT_TRUE(profiles.at(1)->PATS);
    for (int code = 2; code <= 5; ++code)
        EXPECT_FALSE(profiles.at(code)->PATS) << code;
}

TEST(EcuDatabase, ScrambledTextIsReadBackWhole)
{
    // More than 256 bytes, so the offsets wrap; UTF-8 with its mark.
    QByteArray text = "\xEF\xBB\xBF";
    for (int code = 1; code <= 20; ++code)
        text += line(QString::number(code, 16), u8("\"Модель ") + QString::number(code) + u8("\""))
                    .toUtf8()
            + "\r\n";
    ASSERT_GT(text.size(), 512);
    QByteArray scrambled = text;
    xorWithOffset(reinterpret_cast<unsigned char*>(scrambled.data()), scrambled.size());
    EXPECT_EQ(static_cast<uchar>(scrambled[256]), static_cast<uchar>(text[256]));
    EXPECT_EQ(static_cast<uchar>(scrambled[257]), static_cast<uchar>(text[257]) ^ 1);
    EXPECT_EQ(scrambled.indexOf("Sierra"), -1);

    EcuProfiles profiles;
    profiles.insert(99, TEECProfile {}); // loading starts from an empty table
    loadEcuDatabaseScrambled(profiles, scrambled);
    EXPECT_EQ(profiles.count(), 20);
    EXPECT_EQ(profiles.at(99), nullptr);
    ASSERT_NE(profiles.at(20), nullptr);
    EXPECT_EQ(profiles.at(20)->Model, u8("Модель 20"));
}

TEST(EcuDatabase, TheProgramCarriesTheDatabaseOnlyScrambled)
{
    QFile source(VESKOR_CALIBRATION_DB_PATH);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray text = source.readAll();
    QFile resource(EcuDatabaseResource);
    ASSERT_TRUE(resource.open(QIODevice::ReadOnly));
    QByteArray stored = resource.readAll();
    EXPECT_NE(stored, text);
    xorWithOffset(reinterpret_cast<unsigned char*>(stored.data()), stored.size());
    EXPECT_EQ(stored, text);

    EcuProfiles profiles;
    EXPECT_TRUE(LoadEcuDatabase(profiles));
    EXPECT_GT(profiles.count(), 0);
}

TEST(EcuDatabase, TheSampleKnowsTheSimulatorsCode)
{
#ifndef VESKOR_SAMPLE_DATABASE_BUILT_IN
    GTEST_SKIP() << "built with a database of its own";
#endif
    EcuProfiles profiles;
    ASSERT_TRUE(LoadEcuDatabase(profiles));
    const TEECProfile* p = profiles.find(u"4BAA");
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(p->Model.contains(u8("образец"))) << p->Model.toStdString();
}

TEST(EcuInfo, ARecordFillsTheTenFieldsInTheOrderShown)
{
    const EcuProfiles profiles = load({ "0,Sierra,HW,2.0,1989,PC,FIN,CAT,1,STR,4BAA" });
    const EcuInfo info = ecuInfoFor(profiles, "4baa");
    EXPECT_TRUE(info.Found);
    QStringList captions, values;
    for (const EcuInfoField& f : info.Fields) {
        captions.append(Texts::text(f.Caption));
        values.append(f.Value);
    }
    EXPECT_EQ(captions,
        (QStringList { u8("Модель:"), u8("Годы выпуска:"), u8("Объем двигателя:"),
            u8("Аппаратная ревизия:"), u8("Стратегия:"), u8("Код продукта:"), u8("Код FINIS:"),
            u8("Код CATCH:"), u8("Код калибровки:"), u8("Иммобилайзер:") }));
    // A bare number of litres gets its unit.
    EXPECT_EQ(values,
        (QStringList {
            "Sierra", "1989", u8("2.0 л"), "HW", "STR", "PC", "FIN", "CAT", "4baa", u8("да") }));
    EXPECT_EQ(ecuInfoFor(load({ line("4BAA") }), "4BAA").Fields[EcuInfo::PATS].Value, u8("нет"));
}

TEST(EcuInfo, AnUnknownCodeShowsNoDataAndABadCodeShowsNothing)
{
    const EcuProfiles profiles = load({ line("4BAA") });
    const EcuInfo unknown = ecuInfoFor(profiles, "1234");
    EXPECT_FALSE(unknown.Found);
    EXPECT_EQ(unknown.Fields[EcuInfo::Model].Value, u8("нет данных"));
    EXPECT_EQ(unknown.Fields[EcuInfo::CalID].Value, "1234");
    EXPECT_TRUE(unknown.Fields[EcuInfo::PATS].Value.isEmpty());

    for (const QString bad : { "", "0", "10000", "XYZ" }) {
        const EcuInfo info = ecuInfoFor(profiles, bad);
        EXPECT_FALSE(info.Found);
        for (int i = 0; i < EcuInfo::FieldCount; ++i)
            EXPECT_EQ(info.Fields[i].Value, i == EcuInfo::CalID ? bad : QString()) << i;
    }
}

TEST(EcuInfo, TheRecordAsTextHasOneCaptionedLinePerField)
{
    const EcuProfiles profiles = load({ "0,\"Ford Sierra\",HW,2.0,1989,PC,FIN,CAT,0,STR,4BAA" });
    const QStringList lines = formatCalibrationRecord(profiles, "4BAA").split(u'\n');
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines[0], u8("Модель: Ford Sierra"));
    EXPECT_EQ(lines[8], u8("Код калибровки: 4BAA"));
    EXPECT_EQ(lines[9], u8("Иммобилайзер: нет"));
    EXPECT_EQ(formatCalibrationRecord(profiles, "1234"), u8("нет данных"));
    EXPECT_EQ(formatCalibrationRecord(profiles, "G"), u8("нет данных"));
}
