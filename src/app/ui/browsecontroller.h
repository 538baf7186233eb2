#pragma once
// The toolbar of a data screen: new, save, first, previous, next, last,
// carried out by the shared RecordBrowser and shown on the screen's
// controls (bound by name), its position label and the message boxes.

#include "storage/browser.h"
#include "storage/savecheck.h"

#include <QObject>

#include <functional>
#include <optional>

class QLabel;
class QWidget;

class BrowseController : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        std::function<void()> clearForNew;          // the defaults of a new record
        std::function<void(int position)> afterShow;  // what lies outside the record (a photo)
        std::function<bool()> validate;             // the checks of a save; false stops it
        std::function<void(int position)> afterSave;  // written after the record, before the message
    };

    BrowseController(QWidget* screen, RecordBrowser& browser, QLabel* position, Hooks hooks);

    RecordBrowser& browser() { return m_browser; }

    // Connects cmdNuovo, cmdSalva, cmdPrimo, cmdIndietro, cmdAvanti and
    // cmdUltimo of the screen, those it has (a screen whose toolbar names
    // its buttons btnNuovo and btnSalva has those connected).
    void connectToolbar();

public slots:
    void newRecord();
    void save();
    void first();
    void previous();
    void next();
    void last();
    // A record picked elsewhere (a search) becomes the current one.
    void showAt(int position);

public:
    // The record on screen becomes a new one, to be saved as a copy; false
    // (with the archive error shown) when the archive cannot be used.
    bool copyAsNew();
    // "Duplica": warns when the record on screen is not stored yet;
    // otherwise makes it a copy (copyAsNew), runs `prepareCopy` (what the
    // copy does not keep) and says the copy is ready to be changed and saved.
    void duplicate(const std::function<void()>& prepareCopy);
    // Shows a save check's refusal as a warning and puts the focus in the
    // refused field ("txt" + field); true when there is no refusal.
    bool passes(const std::optional<SaveCheck::Refusal>& refusal);

private:
    void apply(const BrowseOutcome& outcome);

    QWidget* m_screen;
    RecordBrowser& m_browser;
    QLabel* m_position;
    Hooks m_hooks;
};
