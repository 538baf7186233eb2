#include "output/ui/printwindow.h"

#include "app/ui/desktop.h"
#include "app/ui/formkit.h"
#include "output/ui/reportprint.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <exception>

QLabel* PrintWindow::heading(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("font: bold 10pt 'Arial'; color: #1F3A6B;"));
    return label;
}

PrintWindow::PrintWindow(const QString& caption, const QString& icon, const QString& action, QWidget* parent)
    : QDialog(parent)
{
    prepareWindow(this, caption, Frame::NoBorderIcons);
    removeBorderIcons(this);

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("imgStampante"));
    image->setPixmap(picture(icon, QSize(150, 180)));
    image->setAlignment(Qt::AlignCenter);

    lblAttendere = new QLabel(QStringLiteral("Elaborazione in corso. Attendere..."), this);
    lblAttendere->setObjectName(QStringLiteral("lblAttendere"));
    lblAttendere->setStyleSheet(QStringLiteral("color: #C00000; font: italic 10pt 'Arial';"));
    lblAttendere->hide();
    btnStampa = new QPushButton(action, this);
    btnStampa->setObjectName(QStringLiteral("btnStampa"));
    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    for (QPushButton* b : {btnStampa, btnAnnulla}) {
        b->setMinimumSize(140, 34);
        b->setAutoDefault(false);
    }
    btnStampa->setDefault(true);

    m_controls = new QVBoxLayout;
    m_controls->setSpacing(10);
    auto* body = new QHBoxLayout;
    body->setSpacing(18);
    body->addWidget(image, 0, Qt::AlignTop);
    body->addLayout(m_controls, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblAttendere);
    buttons->addStretch();
    buttons->addWidget(btnStampa);
    buttons->addWidget(btnAnnulla);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(14);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);

    // The wait line shows as soon as the button goes down.
    connect(btnStampa, &QPushButton::pressed, lblAttendere, &QWidget::show);
    connect(btnStampa, &QPushButton::clicked, this, [this] {
        lblAttendere->show();
        lblAttendere->repaint();
        run();
    });
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
}

void PrintWindow::describe(const QString& title, const QString& text)
{
    m_controls->addWidget(heading(title, this));
    auto* note = new QLabel(text, this);
    note->setWordWrap(true);
    m_controls->addWidget(note);
    m_controls->addStretch();
    setFixedSize(sizeHint().expandedTo(QSize(440, 0)));
}

void PrintWindow::runReportingFailures(const std::function<void()>& step)
{
    try {
        step();
    } catch (...) {
        // Reported as the application reports what no window catches; the
        // window stays open.
        lblAttendere->hide();
        Desktop::reportFailure(std::current_exception());
        return;
    }
    lblAttendere->hide();
    accept();
}

ReportWindow::ReportWindow(Mode mode, Sheet sheet, const QString& title, const QString& text, QWidget* parent)
    : PrintWindow(mode == Mode::Print ? QStringLiteral(" Stampa scheda") : QStringLiteral(" Anteprima di stampa"),
                  mode == Mode::Print ? QStringLiteral(":/icons/stampa.svg") : QStringLiteral(":/icons/anteprima.svg"),
                  mode == Mode::Print ? QStringLiteral("Stampa") : QStringLiteral("Mostra anteprima"), parent),
      m_mode(mode),
      m_sheet(std::move(sheet))
{
    describe(title, text);
}

void ReportWindow::run()
{
    runReportingFailures([this] {
        if (m_mode == Mode::Print)
            ReportPrint::print(this, m_sheet());
        else
            ReportPrint::preview(this, m_sheet());
    });
}
