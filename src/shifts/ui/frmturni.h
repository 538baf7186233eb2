#pragma once
// The daily shift screen: the tables of one year, one per page (name, date,
// period, site, instructions, twelve time bands with their workers and
// activity, notes and up to three attached files), browsed and saved in the
// yearly archive <year>.ore the year chooser opens.

#include "storage/browser.h"

#include <QWidget>

class BrowseController;
class HintBar;
class QLabel;
class QLineEdit;
class QToolButton;

class TfrmTurni : public QWidget {
    Q_OBJECT
public:
    explicit TfrmTurni(QWidget* parent = nullptr);

    QLabel* lblFile;  // hidden: the archive's path
    QLabel* lblPosizione;
    QLabel* panInfo;
    QToolButton* btnAllega;
    BrowseController* browse;

    // The year's archive and the caption naming it, set before showing.
    void setArchive(const QString& path, const QString& caption);
    QString archivePath() const;

    // The edit field of a record field: "txt" + name.
    QLineEdit* field(const QString& name) const;
    // The table as the screen shows it, saved or not: what print and preview show.
    Record shownTable() const;
    // A member (its Tesserato) imported into the workers of `row` (1 to 12).
    void addWorker(int row, const QString& member);

public slots:
    void btnDuplicaClick();
    void btnTrovaClick();
    void btnAllegaClick();
    void btnAnteprimaClick();
    void btnStampaClick();
    void btnEsportaClick();
    void btnGuidaClick();
    void impNomeClick();
    void impDataClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildToolbar(QWidget* panel);
    void buildHead(QWidget* panel);
    void buildRows(QWidget* panel);
    bool validateSave();
    void focusName();
    void showAttachments();

    RecordBrowser m_browser;
    HintBar* m_hints = nullptr;
};

// Registers what the daily shift screen takes from the searches: its own
// tables ("turni"), a service-hours template ("turni") and a member into the
// workers of a row ("turni_01" ... "turni_12"). Called once at start-up,
// after the windows are created.
void registerDailySearchReceivers();
