#pragma once
// Doubles of the desktop services: they record what a window asked for and
// answer from a script, so tests never block in a real dialog.

#include "app/ui/services.h"
#include "output/report.h"

#include <QDialog>
#include <QList>
#include <QStringList>
#include <QUrl>

#include <functional>

struct ShownMessage {
    MessageKind kind;
    QString text;
    MessageButtons buttons;
};

class FakeMessages : public MessageService {
public:
    QList<ShownMessage> shown;
    QList<MessageAnswer> answers;  // taken in turn; when empty, OK or Yes

    MessageAnswer show(QWidget*, MessageKind kind, const QString& text, MessageButtons buttons) override
    {
        shown.push_back({kind, text, buttons});
        if (!answers.isEmpty())
            return answers.takeFirst();
        return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
    QStringList texts() const
    {
        QStringList t;
        for (const auto& m : shown)
            t << m.text;
        return t;
    }
};

class FakeFileDialogs : public FileDialogService {
public:
    struct Request {
        QString title, filter, proposedName, defaultExtension;
        bool save;
    };
    QList<Request> requests;
    QStringList names;  // answers in turn; empty = cancelled

    QString openFile(QWidget*, const QString& title, const QString& filter) override
    {
        requests.push_back({title, filter, {}, {}, false});
        return names.isEmpty() ? QString() : names.takeFirst();
    }
    QString saveFile(QWidget*, const QString& title, const QString& filter, const QString& proposedName,
                     const QString& defaultExtension) override
    {
        requests.push_back({title, filter, proposedName, defaultExtension, true});
        return names.isEmpty() ? QString() : names.takeFirst();
    }
};

// Records what the shell is asked to open: the commands as the program words
// them and the addresses the desktop would be handed. `fails` answers as a
// desktop with no program for anything.
class FakeShell : public ShellService {
public:
    QStringList opened;
    QList<QUrl> urls;
    bool fails = false;
    bool open(const ShellOpen::Target& target) override
    {
        opened << target.command;
        urls << target.url;
        return !fails;
    }
};

// Keeps the pages it is asked to print instead of printing them; `cancel`
// answers the print dialog with Cancel.
class FakePrinter : public PrintService {
public:
    int dialogs = 0;  // print dialogs shown
    bool cancel = false;
    QList<Report::PreparedPage> pages;
    QStringList reports;  // the names of the reports printed

    bool print(QWidget*, const Report::Prepared& report) override
    {
        ++dialogs;
        if (cancel)
            return false;
        pages += report.pages;
        reports << report.name;
        return true;
    }
};

// Records what is asked of the media player; a load is answered at once
// with `loads`.
class FakeMediaPlayer : public MediaPlayer {
public:
    QStringList calls;  // "load FILE", "play", "stop"
    bool loads = true;

    void load(const QString& file, std::function<void(bool)> loaded) override
    {
        calls << QStringLiteral("load ") + file;
        loaded(loads);
    }
    void play() override { calls << QStringLiteral("play"); }
    void stop() override { calls << QStringLiteral("stop"); }
};

// Installs the doubles for its lifetime. A modal dialog is handed to
// `onModal` (when set), which may drive it; its result is returned.
class UiDoubles {
public:
    FakeMessages* messages = new FakeMessages;
    FakeFileDialogs* files = new FakeFileDialogs;
    FakeShell* shell = new FakeShell;
    FakePrinter* printer = new FakePrinter;
    FakeMediaPlayer* player = new FakeMediaPlayer;
    QStringList modals;  // the class names of the dialogs run modally
    std::function<int(QDialog&)> onModal;

    UiDoubles()
    {
        Services::setMessages(std::unique_ptr<MessageService>(messages));
        Services::setFileDialogs(std::unique_ptr<FileDialogService>(files));
        Services::setShell(std::unique_ptr<ShellService>(shell));
        Services::setPrinter(std::unique_ptr<PrintService>(printer));
        Services::setMediaPlayer(std::unique_ptr<MediaPlayer>(player));
        Services::setModalRunner([this](QDialog& dialog) {
            modals << QString::fromLatin1(dialog.metaObject()->className());
            return onModal ? onModal(dialog) : int(QDialog::Rejected);
        });
    }
    ~UiDoubles()
    {
        Services::setMessages(nullptr);
        Services::setFileDialogs(nullptr);
        Services::setShell(nullptr);
        Services::setPrinter(nullptr);
        Services::setMediaPlayer(nullptr);
        Services::setModalRunner(nullptr);
    }
    UiDoubles(const UiDoubles&) = delete;
    UiDoubles& operator=(const UiDoubles&) = delete;
};
