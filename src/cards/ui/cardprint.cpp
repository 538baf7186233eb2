#include "cards/ui/cardprint.h"

#include "app/ui/desktop.h"
#include "app/ui/formkit.h"
#include "app/ui/services.h"
#include "cards/ui/frmtessera.h"
#include "cards/ui/frmtessere.h"
#include "output/ui/reportprint.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <exception>

// ---------------------------------------------------------------- single card

namespace {

QPushButton* stepButton(const char* name, const QString& text, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setFixedSize(34, 30);
    b->setAutoDefault(false);
    b->setStyleSheet(QStringLiteral("font: bold 12pt 'Arial';"));
    return b;
}

QLineEdit* offsetField(const char* name, QWidget* parent)
{
    auto* field = new QLineEdit(QStringLiteral("0"), parent);
    field->setObjectName(QLatin1String(name));
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignCenter);
    field->setFixedSize(64, 30);
    field->setFocusPolicy(Qt::NoFocus);
    field->setStyleSheet(QStringLiteral("font: bold 11pt 'Arial'; background: #FFFDF0;"));
    return field;
}

}  // namespace

TfrmStampaTessera::TfrmStampaTessera(QWidget* parent, SingleCardSource source)
    : PrintWindow(QStringLiteral(" Stampa tesserino"), QStringLiteral(":/icons/margini.svg"),
                      QStringLiteral("Stampa"), parent),
      m_source(source ? std::move(source) : SingleCardSource(currentSingleCard))
{
    findChild<QLabel*>(QStringLiteral("imgStampante"))->setObjectName(QStringLiteral("imgMargini"));

    optVerticale = new QRadioButton(QStringLiteral("Verticale"), this);
    optVerticale->setObjectName(QStringLiteral("optVerticale"));
    optOrizzontale = new QRadioButton(QStringLiteral("Orizzontale"), this);
    optOrizzontale->setObjectName(QStringLiteral("optOrizzontale"));
    optVerticale->setChecked(true);
    auto* orientations = new QButtonGroup(this);
    orientations->addButton(optVerticale);
    orientations->addButton(optOrizzontale);

    txtTop = offsetField("txtTop", this);
    txtLeft = offsetField("txtLeft", this);
    btnTopMinus = stepButton("btnTopMinus", QStringLiteral("-"), this);
    btnTopPlus = stepButton("btnTopPlus", QStringLiteral("+"), this);
    btnLeftMinus = stepButton("btnLeftMinus", QStringLiteral("-"), this);
    btnLeftPlus = stepButton("btnLeftPlus", QStringLiteral("+"), this);
    btnApplicaTop = new QPushButton(this);
    btnApplicaTop->setObjectName(QStringLiteral("btnApplicaTop"));
    btnApplicaTop->hide();
    btnApplicaLeft = new QPushButton(this);
    btnApplicaLeft->setObjectName(QStringLiteral("btnApplicaLeft"));
    btnApplicaLeft->hide();

    const auto offsetRow = [this](QPushButton* minus, QLineEdit* field, QPushButton* plus) {
        auto* row = new QHBoxLayout;
        row->setSpacing(6);
        row->addWidget(minus);
        row->addWidget(field);
        row->addWidget(plus);
        row->addWidget(new QLabel(QStringLiteral("mm"), this));
        row->addStretch();
        return row;
    };
    auto* orientationRow = new QHBoxLayout;
    orientationRow->addWidget(optVerticale);
    orientationRow->addSpacing(16);
    orientationRow->addWidget(optOrizzontale);
    orientationRow->addStretch();
    controls()->addWidget(heading(QStringLiteral("Orientamento:"), this));
    controls()->addLayout(orientationRow);
    controls()->addSpacing(6);
    controls()->addWidget(heading(QStringLiteral("Margine superiore:"), this));
    controls()->addLayout(offsetRow(btnTopMinus, txtTop, btnTopPlus));
    controls()->addWidget(heading(QStringLiteral("Margine sinistro:"), this));
    controls()->addLayout(offsetRow(btnLeftMinus, txtLeft, btnLeftPlus));
    controls()->addStretch();

    connect(btnTopMinus, &QPushButton::clicked, this, [this] { step(txtTop, -1); });
    connect(btnTopPlus, &QPushButton::clicked, this, [this] { step(txtTop, 1); });
    connect(btnLeftMinus, &QPushButton::clicked, this, [this] { step(txtLeft, -1); });
    connect(btnLeftPlus, &QPushButton::clicked, this, [this] { step(txtLeft, 1); });
    connect(btnApplicaTop, &QPushButton::clicked, this, &TfrmStampaTessera::btnApplicaTopClick);
    connect(btnApplicaLeft, &QPushButton::clicked, this, &TfrmStampaTessera::btnApplicaLeftClick);
    setFixedSize(sizeHint().expandedTo(QSize(460, 0)));
}

