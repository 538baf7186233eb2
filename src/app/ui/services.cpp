#include "app/ui/services.h"

#include "app/ui/mediaplayer.h"
#include "output/ui/reportprint.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace {

class DesktopMessages : public MessageService {
public:
    MessageAnswer show(QWidget* parent, MessageKind kind, const QString& text, MessageButtons buttons) override
    {
        QMessageBox box(parent);
        switch (kind) {
        case MessageKind::Warning:
            box.setIcon(QMessageBox::Warning);
            box.setWindowTitle(QStringLiteral("Avviso"));
            break;
        case MessageKind::Error:
            box.setIcon(QMessageBox::Critical);
            box.setWindowTitle(QStringLiteral("Errore"));
            break;
        case MessageKind::Information:
            box.setIcon(QMessageBox::Information);
            box.setWindowTitle(QStringLiteral("Informazione"));
            break;
        case MessageKind::Question:
            box.setIcon(QMessageBox::Question);
            box.setWindowTitle(QStringLiteral("Conferma"));
            break;
        case MessageKind::Plain:
            box.setWindowTitle(QStringLiteral("Norvalis 2.0"));
            break;
        }
        // Texts arrive with Windows line breaks (CR LF, or LF CR): show each break once.
        QString shown = text;
        shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1String("\n\r"), QLatin1String("\n"));
        shown.remove(QLatin1Char('\r'));
        box.setText(shown);
        QPushButton* first = nullptr;
        QPushButton* second = nullptr;
        switch (buttons) {
        case MessageButtons::OkCancel:
            first = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
            second = box.addButton(QStringLiteral("Annulla"), QMessageBox::RejectRole);
            break;
        case MessageButtons::Ok:
            first = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
            break;
        case MessageButtons::YesNo:
            first = box.addButton(QStringLiteral("Sì"), QMessageBox::YesRole);
            second = box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
            break;
        }
        box.setDefaultButton(first);
        if (second)
            box.setEscapeButton(second);
        box.exec();
        const bool firstPressed = box.clickedButton() == first;
        if (buttons == MessageButtons::YesNo)
            return firstPressed ? MessageAnswer::Yes : MessageAnswer::No;
        return firstPressed ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
};

class DesktopFileDialogs : public FileDialogService {
public:
    QString openFile(QWidget* parent, const QString& title, const QString& filter) override
    {
        return QFileDialog::getOpenFileName(parent, title, QString(), FileFilters::forDesktop(filter));
    }

    QString saveFile(QWidget* parent, const QString& title, const QString& filter, const QString& proposedName,
                     const QString& defaultExtension) override
    {
        QFileDialog dialog(parent, title, QString(), FileFilters::forDesktop(filter));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(defaultExtension);
        dialog.selectFile(proposedName);
        // The program asks its own overwrite questions where it needs them.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }
};

class DesktopShell : public ShellService {
public:
    bool open(const ShellOpen::Target& target) override { return QDesktopServices::openUrl(target.url); }
};

std::unique_ptr<MessageService>& messageSlot()
{
    static std::unique_ptr<MessageService> s;
    return s;
}
std::unique_ptr<FileDialogService>& fileDialogSlot()
{
    static std::unique_ptr<FileDialogService> s;
    return s;
}
std::unique_ptr<ShellService>& shellSlot()
{
    static std::unique_ptr<ShellService> s;
    return s;
}
std::unique_ptr<PrintService>& printSlot()
{
    static std::unique_ptr<PrintService> s;
    return s;
}
std::unique_ptr<MediaPlayer>& mediaPlayerSlot()
{
    static std::unique_ptr<MediaPlayer> s;
    return s;
}
std::function<int(QDialog&)>& modalRunner()
{
    static std::function<int(QDialog&)> runner;
    return runner;
}

template <typename Service, typename Production>
Service& installed(std::unique_ptr<Service>& slot)
{
    if (!slot)
        slot = std::make_unique<Production>();
    return *slot;
}

}  // namespace

namespace Services {

MessageService& messages() { return installed<MessageService, DesktopMessages>(messageSlot()); }
FileDialogService& fileDialogs() { return installed<FileDialogService, DesktopFileDialogs>(fileDialogSlot()); }
ShellService& shell() { return installed<ShellService, DesktopShell>(shellSlot()); }

PrintService& printer()
{
    if (!printSlot())
        printSlot() = ReportPrint::desktopPrinter();
    return *printSlot();
}

MediaPlayer& mediaPlayer()
{
    if (!mediaPlayerSlot())
        mediaPlayerSlot() = desktopMediaPlayer();
    return *mediaPlayerSlot();
}

void setMessages(std::unique_ptr<MessageService> service) { messageSlot() = std::move(service); }
void setFileDialogs(std::unique_ptr<FileDialogService> service) { fileDialogSlot() = std::move(service); }
void setShell(std::unique_ptr<ShellService> service) { shellSlot() = std::move(service); }
void setPrinter(std::unique_ptr<PrintService> service) { printSlot() = std::move(service); }
void setMediaPlayer(std::unique_ptr<MediaPlayer> service) { mediaPlayerSlot() = std::move(service); }
void setModalRunner(std::function<int(QDialog&)> runner) { modalRunner() = std::move(runner); }

}  // namespace Services

namespace Ui {

void warning(QWidget* parent, const QString& text)
{
    Services::messages().show(parent, MessageKind::Warning, text, MessageButtons::OkCancel);
}

void error(QWidget* parent, const QString& text)
{
    Services::messages().show(parent, MessageKind::Error, text, MessageButtons::OkCancel);
}

void information(QWidget* parent, const QString& text, MessageButtons buttons)
{
    Services::messages().show(parent, MessageKind::Information, text, buttons);
}

void message(QWidget* parent, const QString& text)
{
    Services::messages().show(parent, MessageKind::Plain, text, MessageButtons::Ok);
}

bool question(QWidget* parent, const QString& text)
{
    return Services::messages().show(parent, MessageKind::Question, text, MessageButtons::YesNo) == MessageAnswer::Yes;
}

int runModal(QDialog& dialog)
{
    if (modalRunner())
        return modalRunner()(dialog);
    return dialog.exec();
}

}  // namespace Ui

bool TMisc::Open(const ShellOpen::Target& target, QWidget* parent)
{
    if (const auto missing = ShellOpen::missingFile(target)) {
        Ui::warning(parent, ShellOpen::missingFileMessage(*missing));
        return false;
    }
    if (Services::shell().open(target))
        return true;
    Ui::warning(parent, ShellOpen::failureMessage(target));
    return false;
}
