#pragma once
// The service-hours screen: one template at a time (name, period, site,
// instructions, twelve time slots with their activities, notes and up to
// three attached files), browsed and saved in Orari.pro.

#include "storage/browser.h"

#include <QWidget>

class BrowseController;
class HintBar;
class QGridLayout;
class QLabel;
class QLineEdit;

class TfrmOrari : public QWidget {
    Q_OBJECT
public:
    explicit TfrmOrari(QWidget* parent = nullptr);

    QLabel* lblPosizione;
    QLabel* panInfo;
    QLabel* lblAllegati;  // the attached files the holders name
    BrowseController* browse;

    // The edit field of a record field: "txt" + name.
    QLineEdit* field(const QString& name) const;
    // The template as the screen shows it, saved or not: what "Stampa" prints.
    Record shownTemplate() const;

public slots:
    void btnDuplicaClick();
    void btnTrovaClick();
    void btnAllegaClick();
    void btnStampaClick();
    void btnEsportaClick();
    void btnGuidaClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildToolbar();
    QWidget* buildHeading();
    QWidget* buildSlots();
    QWidget* buildNotes();
    QLineEdit* makeField(const QString& name, QWidget* parent);
    bool validateSave();
    void focusName();
    void showAttachments();

    RecordBrowser m_browser;
    HintBar* m_hints = nullptr;
};

// Registers what the service-hours screen takes from the service-hours
// search ("orari": the template, as if browsed to). Called once at start-up,
// after the windows are created.
void registerHoursSearchReceivers();
