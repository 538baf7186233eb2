#pragma once
// The desktop services every window goes through: message boxes, file
// dialogs, the shell "open", and the door modal dialogs are shown through.
// Production implementations are installed by default; tests install doubles.
// No window calls QMessageBox, QFileDialog or QDialog::exec directly.

#include "app/shellrules.h"

#include <QString>

#include <functional>
#include <memory>

class QDialog;
class QWidget;

enum class MessageKind { Warning, Error, Information, Question, Plain };
enum class MessageButtons { OkCancel, Ok, YesNo };
enum class MessageAnswer { Ok, Cancel, Yes, No };

class MessageService {
public:
    virtual ~MessageService() = default;
    virtual MessageAnswer show(QWidget* parent, MessageKind kind, const QString& text, MessageButtons buttons) = 0;
};

class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    // An empty name when the user cancels.
    virtual QString openFile(QWidget* parent, const QString& title, const QString& filter) = 0;
    virtual QString saveFile(QWidget* parent, const QString& title, const QString& filter,
                             const QString& proposedName, const QString& defaultExtension) = 0;
};

class ShellService {
public:
    virtual ~ShellService() = default;
    // The shell "open" of a file, folder, web address or mailto: link;
    // false when the desktop could not open it (no program for it).
    virtual bool open(const ShellOpen::Target& target) = 0;
};

namespace Report {
struct Prepared;
}

// The platform's media player, for the one sound the program plays.
class MediaPlayer {
public:
    virtual ~MediaPlayer() = default;
    // Takes the file to play, dropping any other. `loaded` is told once,
    // at once or later from the event loop, whether the file could be
    // loaded; it is not told when stop() comes first.
    virtual void load(const QString& file, std::function<void(bool)> loaded) = 0;
    // Plays the loaded file once, from the start.
    virtual void play() = 0;
    // Stops a sound that is playing; a load not yet answered is dropped.
    virtual void stop() = 0;
};

class PrintService {
public:
    virtual ~PrintService() = default;
    // The print dialog (printer, copies, page range) for the prepared pages,
    // then the pages; false when the user cancels, which prints nothing.
    // Throws Report::Error when the printer cannot print.
    virtual bool print(QWidget* parent, const Report::Prepared& report) = 0;
};

namespace Services {

MessageService& messages();
FileDialogService& fileDialogs();
ShellService& shell();
PrintService& printer();
MediaPlayer& mediaPlayer();

// Install a replacement (tests); nullptr puts the production one back.
void setMessages(std::unique_ptr<MessageService> service);
void setFileDialogs(std::unique_ptr<FileDialogService> service);
void setShell(std::unique_ptr<ShellService> service);
void setPrinter(std::unique_ptr<PrintService> service);
void setMediaPlayer(std::unique_ptr<MediaPlayer> service);
// How modal dialogs are run: by default QDialog::exec().
void setModalRunner(std::function<int(QDialog&)> runner);

}  // namespace Services

// The message boxes of the program. Warnings, errors and information boxes
// show OK and Cancel (information may show OK only); questions show Yes and No.
namespace Ui {

void warning(QWidget* parent, const QString& text);
void error(QWidget* parent, const QString& text);
void information(QWidget* parent, const QString& text, MessageButtons buttons = MessageButtons::OkCancel);
// A plain box, without icon, with the button OK.
void message(QWidget* parent, const QString& text);
// True for Yes.
bool question(QWidget* parent, const QString& text);
// Shows `dialog` modally through the installed runner; returns its result.
int runModal(QDialog& dialog);

}  // namespace Ui

// The shell "open" by the name the rest of the program knows it by. A local
// file or folder that is not there is not handed to the shell; that, and an
// open the shell cannot do, is reported by a warning over `parent` that
// names what could not be opened. True when the shell took it.
struct TMisc {
    static bool Open(const ShellOpen::Target& target, QWidget* parent = nullptr);
    static bool Open(const QString& command, QWidget* parent = nullptr)
    {
        return Open(ShellOpen::target(command), parent);
    }
};
