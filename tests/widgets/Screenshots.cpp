// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Renders the sample widgets into PNG files, for looking at them (run under xvfb-run for a
// real screen, or offscreen): screenshots <output folder>.
#include "widgets/TFordGauge.h"
#include "widgets/TFordGaugeItem.h"
#include "widgets/TFordLabel.h"
#include "widgets/TFordPanel.h"
#include "widgets/TFordTextList.h"
#include "widgets/TFordValue.h"

#include <QApplication>
#include <QDir>

namespace {

void send(TFordPanel& panel, quint8 pid, float value)
{
    TMessage msg(Msg::WM_PID_CHANGED, pid, Msg::floatToLParam(value));
    panel.message(msg);
}

// Saves the widget as it shows and three times enlarged, pixel for pixel, to judge the edges.
void save(QWidget& widget, const QString& folder, const QString& name)
{
    const QImage image = widget.grab().toImage();
    image.save(QDir(folder).filePath(name + ".png"));
    image.scaled(image.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation)
        .save(QDir(folder).filePath(name + "-x3.png"));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");

    TFordPanel panel;
    panel.resize(560, 420);
    panel.setColor(clWhite);

    auto* plain = new TFordGauge(&panel);
    plain->move(10, 10);
    plain->setPID(1);

    auto* three = new TFordGauge(&panel);
    three->move(190, 10);
    three->setCaption("Давление");
    three->setArrowCenterRadius(8);
    three->setColor(clBlack);
    three->Font()->setColor(clWhite);
    three->setGaugeColor(clWhite);
    three->setGlowColor(clAqua);
    const int pids[] = { 5, 6, 7 };
    const TColor colors[] = { clRed, clLime, clYellow };
    for (int i = 0; i < 3; ++i) {
        TFordGaugeItem* item = three->Arrows()->add();
        item->setPID(quint8(pids[i]));
        item->setArrowBack(colors[i]);
        item->setArrowColor(colors[i]);
        item->setValueLabelY(110 + 22 * i);
        item->setValueLabelFormat("%.1f");
        item->ValueFont()->setColor(colors[i]);
        item->ValueFont()->setSize(7);
    }

    auto* bottom = new TFordGauge(&panel);
    bottom->move(370, 10);
    bottom->setGaugePosition(Gauge::fgpBottom);
    bottom->setGaugeDirection(Gauge::fgdCounterclockwise);
    bottom->setAngleLeft(70);
    bottom->setAngleRight(70);
    bottom->setGaugeOffsetY(-40);
    bottom->setValueLabelY(120);
    bottom->setTickCountBig(4);
    bottom->setCaption("Обратная");
    bottom->setPID(2);

    auto* value = new TFordValue(&panel);
    value->move(20, 200);
    value->setPID(1);
    value->setLabelFormat("%6.1f об/мин");
    value->Font()->setSize(16);
    value->setCaptionGlow(TLabel::gldAll);
    value->setCaptionGlowColor(clYellow);

    auto* flag = new TFordLabel(&panel);
    flag->move(20, 250);
    flag->setCaption("Лямбда-зонд");
    flag->setPID(3);
    flag->setBitMask(6);
    flag->setColorOn(clRed);
    flag->setColorOff(clGray);
    flag->Font()->setSize(14);
    flag->Font()->setStyle(TFont::fsBold);

    auto* list = new TFordTextList(&panel);
    list->move(20, 290);
    list->setPID(4);
    list->setLabelTextList({ "Холостой ход", "Прогрев", "Нагрузка" });
    list->Font()->setSize(14);
    list->setColor(clCream);
    list->setCaptionGlow(TLabel::gldBottomRight);
    list->setCaptionGlowColor(clSkyBlue);

    panel.show();
    send(panel, 1, 1234.5f);
    send(panel, 1, 1480.0f);
    send(panel, 1, 37.0f);
    send(panel, 2, 30.0f);
    send(panel, 3, 7.0f);
    send(panel, 4, 1.0f);
    send(panel, 5, 20.0f);
    send(panel, 6, 55.5f);
    send(panel, 7, 90.0f);
    app.processEvents();

    save(*plain, folder, "gauge-default");
    save(*three, folder, "gauge-three-arrows");
    save(*bottom, folder, "gauge-bottom-ccw");
    save(panel, folder, "panel");
    save(*value, folder, "label-value");
    save(*flag, folder, "label-flag");
    save(*list, folder, "label-textlist");
    return 0;
}
