// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "vehicles/TfrmAddEditAuto.h"

#include "support/TempDir.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

QString u8(const char* s)
{
    return QString::fromUtf8(s);
}

// Answers the next message box that opens while `action` runs, and tells what it said.
struct MessageBoxWatch {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;

    void during(const std::function<void()>& action)
    {
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                caption = box->windowTitle();
                text = box->text();
                icon = box->icon();
                box->accept();
            }
        });
        poll.start();
        action();
    }
};

// Types text as key presses; unlike QTest::keyClicks it takes any letter, Cyrillic too.
void typeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

template <typename W> W* child(const QWidget& dialog, const char* name)
{
    W* w = dialog.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

// Saves a picture of the dialog when VESKOR_SCREENSHOTS names a folder.
void screenshot(QWidget& w, const char* name)
{
    const QString dir = qEnvironmentVariable("VESKOR_SCREENSHOTS");
    if (!dir.isEmpty())
        w.grab().save(dir + u'/' + QString::fromLatin1(name) + QStringLiteral(".png"));
}

class DialogTest : public ::testing::Test {
protected:
    TempDir dir;
    QString models = dir.write("models.txt", "Sierra\r\n\r\nEscort\r\n");
};

} // namespace

TEST_F(DialogTest, HasItsCaptionSizeAndControls)
{
    TfrmAddEditAuto dialog(nullptr, models);
    EXPECT_EQ(dialog.windowTitle(), u8("Добавление/редактирование автомобиля"));
    EXPECT_EQ(dialog.size(), QSize(513, 505));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_EQ(child<QGroupBox>(dialog, "gbRegistration")->title(), u8(" Регистрационные данные "));
    EXPECT_TRUE(child<QGroupBox>(dialog, "gbRegistration")->font().bold());
    EXPECT_FALSE(child<QLineEdit>(dialog, "edName")->font().bold());
    EXPECT_EQ(child<QGroupBox>(dialog, "gbTechnical")->title(), u8(" Технические данные "));
    EXPECT_TRUE(child<QLabel>(dialog, "lbiCalID")->font().bold());
    EXPECT_EQ(child<QPushButton>(dialog, "btnEditCalID")->text(), u8("Редактировать"));
    EXPECT_EQ(child<QPushButton>(dialog, "btnSave")->text(), u8("Сохранить"));
    EXPECT_EQ(child<QPushButton>(dialog, "btnCancel")->text(), u8("Отмена"));
    EXPECT_EQ(child<QLineEdit>(dialog, "edCalID")->toolTip(),
        u8("Калибровочный код считывается из EEC-IV в момент подключения. Вручную вводить "
           "не нужно."));
    auto* year = child<QSpinBox>(dialog, "spYear");
    EXPECT_EQ(year->minimum(), 1980);
    EXPECT_EQ(year->maximum(), 2100);
    EXPECT_EQ(year->value(), 1980);
    EXPECT_FALSE(child<QLabel>(dialog, "stMsg")->isVisibleTo(&dialog));
    EXPECT_FALSE(child<QLineEdit>(dialog, "edCalID")->isVisibleTo(&dialog));

    auto* model = child<QComboBox>(dialog, "cbModel");
    EXPECT_TRUE(model->isEditable());
    ASSERT_EQ(model->count(), 3);
    EXPECT_EQ(model->itemText(0), "Sierra");
    EXPECT_EQ(model->itemText(1), "");
    EXPECT_EQ(model->itemText(2), "Escort");
    EXPECT_FALSE(child<QComboBox>(dialog, "cbProfile")->isEditable());
}

