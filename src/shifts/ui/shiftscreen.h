#pragma once
// What the daily and the weekly shift screens share: one table per page of
// a yearly archive the year chooser opens, on a fixed panel centred in the
// maximised window; the tool and navigation bars, the hidden attachment
// holders, new, save with its checks, duplicate without the attachments,
// browse, attachments, help, the hint bar and the way back to the main menu.
// Each screen lays out its own head and rows and opens its own dialogs.

#include "storage/browser.h"
#include "storage/savecheck.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <utility>

class BrowseController;
class HintBar;
class QLabel;
class QLineEdit;
class QToolButton;

class ShiftScreen : public QWidget {
    Q_OBJECT
public:
    // Control names with their hints.
    using Hints = QList<std::pair<QString, QString>>;

    QLabel* lblFile;  // hidden: the archive's path
    QLabel* lblPosizione = nullptr;
    QLabel* panInfo = nullptr;
    QToolButton* btnAllega = nullptr;
    BrowseController* browse = nullptr;

    // The year's archive and the caption naming it, set before showing.
    void setArchive(const QString& path, const QString& caption);
    QString archivePath() const;

    // The edit field of a record field: "txt" + name.
    QLineEdit* field(const QString& name) const;
    // The table as the screen shows it, saved or not: what print and preview
    // show.
    Record shownTable() const;

public slots:
    void btnDuplicaClick();
    void btnAllegaClick();
    void btnGuidaClick();
    virtual void btnTrovaClick() = 0;
    virtual void btnAnteprimaClick() = 0;
    virtual void btnStampaClick() = 0;

protected:
    using Check = std::function<std::optional<SaveCheck::Refusal>(const SaveCheck::FieldTexts&)>;
    // Where the navigation bar's pieces stand on the tool band.
    struct Navigation {
        int first;
        int previous;
        int position;
        int positionWidth;
        int next;
        int last;
    };

    // `callerKey`: how the screen names itself to the search, the
    // attachments and the pickers.
    ShiftScreen(const RecordLayout& layout, QString callerKey, Check check, QWidget* parent);

    QWidget* panel() const { return m_panel; }
    const QString& callerKey() const { return m_callerKey; }
    // The tool band: new, duplicate, save, find, attachments, preview,
    // print, then export when the screen has one, help and exit; then the
    // navigation bar.
    void buildToolbar(bool withExport, const Navigation& navigation);
    // A light section under the controls; over it the hint bar is empty.
    void addSection(const QString& objectName, const QRect& rect);
    // A head field with its label above it and its yellow focus highlight.
    QLineEdit* addHeadField(const QString& name, const QString& label, const QRect& rect);
    // The picture at the right of the instructions.
    void addPicture(const QRect& rect);
    // Once the controls exist: lengths, the Enter chain (`enterChain`, the
    // last one going back to the name), the hint bar with the shared hints
    // and `ownHints`, browsing and the shared buttons.
    void finish(const QStringList& enterChain, const Hints& ownHints);
    // The date picker with `key`, which puts the chosen date into a field.
    void openDatePicker(const QString& key);
    void focusName();

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool validateSave();
    void showAttachments();

    const RecordLayout& m_layout;
    const QString m_callerKey;
    const Check m_check;
    RecordBrowser m_browser;
    QWidget* m_panel;
    HintBar* m_hints = nullptr;
    QList<QWidget*> m_sections;
};
