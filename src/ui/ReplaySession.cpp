// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "ReplaySession.h"

#include "LinkController.h"
#include "Prompts.h"
#include "ReaderContext.h"
#include "common/Errors.h"
#include "common/Texts.h"
#include "pages/ReplayBar.h"

#include <QFileInfo>
#include <QWidget>

ReplaySession::ReplaySession(ReaderContext& context, QWidget* window, RecordingPlayer::Clock clock)
    : QObject(window)
    , m_context(context)
    , m_window(window)
    , m_player(this, std::move(clock))
    , m_bar(new ReplayBar(m_player))
{
    m_bar->hide();
    connect(m_bar, &ReplayBar::closeRequested, this, &ReplaySession::close);
}

ReplaySession::~ReplaySession()
{
    // A bar never placed has no parent to free it.
    if (m_bar && !m_bar->parent())
        delete m_bar;
}

bool ReplaySession::openFrom(const QString& folder)
{
    FileRequest request;
    request.Title = Texts::text(Texts::RecordingOpenTitle);
    request.Folder = folder;
    request.Filter = Texts::text(Texts::RecordingFilter).arg(QLatin1String(FilePattern));
    const QString path = m_context.Ask->chooseFile(m_window, request);
    return !path.isEmpty() && openFile(path);
}

bool ReplaySession::openFile(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    try {
        return open(m_loader(path), name);
    } catch (const VeskorError& e) {
        m_context.Ask->warning(m_window, Texts::text(Texts::CaptionError),
            Texts::text(Texts::ReplayUnreadable).arg(name, e.message()));
    } catch (const std::exception& e) {
        m_context.Ask->warning(m_window, Texts::text(Texts::CaptionError),
            Texts::text(Texts::ReplayUnreadable).arg(name, QString::fromLocal8Bit(e.what())));
    }
    return false;
}

// The adapter must be left alone: a stream is stopped (when the user agrees) before the
// link is held; a fault test, a memory read or a firmware update is never cut short.
bool ReplaySession::linkReady()
{
    LinkController* link = m_context.Link;
    if (link->held())
        return true;
    switch (link->session().mode()) {
    case Link::lmIdle:
    case Link::lmConnected:
        return true;
    case Link::lmLiveData:
        if (!m_context.Ask->confirm(
                m_window, Texts::text(Texts::CaptionConfirm), Texts::text(Texts::ReplayStopStream)))
            return false;
        link->send(LinkCommands::StopData {});
        return true;
    default:
        m_context.Ask->warning(
            m_window, Texts::text(Texts::CaptionError), Texts::text(Texts::ReplayLinkBusy));
        return false;
    }
}

bool ReplaySession::open(Recording recording, const QString& name)
{
    if (!linkReady())
        return false;
    m_context.Link->setHeld(true);
    if (!recording.Note.isEmpty())
        emit logLine(name + QLatin1String(": ") + recording.Note);
    m_player.open(std::move(recording));
    m_active = true;
    m_bar->showRecording(name);
    m_bar->show();
    emit started();
    m_player.play();
    return true;
}

void ReplaySession::close()
{
    if (!m_active)
        return;
    m_player.close();
    m_active = false;
    m_bar->hide();
    m_context.Link->setHeld(false);
    emit ended();
}
