// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// A car's earlier visits: the file that keeps them and the lines a report lists.
#include "ui/model/VisitHistory.h"

#include "common/Errors.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

QDateTime at(int month, int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(2026, month, day), QTime(hour, minute, second));
}

} // namespace

TEST(VisitHistory, AVisitIsAddedOrReplacesItsSecondAndEveryOtherLineStays)
{
    const struct {
        const char* before; // nullptr: no file yet
        Visit visit;
        QByteArray after;
    } cases[] = {
        { nullptr, { at(3, 5, 14, 7, 33), 'B', { "112", "023" } },
            "2026-03-05T14:07:33 B 112 023\n" },
        // A second visit: one line more, the first one as it was.
        { "2026-03-05T14:07:33 B 112 023\n", { at(3, 6, 9, 0), 'D', {} },
            "2026-03-05T14:07:33 B 112 023\n2026-03-06T09:00:00 D\n" },
        // The same second again: its line is replaced where it stands.
        { "2026-03-05T14:07:33 B 112\r\n2026-03-06T09:00:00 D\r\n",
            { at(3, 5, 14, 7, 33), 'B', { "999" } },
            "2026-03-05T14:07:33 B 999\n2026-03-06T09:00:00 D\n" },
        // Lines this version can't read are kept, also one that looks like a visit.
        { "# seen by a later version\n2026-13-01T00:00:00 B 112\n2026-03-01T08:00:00 X 1\n",
            { at(3, 7, 8, 0), 'B', { "023" } },
            "# seen by a later version\n2026-13-01T00:00:00 B 112\n2026-03-01T08:00:00 X 1\n"
            "2026-03-07T08:00:00 B 023\n" },
    };
    for (const auto& c : cases) {
        TempDir dir;
        const QString path = dir.file("visits.txt");
        if (c.before)
            dir.write("visits.txt", c.before);
        VisitHistory::record(path, c.visit);
        EXPECT_EQ(dir.read("visits.txt"), c.after) << (c.before ? c.before : "(none)");
        EXPECT_TRUE(VisitHistory::load(path).contains(c.visit));
    }
    // A folder that is not there: the error names the file, and nothing is written.
    TempDir dir;
    const QString missing = dir.file("gone/visits.txt");
    try {
        VisitHistory::record(missing, { at(3, 5, 14, 7), 'B', {} });
        ADD_FAILURE() << "no error";
    } catch (const VeskorError& e) {
        EXPECT_TRUE(e.message().contains(missing)) << qPrintable(e.message());
    }
    EXPECT_TRUE(VisitHistory::load(missing).isEmpty());
}

TEST(VisitHistory, AReportListsTheVisitsBeforeItsOwnNewestFirstInRussian)
{
    const QList<Visit> visits = VisitHistory::parse("2026-01-10T09:30:00 B\n"
                                                    "2026-03-05T14:07:00 B 112 023\n"
                                                    "garbage\n"
                                                    "2026-02-01T10:00:00 D 999\n"
                                                    "2026-03-20T08:00:00 B 111\n");
    ASSERT_EQ(visits.size(), 4);
    const struct {
        QDateTime time;
        int count;
        QString text;
    } cases[] = {
        { at(3, 20, 8, 0), 10,
            "05 мар. 2026 14:07 — 112, 23\n01 февр. 2026 10:00 — самотест: 999\n"
            "10 янв. 2026 09:30 — кодов нет" },
        { at(3, 20, 8, 0), 1, "05 мар. 2026 14:07 — 112, 23" },
        { at(12, 1, 0, 0), 2, "20 мар. 2026 08:00 — 111\n05 мар. 2026 14:07 — 112, 23" },
        { at(1, 10, 9, 30), 10, "" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(VisitHistory::text(VisitHistory::earlier(visits, c.time, c.count)), c.text)
            << qPrintable(c.time.toString());
}
