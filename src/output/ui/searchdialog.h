#pragma once
// The window every search and list dialog is made of: an optional criteria
// page (panAvvio: one edit field per criterion, "Cerca" and "Chiudi") and the
// result page (panContainer: the list, the find field with "Trova", the
// count, "Stampa" and "Chiudi"). A double-click hands the record of the
// clicked line to the caller and closes the dialog.
//
// A search supplies its criteria, how it finds its lines and what a chosen
// line hands back; a list without criteria shows its lines when it opens.

#include "output/resultlist.h"
#include "storage/recordfilter.h"

#include <QDialog>
#include <QList>
#include <QStringList>

#include <functional>

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QWidget;

class SearchDialog : public QDialog {
    Q_OBJECT
public:
    struct Criterion {
        QString field;  // the record field; the edit field is "txt" + field
        QString label;
    };
    struct Setup {
        QString caption;
        QString printTitle;
        QList<Criterion> criteria;  // none: the list is built when the dialog opens
        QStringList criteriaInstructions;
        QString busyText;           // shown while "Cerca" runs
        bool showCount = true;      // lblTrovate on the result page
        bool selectFirstLine = true;  // on showing; "Trova" selects one otherwise
        // A yellow rectangle behind each criterion while it has the focus,
        // named "eff" + the criterion's field.
        bool focusHighlights = false;
        // The count's wording for N lines; "Il presente riepilogo contiene N schede." when not given.
        std::function<QString(int)> countText;

        // The instructions and the wait text of a search by several fields.
        void useFieldSearchTexts();
    };

    SearchDialog(const Setup& setup, QWidget* parent = nullptr);

    QWidget* panAvvio;       // the criteria page (absent from a list)
    QWidget* panContainer;   // the result page
    QPushButton* btnCerca = nullptr;
    QPushButton* btnAnnulla = nullptr;
    QLabel* lblAttendere = nullptr;
    QLabel* lblConta;        // hidden: the required matches of the last search
    QListView* lstRecords;
    ResultListModel* model;
    QLineEdit* txtTrova;
    QPushButton* btnTrova;
    QLabel* lblTrovate;
    QPushButton* btnStampa;
    QPushButton* btnChiudi;
    QLabel* lblMemory;       // hidden: the caller key

    void setCallerKey(const QString& key);
    QString callerKey() const;
    // The edit field of a criterion, by record field name.
    QLineEdit* criterion(const QString& field) const;
    // -1 when no line is selected.
    int selectedRow() const;
    void selectRow(int row);

public slots:
    void btnCercaClick();
    void btnTrovaClick();
    void btnStampaClick();
    void lstRecordsDoubleClick(int row);

protected:
    // The lines for the typed criteria (in criteria order; none for a list).
    // May throw ArchiveError: a search reports it and keeps its criteria page.
    virtual QList<ResultLine> findLines(const QList<RecordFilter::Term>& typed) = 0;
    // The chosen line's record goes to the caller named by callerKey().
    virtual void handBack(const ResultLine& line) = 0;

    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

public:
    void done(int result) override;

private:
    QWidget* buildCriteriaPage(const Setup& setup);
    QWidget* buildResultPage(const Setup& setup);
    void showResults(QList<ResultLine> lines);

    Setup m_setup;
    QList<QLineEdit*> m_criteria;
    FindInList m_find;
};