void TfrmStampaTessera::showEvent(QShowEvent* event)
{
    PrintWindow::showEvent(event);
    if (event->spontaneous())
        return;
    const Cards::PrintSettings saved = Cards::loadPrintSettings();
    txtTop->setText(saved.top);
    txtLeft->setText(saved.left);
    if (saved.landscape)
        optOrizzontale->setChecked(true);
    centre(this, parentWidget() ? parentWidget()->window() : nullptr);
}

Cards::PrintSettings TfrmStampaTessera::settings() const
{
    return {txtTop->text(), txtLeft->text(), optOrizzontale->isChecked()};
}

void TfrmStampaTessera::step(QLineEdit* field, int delta)
{
    const Cards::OffsetStep stepped = Cards::stepOffset(field->text(), delta);
    if (!stepped.text) {
        Ui::error(this, stepped.error);
        return;
    }
    field->setText(*stepped.text);
}

bool TfrmStampaTessera::btnApplicaTopClick()
{
    return Cards::saveOffset(settings(), Cards::Offset::Top);
}

bool TfrmStampaTessera::btnApplicaLeftClick()
{
    return Cards::saveOffset(settings(), Cards::Offset::Left);
}

void TfrmStampaTessera::run()
{
    try {
        if (!btnApplicaTopClick() || !btnApplicaLeftClick())
            throw Report::Error("impostazioni di stampa non salvate");
        const Report::Template card = Cards::printedSingleCard(m_source(), settings());
        ReportPrint::print(this, card);
        lblAttendere->hide();
    } catch (const std::exception&) {
        lblAttendere->hide();
        Ui::warning(this, CardPrintFailed);
    }
    accept();
}

TfrmAnteprimaTessera::TfrmAnteprimaTessera(QWidget* parent, SingleCardSource source)
    : PrintWindow(QStringLiteral(" Anteprima di stampa"), QStringLiteral(":/icons/anteprima.svg"),
                      QStringLiteral("Mostra anteprima"), parent),
      m_source(source ? std::move(source) : SingleCardSource(currentSingleCard))
{
    describe(QStringLiteral("Anteprima del tesserino corrente"),
             QStringLiteral("L'anteprima mostra il tesserino sul foglio in verticale, "
                            "senza i margini impostati per la stampa."));
}

void TfrmAnteprimaTessera::run()
{
    const Report::Template card = Cards::previewedSingleCard(m_source());
    lblAttendere->hide();
    ReportPrint::preview(this, card);
    accept();
}

// ---------------------------------------------------------------- card sheet


TfrmStampaTessere::TfrmStampaTessere(QWidget* parent, SheetSource source)
    : PrintWindow(QStringLiteral(" Stampa pi\u00F9 tessere su foglio A4"), QStringLiteral(":/icons/stampa.svg"),
                      QStringLiteral("Stampa"), parent),
      m_source(source ? std::move(source) : SheetSource(currentSheet))
{
    describe(QStringLiteral("Stampa delle nove tessere"),
             QStringLiteral("Le nove tessere sono stampate su un foglio A4 orizzontale, in tre file di tre."));
}

void TfrmStampaTessere::run()
{
    runReportingFailures([this] { ReportPrint::print(this, Cards::printedSheet(m_source())); });
}

TfrmAnteprimaTessere::TfrmAnteprimaTessere(QWidget* parent, SheetSource source)
    : PrintWindow(QStringLiteral(" Anteprima di stampa"), QStringLiteral(":/icons/anteprima.svg"),
                      QStringLiteral("Mostra anteprima"), parent),
      m_source(source ? std::move(source) : SheetSource(currentSheet))
{
    describe(QStringLiteral("Anteprima del foglio di tessere"),
             QStringLiteral("L'anteprima mostra il foglio A4 orizzontale con le nove tessere."));
}

void TfrmAnteprimaTessere::run()
{
    runReportingFailures([this] {
        const Report::Template sheet = Cards::printedSheet(m_source());
        lblAttendere->hide();
        ReportPrint::preview(this, sheet);
    });
}
