// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The vehicles page: the list and the current vehicle, the information pane, add, edit and
// delete through the dialog, and the register saved after each change.
#include "ui/pages/VehiclesPage.h"

#include "WindowTestSupport.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

void typeText(QWidget* widget, const QString& text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, c.toUpper().unicode(), Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &press);
    }
}

class VehiclesPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        h.writeFile("reader.ini", "[Main]\nAutoConnect=0\n[Autos]\nCurrent=-1\n");
        h.writeFile("autos.ini",
            registerText({ { "First", "4BAA" }, { "Second", "1a2b" }, { "Third", "" } }));
        h.open();
        list = h.find<QTreeView>("lvAutos");
        current = h.find<QComboBox>("cbCurrentAuto");
    }

    void select(int row)
    {
        list->selectionModel()->select(list->model()->index(row, 0),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    QString info(const char* name) const { return h.find<QLabel>(name)->text(); }

    WindowHarness h;
    QTreeView* list = nullptr;
    QComboBox* current = nullptr;
};

} // namespace

TEST_F(VehiclesPageTest, SelectingAVehicleMakesItCurrentAndShowsItsEcu)
{
    EXPECT_FALSE(h.find<QAction>("acEditAuto")->isEnabled());
    EXPECT_FALSE(h.find<QAction>("acDeleteAuto")->isEnabled());
    EXPECT_EQ(current->currentIndex(), -1);
    EXPECT_EQ(current->count(), 3);
    EXPECT_EQ(info("lbiModel"), "");
    select(0);
    EXPECT_EQ(current->currentIndex(), 0);
    EXPECT_TRUE(h.find<QAction>("acEditAuto")->isEnabled());
    EXPECT_EQ(info("lbiCalID"), "4BAA");
    EXPECT_FALSE(info("lbiModel").isEmpty());
    EXPECT_NE(info("lbiModel"), "нет данных");
    // A lower-case code finds its record all the same; an unknown one has no data.
    select(1);
    EXPECT_EQ(info("lbiCalID"), "1a2b");
    select(2);
    EXPECT_EQ(info("lbiModel"), "");
    // Picking a name in the box changes neither the selection nor the pane.
    current->setCurrentIndex(0);
    EXPECT_EQ(list->selectionModel()->selectedRows().first().row(), 2);
    EXPECT_EQ(info("lbiCalID"), "");
}

TEST_F(VehiclesPageTest, EditKeepsTheCodeWhenTheFieldIsEmptyAndSavesAtOnce)
{
    select(0);
    h.Prompts.AnswerDialog = [](QDialog& d) {
        EXPECT_EQ(d.findChild<QLineEdit*>("edName")->text(), "First");
        d.findChild<QLineEdit*>("edName")->setText("Renamed");
        return true;
    };
    h.find<QAction>("acEditAuto")->trigger();
    EXPECT_EQ(list->model()->index(0, 0).data().toString(), "Renamed");
    EXPECT_EQ(current->itemText(0), "Renamed");
    const QByteArray saved = h.readFile("autos.ini");
    EXPECT_TRUE(saved.contains("Name=Renamed"));
    EXPECT_TRUE(saved.contains("CalID=4BAA"));
    // A typed code replaces the stored one.
    h.Prompts.AnswerDialog = [](QDialog& d) {
        d.findChild<QPushButton*>("btnEditCalID")->click();
        QLineEdit* code = d.findChild<QLineEdit*>("edCalID");
        code->clear();
        typeText(code, "12G z");
        return true;
    };
    h.find<QAction>("acEditAuto")->trigger();
    EXPECT_TRUE(h.readFile("autos.ini").contains("CalID=12"));
    EXPECT_EQ(info("lbiCalID"), "12");
    // A cancelled dialog changes nothing.
    h.Prompts.AnswerDialog = [](QDialog&) { return false; };
    h.find<QAction>("acEditAuto")->trigger();
    EXPECT_EQ(list->model()->rowCount(), 3);
}

TEST_F(VehiclesPageTest, DeleteAsksAndSavesAtOnce)
{
    h.find<QAction>("acDeleteAuto")->trigger(); // disabled: nothing
    EXPECT_TRUE(h.Prompts.Questions.isEmpty());
    select(1);
    h.Prompts.ConfirmAnswer = false;
    h.find<QAction>("acDeleteAuto")->trigger();
    EXPECT_EQ(h.Prompts.Questions, QStringList { "Удалить автомобиль из списка?" });
    EXPECT_EQ(list->model()->rowCount(), 3);
    h.Prompts.ConfirmAnswer = true;
    h.find<QAction>("acDeleteAuto")->trigger();
    EXPECT_EQ(list->model()->rowCount(), 2);
    EXPECT_EQ(current->count(), 2);
    const QByteArray saved = h.readFile("autos.ini");
    EXPECT_TRUE(saved.contains("[0]"));
    EXPECT_TRUE(saved.contains("[1]"));
    EXPECT_FALSE(saved.contains("[2]"));
    EXPECT_FALSE(saved.contains("Second"));
}

TEST_F(VehiclesPageTest, DoubleClickWithoutSelectionAndAddingAVehicle)
{
    emit list->doubleClicked(QModelIndex());
    EXPECT_EQ(h.Prompts.Dialogs, 0);
    h.Prompts.AnswerDialog = [](QDialog& d) {
        EXPECT_FALSE(d.findChild<QLabel*>("stMsg")->isVisibleTo(&d)); // no notice
        d.findChild<QLineEdit*>("edName")->setText("Fourth");
        return true;
    };
    h.find<QAction>("acAddAuto")->trigger();
    ASSERT_EQ(list->model()->rowCount(), 4);
    EXPECT_EQ(list->model()->index(3, 5).data().toString(), "---");
    EXPECT_TRUE(h.readFile("autos.ini").contains("Name=Fourth"));
}

TEST_F(VehiclesPageTest, ReportedCodeSelectsTheFirstVehicleWithIt)
{
    VehiclesPage* page = h.window().vehiclesPage();
    current->setCurrentIndex(0);
    page->MatchCalibration("4BAA");
    EXPECT_EQ(current->currentIndex(), 0); // the current vehicle has it already
    current->setCurrentIndex(2);
    page->MatchCalibration("4BAA");
    EXPECT_EQ(current->currentIndex(), 0);
    EXPECT_EQ(list->selectionModel()->selectedRows().first().row(), 0);
    // No vehicle has it: a current vehicle without a code takes it, and it is saved.
    current->setCurrentIndex(2);
    page->MatchCalibration("7777");
    EXPECT_EQ(current->currentIndex(), 2);
    EXPECT_EQ(info("lbiCalID"), "7777");
    EXPECT_TRUE(h.readFile("autos.ini").contains("CalID=7777"));
    // Another code on a vehicle that has one: shown, not changed.
    page->MatchCalibration("5555");
    EXPECT_EQ(info("lbiCalID"), "7777");
}
