// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The real main window for tests: a program directory of its own with the data files, the
// simulator inside the process at a tenth of real time, and prompts that tests answer.
#pragma once

#include "support/TempDir.h"
#include "ui/Prompts.h"
#include "ui/TfrmVeskorReader.h"

#include <QDialog>
#include <QList>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <memory>

class QDialog;

class TestPrompts : public Prompts {
public:
    void warning(QWidget*, const QString& caption, const QString& text) override
    {
        Warnings.append(caption + ": " + text);
    }
    bool confirm(QWidget*, const QString&, const QString& text) override
    {
        Questions.append(text);
        return ConfirmAnswer;
    }
    bool runDialog(QDialog& dialog) override
    {
        ++Dialogs;
        return AnswerDialog ? AnswerDialog(dialog) : false;
    }
    QString chooseFile(QWidget*, const FileRequest& request) override
    {
        FileRequests.append(request);
        return AnswerFile ? AnswerFile(request) : FileAnswer;
    }
    bool openExternally(const QUrl& url) override
    {
        Opened.append(url.toLocalFile());
        return OpenAnswer;
    }

    QStringList Warnings;
    QStringList Questions;
    QStringList Opened;
    bool ConfirmAnswer = true;
    bool OpenAnswer = true;
    int Dialogs = 0;
    std::function<bool(QDialog&)> AnswerDialog;
    QString FileAnswer;
    QList<FileRequest> FileRequests;
    std::function<QString(const FileRequest&)> AnswerFile;
};

// Copies the files of a folder and of its folders.
void copyTree(const QString& from, const QString& to);

// Runs the event loop until ready() or the time is up.
bool waitUntil(const std::function<bool()>& ready, int ms = 10000);

class WindowHarness {
public:
    // A program directory with the data files of the build (codes, models, car profiles,
    // profiles, the report template), and the files given.
    WindowHarness();
    ~WindowHarness();

    void writeFile(const QString& name, const QByteArray& data) { m_home.write(name, data); }
    QByteArray readFile(const QString& name) const { return m_home.read(name); }
    QString path(const QString& name) const { return m_home.file(name); }

    // Creates and shows the window (first show runs); configure sets up the simulator.
    TfrmVeskorReader& open(const std::function<void(SimConfig&)>& configure = {});
    // The same with the window's own start options set up too.
    TfrmVeskorReader& open(const std::function<void(TfrmVeskorReader::Options&)>& configure);
    // Closes the window (the order of close runs) and destroys it.
    void close();

    TfrmVeskorReader& window() { return *m_window; }
    template <typename T> T* find(const char* name) const
    {
        return m_window->findChild<T*>(QLatin1String(name));
    }
    TestPrompts Prompts;

private:
    TempDir m_home;
    std::unique_ptr<TfrmVeskorReader> m_window;
};

// Delivers a message to the window's link controller as the link thread posts it.
void deliver(WindowHarness& h, int message, uint32_t wParam, int32_t lParam);
// The module's option bytes as the session reports them after a read.
void deliverOptions(WindowHarness& h, int8_t speed, int8_t format);

// An answer to the self-test's guide: picks the test whose radio button is named (rbKoeo,
// rbKoer) and presses "Начать тест"; nullptr backs out. steps, when given, receives the
// guide's list as it was shown for the choice.
std::function<bool(QDialog&)> selfTestAnswer(const char* choice, QString* steps = nullptr);

// The log's lines as they were handed to it, without the time each line shows.
QStringList logLines(WindowHarness& h);

// A register of vehicles (name, calibration code) for autos.ini.
QByteArray registerText(std::initializer_list<std::pair<const char*, const char*>> vehicles);
