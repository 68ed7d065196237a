// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "WidgetTestSupport.h"
#include "widgets/TFordGauge.h"
#include "widgets/TFordPanel.h"
#include "widgets/TFordValue.h"
#include "widgets/TLabel.h"
#include "widgets/WidgetRegistry.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

// Counts the messages that reach it and may answer with a result.
class Recorder : public TControl {
public:
    using TControl::TControl;
    void message(TMessage& msg) override
    {
        received.append(int(msg.type()));
        msg.Result = answer;
    }
    QList<int> received;
    int64_t answer = 0;
};

TFordValue* valueLabel(QWidget* parent, quint8 pid)
{
    auto* label = new TFordValue(parent);
    label->setPID(pid);
    label->setLabelFormat("%.1f");
    return label;
}

} // namespace

TEST(Panel, HandsTheValueToEveryDirectChildBoundToThePid)
{
    TFordPanel panel;
    TFordValue* a = valueLabel(&panel, 5);
    TFordValue* b = valueLabel(&panel, 5);
    TFordValue* other = valueLabel(&panel, 6);
    new TLabel(&panel); // knows no message
    auto* container = new TControl(&panel);
    TFordValue* nested = valueLabel(container, 5);
    TFordValue detached;
    detached.setPID(5);
    detached.setLabelFormat("%.1f");

    sendPid(panel, 5, 12.5f);
    EXPECT_EQ(a->Caption(), "12.5");
    EXPECT_EQ(b->Caption(), "12.5");
    EXPECT_EQ(other->Caption(), "---");
    EXPECT_EQ(nested->Caption(), "---");
    EXPECT_EQ(detached.Caption(), "---");

    sendPid(panel, 77, 3.0f); // bound to nothing
    EXPECT_EQ(a->Caption(), "12.5");
    EXPECT_EQ(other->Caption(), "---");
}

TEST(Panel, WidgetBoundToPidZeroTakesTheRefreshAsAValue)
{
    TFordPanel panel;
    TFordValue* zero = valueLabel(&panel, 0);
    TFordValue* five = valueLabel(&panel, 5);
    sendPid(panel, 5, 2.0f);
    sendPid(panel, 0, 9.0f);
    EXPECT_EQ(zero->Caption(), "9.0");
    EXPECT_EQ(five->Caption(), "2.0"); // a refresh for it
}

TEST(Panel, TestSignalShowsZero)
{
    TFordPanel panel;
    TFordValue* label = valueLabel(&panel, 255);
    sendPid(panel, 255, 7.0f);
    TMessage msg(Msg::WM_PID_CHANGED, 255, 0);
    panel.message(msg);
    EXPECT_EQ(label->Caption(), "0.0");
}

TEST(Panel, PostedMessagesArriveThroughTheEventQueueInChildOrder)
{
    TFordPanel panel;
    auto* first = new Recorder(&panel);
    auto* second = new Recorder(&panel);
    QCoreApplication::postEvent(&panel, new TMessage(Msg::WM_PID_CHANGED, 1, 0));
    QCoreApplication::postEvent(&panel, new TMessage(Msg::WM_SLOTS_CLEARED, 0, 0));
    QCoreApplication::processEvents();
    EXPECT_EQ(first->received, QList<int> { Msg::WM_PID_CHANGED });
    EXPECT_EQ(second->received, QList<int> { Msg::WM_PID_CHANGED });

    // A non-zero result stops the round.
    first->answer = 1;
    sendPid(panel, 1, 0);
    EXPECT_EQ(first->received.size(), 2);
    EXPECT_EQ(second->received.size(), 1);
}

TEST(Panel, ControlIsShownOnlyWhileAttached)
{
    TFordPanel panel;
    panel.show();
    TFordValue label;
    label.setVisibleState(true);
    EXPECT_FALSE(label.isVisible()); // no window of its own
    label.setParent(&panel);
    label.setParent(&panel); // attaching twice does no harm
    QCoreApplication::processEvents();
    EXPECT_TRUE(label.isVisible());
    label.setVisibleState(false);
    EXPECT_FALSE(label.isVisible());
    label.setParent(nullptr);
    label.setParent(&panel);
    QCoreApplication::processEvents();
    EXPECT_FALSE(label.isVisible());
    label.setVisibleState(true);
    EXPECT_TRUE(label.isVisible());
    label.setParent(nullptr);
}

TEST(Panel, MinimumSizeFollowsTheChildrenForScrolling)
{
    TFordPanel panel;
    auto* gauge = new TFordGauge(&panel);
    gauge->move(300, 200);
    EXPECT_EQ(panel.minimumSizeHint(), QSize(460, 360));
    gauge->setVisibleState(false);
    EXPECT_EQ(panel.minimumSizeHint(), QSize(0, 0));
}

TEST(Panel, ChildTakesThePanelsFontUntilItsOwnIsSet)
{
    TFordPanel panel;
    panel.Font()->setSize(15);
    TFordValue inherits, own;
    own.Font()->setSize(8);
    inherits.setParent(&panel);
    own.setParent(&panel);
    EXPECT_EQ(inherits.Font()->Size(), 15);
    EXPECT_EQ(own.Font()->Size(), 8);
}

TEST(Registry, CreatesEveryRegisteredClassByNameInAnyCase)
{
    registerDashboardWidgets();
    for (const char* name :
        { "TFordPanel", "TFordGauge", "TFordLabel", "TFordValue", "TFordTextList", "TLabel" }) {
        const std::unique_ptr<QObject> object = createWidget(QString(name).toUpper());
        ASSERT_TRUE(object) << name;
        EXPECT_STREQ(object->metaObject()->className(), name);
    }
    EXPECT_FALSE(createWidget("TFordNothing"));
    EXPECT_FALSE(isWidgetClassRegistered("TFordData"));

    // Other libraries add their classes the same way.
    registerWidgetClass<QObject>("TFordData");
    EXPECT_TRUE(isWidgetClassRegistered("tforddata"));
    EXPECT_TRUE(createWidget("TFordData"));
    EXPECT_TRUE(registeredWidgetClasses().contains("TFordData"));
}
