#include "app/ui/frmcalendario.h"

#include "app/dates.h"
#include "app/shellrules.h"
#include "app/ui/formkit.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmCalendario::TfrmCalendario(QWidget* parent) : QDialog(parent)
{
    prepareWindow(this, QStringLiteral(" Importazione data"), Frame::NoBorderIcons, Background::Default);

    auto* prompt = new QLabel(QStringLiteral("Importare una data:"), this);
    prompt->setFont(QFont(QStringLiteral("Verdana"), 11, QFont::Bold));
    prompt->setStyleSheet(QStringLiteral("color: #1F4E79;"));

    calAppuntamenti = new QCalendarWidget(this);
    calAppuntamenti->setObjectName(QStringLiteral("calAppuntamenti"));
    calAppuntamenti->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    calAppuntamenti->setFirstDayOfWeek(Qt::Monday);
    calAppuntamenti->setGridVisible(true);
    calAppuntamenti->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calAppuntamenti->setSelectedDate(Clock::today());

    btnImportaData = new QPushButton(QStringLiteral("Importa"), this);
    btnImportaData->setObjectName(QStringLiteral("btnImportaData"));
    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnImportaData->setDefault(true);
    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {btnImportaData, btnAnnulla}) {
        b->setMinimumSize(96, 30);
        buttons->addWidget(b);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->addWidget(prompt);
    layout->addWidget(calAppuntamenti);
    layout->addLayout(buttons);
    setFixedSize(420, 340);

    connect(btnImportaData, &QPushButton::clicked, this, &TfrmCalendario::btnImportaDataClick);
    connect(calAppuntamenti, &QCalendarWidget::activated, this, &TfrmCalendario::btnImportaDataClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmCalendario::setCallerCode(const QString& code)
{
    lblMemory->setText(code);
}

void TfrmCalendario::btnImportaDataClick()
{
    const auto target = DatePicker::targetFor(lblMemory->text());
    if (!target)
        return;  // a code no screen uses: nothing is written and the picker stays open
    QLineEdit* field = windowControl<QLineEdit>(target->window, target->field);
    if (!field)
        return;
    field->setText(Dates::format(calAppuntamenti->selectedDate()));
    accept();
}

void TfrmCalendario::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    centre(this, parentWidget() ? parentWidget()->window() : nullptr);
}
