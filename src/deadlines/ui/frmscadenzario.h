#pragma once
// The payment deadline screen: a start panel where the user picks the year
// and sees whether deadlines are imminent, and a work panel with one
// deadline at a time, browsed and saved in the year's archive <year>.sca.

#include "deadlines/deadlinerules.h"
#include "storage/browser.h"

#include <QWidget>

#include <optional>

class BrowseController;
class HintBar;
class QCalendarWidget;
class QCheckBox;
class QComboBox;
class QFrame;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

class TfrmScadenzario : public QWidget {
    Q_OBJECT
public:
    explicit TfrmScadenzario(QWidget* parent = nullptr);

    // The start panel.
    QWidget* panAvvio;
    QLineEdit* txtAnno;
    QPushButton* btnApri;
    QCalendarWidget* calAppuntamenti;
    QToolButton* btnGiorno;
    QToolButton* btnMese;
    QLabel* imgAssenti;
    QLabel* imgPresenti;
    QPushButton* btnOK;
    QToolButton* imgGuida;
    QToolButton* imgEsci;

    // The work panel.
    QWidget* panContainer;
    QLabel* lblFile;  // the archive "Apri" opened
    QLabel* lblPosizione;
    QLabel* panInfo;
    QCheckBox* chkDaConfermare;
    QCheckBox* chkEffettuata;
    BrowseController* browse;

    // The control of a record field: "txt" + name, an edit field or a drop-down.
    QWidget* field(const QString& name) const;
    QString fieldText(const QString& name) const;

    // Shows the reminder's outcome: the imminent deadlines counted, or none
    // when the check could not be made (the indicator then stays as it was).
    // With imminent deadlines it also plays the reminder sound.
    void showReminder(std::optional<int> imminent);
    // Puts a member picked in the member search into the payer's fields.
    void importPayer(const Record& member);

public slots:
    void btnApriClick();
    void cmdDuplicaClick();
    void impPagClick();
    void btnCodFiscClick();
    void helpClick();

    // The windows of the lists, the search, the export and the sheet print
    // open from these; each is a modal window made anew for the use.
    void btnOKClick();
    void btnGiornoClick();
    void btnMeseClick();
    void cmdTrovaClick();
    void cmdStampaClick();
    void cmdImportaClick();
    void cmdEsportaClick();
    void openStatusList(deadlines::Status status);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildStartPanel();
    QWidget* buildWorkPanel();
    QWidget* buildToolbar();
    QWidget* makeField(const QString& name);
    void addRow(QGridLayout* grid, int row, const QList<QString>& names, QWidget* beside = nullptr);
    // Day and month empty, hour and minutes "00": the date of a new deadline.
    void clearDateAndTime();
    void newRecordDefaults();
    bool validateSave();
    void focusField(const QString& name);
    void playReminderSound();

    RecordBrowser m_browser;
    QString m_year;  // of the opened archive
    HintBar* m_hints = nullptr;
};

// Registers what the deadline screen takes from the searches: the payer
// from the member search ("scadenzario") and a deadline picked in its own
// lists and search ("Scadenzario"). Called once at start-up, after the
// windows are created.
void registerDeadlineSearchReceivers();
