// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The status bar's texts and glows as the link's events arrive, and the typed reports.
#include "ui/model/LinkStatus.h"

#include "common/Texts.h"
#include "link/LinkReport.h"
#include "link/LinkTypes.h"

#include <gtest/gtest.h>

namespace {

QString t(const char* text)
{
    return Texts::text(text);
}

LinkReport event(int code, int32_t lParam, QString text = {})
{
    LinkReport r = LinkReports::fromEvent(code, lParam);
    r.Text = std::move(text);
    return r;
}

} // namespace

TEST(LinkStatus, StartsDisconnectedAndSearchingAddsADotPerAttempt)
{
    LinkStatus s;
    EXPECT_EQ(s.module(), (StatusText { t(Texts::ModuleDisconnected), Glow::Red }));
    EXPECT_EQ(s.version(), (StatusText { "0.00", Glow::None }));
    EXPECT_EQ(s.workmode(), (StatusText { t(Texts::ModeNoLink), Glow::Red }));
    EXPECT_TRUE(s.apply(event(Link::evSearching, 0)));
    EXPECT_EQ(s.module(), (StatusText { "поиск.", Glow::Yellow }));
    for (int attempt = 1; attempt <= 10; ++attempt)
        s.apply(event(Link::evSearching, attempt));
    EXPECT_EQ(s.module().Text, "поиск" + QString(11, '.'));
    EXPECT_EQ(s.module().Colour, Glow::Yellow);
}

TEST(LinkStatus, ConnectResultEcuLinkAndDisconnect)
{
    LinkStatus s;
    s.apply(event(Link::evConnected, 1, LinkReports::versionText(123, "AB001")));
    EXPECT_EQ(s.module(), (StatusText { t(Texts::ModuleConnected), Glow::Green }));
    EXPECT_EQ(s.version(), (StatusText { "1.23 (AB001)", Glow::None }));
    s.apply(event(Link::evEcuLink, 'c'));
    EXPECT_EQ(s.workmode(), (StatusText { t(Texts::ModeExchange), Glow::Green }));
    for (char state : { 'e', 'w' }) {
        s.apply(event(Link::evEcuLink, 'c'));
        s.apply(event(Link::evEcuLink, state));
        EXPECT_EQ(s.workmode(), (StatusText { t(Texts::ModeNoEecIv), Glow::Red }));
    }
    EXPECT_FALSE(s.apply(event(Link::evEcuLink, 'x'))); // any other byte: nothing
    s.apply(event(Link::evDisconnected, 1));
    EXPECT_EQ(s.module(), (StatusText { t(Texts::ModuleDisconnected), Glow::Red }));
    EXPECT_EQ(s.workmode(), (StatusText { t(Texts::ModeNoLink), Glow::Red }));
    // The version stays until the next connection.
    EXPECT_EQ(s.version().Text, "1.23 (AB001)");
    s.apply(event(Link::evConnected, 0));
    EXPECT_EQ(s.module(), (StatusText { t(Texts::ModuleUnavailable), Glow::Red }));
    EXPECT_EQ(s.workmode(), (StatusText { t(Texts::ModeNoEec), Glow::Red }));
}

// A connection that failed, or a port that failed within an exchange, leaves nothing of
// the module found before: its version, its state and the ECU's.
TEST(LinkStatus, AFailureClearsTheModuleFoundBefore)
{
    struct Case {
        const char* name;
        int code;
        int32_t lParam;
    };
    for (const Case& c : { Case { "no module", Link::evConnected, 0 },
             Case { "port error", Link::evPortError, Link::PortErrorStream },
             Case { "port error in a fault read", Link::evPortError, Link::cmdFaultTest } }) {
        LinkStatus s;
        s.apply(event(Link::evConnected, 1, LinkReports::versionText(123, "AB001")));
        s.apply(event(Link::evEcuLink, 'c'));
        EXPECT_TRUE(s.apply(event(c.code, c.lParam))) << c.name;
        EXPECT_EQ(s.version(), LinkStatus().version()) << c.name;
        EXPECT_EQ(s.module(), (StatusText { t(Texts::ModuleUnavailable), Glow::Red })) << c.name;
        EXPECT_EQ(s.workmode(), (StatusText { t(Texts::ModeNoEec), Glow::Red })) << c.name;
    }
}

TEST(LinkReports, EventsBecomeTypedReports)
{
    EXPECT_EQ(LinkReports::fromEvent(Link::evConnected, 0).Type, LinkReport::NotConnected);
    EXPECT_EQ(LinkReports::fromEvent(Link::evConnected, -1).Type, LinkReport::NotConnected);
    EXPECT_EQ(LinkReports::fromEvent(Link::evConnected, 2).Type, LinkReport::Connected);
    EXPECT_EQ(LinkReports::fromEvent(Link::evFaultTest, 0).Type, LinkReport::FaultTestBegun);
    EXPECT_EQ(LinkReports::fromEvent(Link::evFaultTest, 1).Type, LinkReport::FaultTestEnded);
    EXPECT_EQ(LinkReports::fromEvent(Link::evOptions, 0).Type, LinkReport::OptionsRead);
    EXPECT_EQ(LinkReports::fromEvent(Link::evOptions, 1).Type, LinkReport::OptionsWritten);
    const LinkReport dump = LinkReports::fromEvent(Link::evDumpDone, 65536);
    EXPECT_EQ(dump.Type, LinkReport::DumpDone);
    EXPECT_EQ(dump.Argument, 1); // the tag of the high word
    EXPECT_EQ(LinkReports::fromEvent(Link::evDumpDone, 0).Argument, 0);
    const LinkReport lost = LinkReports::fromEvent(Link::evPortError, Link::PortErrorStream);
    EXPECT_EQ(lost.Type, LinkReport::PortError);
    EXPECT_EQ(lost.Argument, Link::PortErrorStream);
    const LinkReport step
        = LinkReports::fromEvent(Link::evFirmware, Link::firmwareEvent(Link::fwLoaded, 78));
    EXPECT_EQ(step.Step, Link::fwLoaded);
    EXPECT_EQ(step.Argument, 78);
    for (int unused : { 2, 8, 200 })
        EXPECT_EQ(LinkReports::fromEvent(unused, 1).Type, LinkReport::Ignored) << unused;
}

TEST(LinkReports, VersionAndCalibrationTexts)
{
    EXPECT_EQ(LinkReports::versionText(123, "AB001"), "1.23 (AB001)");
    EXPECT_EQ(LinkReports::versionText(5, "X"), "0.05 (X)");
    EXPECT_EQ(LinkReports::calibrationCode(0x504B, 0xA0AA), "4BAA");
    EXPECT_EQ(LinkReports::calibrationCode(0x0001, 0x000F), "010F");
}
