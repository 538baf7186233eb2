#pragma once
// The small modal windows that print or preview a layout: a picture, a few
// words or controls of their own, "Stampa" (or the action they take) and
// "Annulla". Each reads what it prints at the moment it prints.

#include "output/report.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class QVBoxLayout;

// The frame every print or preview window shares: a picture, the hidden
// "please wait" line, the action button and "Annulla".
class PrintWindow : public QDialog {
    Q_OBJECT
public:
    PrintWindow(const QString& caption, const QString& picture, const QString& action, QWidget* parent);

    QLabel* lblAttendere;
    QPushButton* btnStampa;
    QPushButton* btnAnnulla;

protected:
    // Where a window puts its own controls, beside the picture.
    QVBoxLayout* controls() const { return m_controls; }
    // A heading over a window's own controls.
    static QLabel* heading(const QString& text, QWidget* parent);
    // A title and a line of explanation in place of own controls.
    void describe(const QString& title, const QString& text);
    virtual void run() = 0;
    // Runs `step`, then closes the window; a failure is shown as an error
    // and leaves the window open.
    void runReportingFailures(const std::function<void()>& step);

private:
    QVBoxLayout* m_controls;
};

// " Stampa scheda" or " Anteprima di stampa" of one sheet: the action button
// ("Stampa" or "Mostra anteprima") fills the template through `sheet` at that
// moment, prints it through the print dialog or shows it in the preview
// window, and closes the window.
class ReportWindow : public PrintWindow {
    Q_OBJECT
public:
    enum class Mode { Print, Preview };
    using Sheet = std::function<Report::Template()>;
    // `title` and `text` say what is printed.
    ReportWindow(Mode mode, Sheet sheet, const QString& title, const QString& text, QWidget* parent);

protected:
    void run() override;

private:
    Mode m_mode;
    Sheet m_sheet;
};