TEST_F(DialogTest, FilledFieldsReadBackAndTheNoticeMakesItTaller)
{
    TfrmAddEditAuto dialog(nullptr, models);
    dialog.setCarProfileNames({ "Sample", "Other" });
    dialog.showNotice();
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    typeText(child<QLineEdit>(dialog, "edName"), u8("Мой Форд"));
    child<QComboBox>(dialog, "cbModel")->setCurrentIndex(2);
    auto* year = child<QSpinBox>(dialog, "spYear");
    year->selectAll();
    QTest::keyClicks(year, "1991");
    QTest::keyClicks(child<QLineEdit>(dialog, "edVIN"), "WF0AXXGBBAKA12345");
    typeText(child<QLineEdit>(dialog, "edPlate"), u8("А123ВС 77"));
    typeText(child<QLineEdit>(dialog, "edComment"), u8("масло"));
    child<QComboBox>(dialog, "cbProfile")->setCurrentIndex(1);
    dialog.setCalIdDisplay("4BAA");

    // Taller by the notice and its gap; the groups and buttons keep their places from
    // the bottom, and the notice shows above them.
    EXPECT_EQ(dialog.size(), QSize(513, 505 + 57 + 10));
    auto* notice = child<QLabel>(dialog, "stMsg");
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->size(), QSize(497, 57));
    EXPECT_EQ(notice->text(),
        u8(" Определено подключение автомобиля, отсутствующего в списке. "
           "Пожалуйста, заполните данные по автомобилю и сохраните в "
           "списке автомобилей."));
    auto* registration = child<QGroupBox>(dialog, "gbRegistration");
    EXPECT_LE(notice->geometry().bottom(), registration->geometry().top());

    TfrmAddEditAuto plain(nullptr, models);
    plain.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&plain));
    for (const char* name : { "gbRegistration", "gbTechnical", "btnSave", "btnCancel" }) {
        const QRect tall = child<QWidget>(dialog, name)->geometry();
        const QRect normal = child<QWidget>(plain, name)->geometry();
        EXPECT_EQ(tall.size(), normal.size()) << name;
        EXPECT_EQ(dialog.height() - tall.top(), plain.height() - normal.top()) << name;
    }
    screenshot(dialog, "vehicle-dialog-notice");
    screenshot(plain, "vehicle-dialog");

    EXPECT_EQ(dialog.name(), u8("Мой Форд"));
    EXPECT_EQ(dialog.model(), "Escort");
    EXPECT_EQ(dialog.yearText(), "1991");
    EXPECT_EQ(dialog.vin(), "WF0AXXGBBAKA12345");
    EXPECT_EQ(dialog.plate(), u8("А123ВС 77"));
    EXPECT_EQ(dialog.comment(), u8("масло"));
    EXPECT_EQ(dialog.carProfile(), 1);
    EXPECT_TRUE(dialog.calIdEdit().isEmpty());

    QTest::mouseClick(child<QPushButton>(dialog, "btnSave"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(DialogTest, EditRevealsTheCodeFieldThatTakesOnlyHexDigits)
{
    TfrmAddEditAuto dialog(nullptr, models);
    dialog.setCalIdDisplay("4BAA");
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QApplication::setActiveWindow(&dialog);

    QTest::mouseClick(child<QPushButton>(dialog, "btnEditCalID"), Qt::LeftButton);
    auto* code = child<QLineEdit>(dialog, "edCalID");
    EXPECT_TRUE(code->isVisible());
    EXPECT_EQ(code->text(), "4BAA");
    EXPECT_TRUE(code->hasFocus());
    screenshot(dialog, "vehicle-dialog-code");

    code->clear();
    typeText(code, u8("G Ж;"));
    EXPECT_EQ(code->text(), "");
    QTest::keyClicks(code, "1a2B");
    EXPECT_EQ(code->text(), "1a2B");
    QTest::keyClick(code, Qt::Key_Backspace);
    EXPECT_EQ(code->text(), "1a2");
    code->insert("12 x");
    EXPECT_EQ(code->text(), "1a2");
    EXPECT_EQ(dialog.calIdEdit(), "1a2");
}

TEST_F(DialogTest, EscapeCancels)
{
    TfrmAddEditAuto dialog(nullptr, models);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(DialogTest, TheCallersValuesShowAsGiven)
{
    TfrmAddEditAuto dialog(nullptr, models);
    dialog.setCarProfileNames({ "A", "B" });
    dialog.setCarProfile(5);
    EXPECT_EQ(dialog.carProfile(), -1);
    dialog.setCarProfile(0);
    EXPECT_EQ(dialog.carProfile(), 0);
    dialog.setModel("Typed model");
    EXPECT_EQ(dialog.model(), "Typed model");
    dialog.setYearText("1995");
    EXPECT_EQ(dialog.yearText(), "1995");
    // A year the spin box can't show stays as it was until the user changes the year.
    dialog.setYearText("0");
    EXPECT_EQ(dialog.yearText(), "0");
    child<QSpinBox>(dialog, "spYear")->stepUp();
    EXPECT_EQ(dialog.yearText(), "1981");
}

TEST_F(DialogTest, WithoutModelsFileItWarnsAndStillOpens)
{
    MessageBoxWatch watch;
    std::unique_ptr<TfrmAddEditAuto> dialog;
    watch.during(
        [&] { dialog = std::make_unique<TfrmAddEditAuto>(nullptr, dir.file("none.txt")); });
    EXPECT_EQ(watch.caption, u8("Ошибка!"));
    EXPECT_EQ(watch.text, u8("Не найден файл моделей models.txt!"));
    EXPECT_EQ(watch.icon, QMessageBox::Warning);

    auto* model = child<QComboBox>(*dialog, "cbModel");
    EXPECT_EQ(model->count(), 0);
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    QTest::keyClicks(model, "Capri");
    EXPECT_EQ(dialog->model(), "Capri");
}

TEST_F(DialogTest, TheShippedModelListIsOffered)
{
    TfrmAddEditAuto dialog(nullptr, QDir(VESKOR_DATA_SOURCE_DIR).filePath(ModelNamesFile));
    auto* model = child<QComboBox>(dialog, "cbModel");
    EXPECT_GT(model->count(), 10);
    EXPECT_GE(model->findText("Sierra"), 0);
    EXPECT_GE(model->findText("Mustang"), 0);
}
