// Every modal box, dialog and shell hand-off of the window goes through here, so tests
// answer them and a batch run never blocks.
#pragma once

#include <QString>

class QDialog;
class QUrl;
class QWidget;

class Prompts {
public:
    virtual ~Prompts() = default;
    // A warning box with an OK button.
    virtual void warning(QWidget* owner, const QString& caption, const QString& text) = 0;
    // A question box with OK and Cancel; true for OK.
    virtual bool confirm(QWidget* owner, const QString& caption, const QString& text) = 0;
    // Shows a dialog modally; true when it was accepted.
    virtual bool runDialog(QDialog& dialog) = 0;
    // An existing file to open, or empty when cancelled.
    virtual QString openFile(QWidget* owner, const QString& title, const QString& filter) = 0;
    // The same, starting in folder.
    virtual QString openFileIn(
        QWidget* owner, const QString& title, const QString& folder, const QString& filter)
    {
        (void)folder;
        return openFile(owner, title, filter);
    }
    // Hands a file or address to the system's default handler.
    virtual void openExternally(const QUrl& url) = 0;
};

// The real boxes and dialogs.
class DialogPrompts : public Prompts {
public:
    void warning(QWidget* owner, const QString& caption, const QString& text) override;
    bool confirm(QWidget* owner, const QString& caption, const QString& text) override;
    bool runDialog(QDialog& dialog) override;
    QString openFile(QWidget* owner, const QString& title, const QString& filter) override;
    QString openFileIn(QWidget* owner, const QString& title, const QString& folder,
        const QString& filter) override;
    void openExternally(const QUrl& url) override;
};
