#pragma once
// The member screen: one member card at a time, browsed and saved in
// Tesserati.pro, with its photo, attachments, e-mails and identifier checks.

#include "storage/browser.h"

#include <QHash>
#include <QWidget>

class BrowseController;
class HintBar;
class PhotoPanel;
class QCheckBox;
class QHBoxLayout;
class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;

class TfrmAnagrafica : public QWidget {
    Q_OBJECT
public:
    explicit TfrmAnagrafica(QWidget* parent = nullptr);

    QLabel* lblPosizione;
    QLabel* panInfo;
    QCheckBox* chkAnnullata;
    PhotoPanel* photo;
    BrowseController* browse;

    QLineEdit* field(const QString& name) const;  // txt + name

public slots:
    void cmdCodFiscClick();
    void cmdPartitaIvaClick();
    void cmdCartaClick();
    void cmdIbanClick();
    void cmdEmailClick();
    void btnEmailClick();
    void cmdAllegaClick();
    void btnImportaClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildToolbar();
    QWidget* group(const QString& title, const QList<QList<QString>>& rows);
    QWidget* makeField(const QString& name);
    void openDatePicker(const char* callerCode);
    void newRecordDefaults();
    bool validateSave();
    // Shows a refusal of the checks and puts the focus in its field.
    void refuse(const QString& field, const QString& message, bool okOnly);

    RecordBrowser m_browser;
    QHash<QString, QHBoxLayout*> m_rows;  // the layout row of each field, for the buttons beside it
    HintBar* m_hints = nullptr;
};
