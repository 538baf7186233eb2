#include "deadlines/ui/frmscadenzario.h"

#include "deadlines/ui/deadlinedialogs.h"

#include "app/dates.h"
#include "app/ui/browsecontroller.h"
#include "app/ui/formbinding.h"
#include "app/ui/formkit.h"
#include "app/ui/frmavvio.h"
#include "app/ui/frmguida.h"
#include "app/ui/services.h"
#include "app/ui/windows.h"
#include "checks/ui/checkwindow.h"
#include "deadlines/deadlinerecord.h"
#include "members/ui/frmtrovaanagrafica.h"
#include "output/searchhandback.h"
#include "storage/appdir.h"
#include "storage/textfield.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedLayout>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString Caption = QStringLiteral(" Norvalis 2.0 - Scadenzario pagamenti");
const QString ReadyText = QStringLiteral("Pronto per archiviare una nuova scheda...");
const QString HelpTopic = QStringLiteral("scadenzario");

const QHash<QString, QString>& labels()
{
    static const QHash<QString, QString> l{
        {"Giorno", "Giorno:"}, {"Mese", "Mese:"}, {"OreApp", "Ore:"}, {"MinutiApp", "Minuti:"},
        {"Avviso", "Avvisa n."}, {"Pagatore", "Pagatore:"}, {"CodFisc", "Codice fiscale:"},
        {"NumTessera", "Tessera n."}, {"Carica", "Carica ricoperta:"}, {"TelCel", "Tel. cellulare:"},
        {"Recapito", "Recapito preferenziale:"}, {"Anticipi", "Anticipo:"},
        {"Complessivo", "Importo complessivo dovuto:"}, {"Rateazione", "Rateazione:"},
        {"Beneficiario", "Beneficiario:"}, {"Dettagli", "Causale scadenza:"},
        {"Officina", "Modalit\u00E0 di pagamento:"}, {"Costo", "Importo in euro:"},
        {"Contatto", "Estremi ricevuta:"}, {"Note", "Note:"},
    };
    return l;
}

const QStringList EnterChainOrder{
    "txtGiorno",      "txtMese",        "txtOreApp",   "txtMinutiApp", "txtAvviso",    "txtPagatore",  "txtCodFisc",
    "txtNumTessera",  "txtCarica",      "txtTelCel",   "txtRecapito",  "txtAnticipi",  "txtComplessivo",
    "txtRateazione",  "txtBeneficiario", "txtDettagli", "txtOfficina",  "txtCosto",     "txtContatto",  "txtNote"};

const QList<std::pair<QString, QString>> Hints{
    {"cmdNuovo", "Prepara la schermata per la registrazione di una nuova scheda."},
    {"cmdSalva", "Salva la scheda corrente in archivio."},
    {"cmdDuplica", "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."},
    {"cmdTrova", "Trova una scheda in archivio."},
    {"cmdStampa", "Stampa la scheda corrente."},
    {"cmdImporta", "Visualizza l'anteprima di stampa."},
    {"cmdEsporta", "Esporta le schede in archivio in un file di Microsoft Excel."},
    {"cmdDaConfermare", "Visualizza l'elenco degli appuntamenti in attesa di conferma."},
    {"cmdDaEffettuare", "Visualizza il riepilogo dei pagamenti da effettuare, sia scaduti che non."},
    {"cmdEffettuate", "Visualizza il riepilogo storico dei pagamenti effettuati."},
    {"cmdPrimo", "Visualizza la prima scheda in archivio."},
    {"cmdIndietro", "Visualizza la scheda precedente in archivio."},
    {"cmdAvanti", "Visualizza la scheda successiva in archivio."},
    {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
    {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
    {"cmdEsci", "Esci da questa schermata di lavoro."},
    {"impPag", "Importa i dati del Pagatore dall'archivio anagrafico dei Soci."},
    {"btnCodFisc", "Controlla il codice fiscale."},
    {"chkDaConfermare", "Spunta questa casella per annotare che l'appuntamento \u00E8 in attesa di conferma."},
    {"chkEffettuata", "Spunta questa casella per annotare che il pagamento \u00E8 stata effettuato."},
};

// The windows these buttons open are not part of this version yet.

QStringList twoDigits(int from, int to)
{
    QStringList items;
    for (int i = from; i <= to; ++i)
        items << QString::number(i).rightJustified(2, QLatin1Char('0'));
    return items;
}

QStringList listItems(const QString& name)
{
    if (name == QLatin1String("Giorno"))
        return twoDigits(1, 31);
    if (name == QLatin1String("Mese"))
        return deadlines::monthNames();
    if (name == QLatin1String("OreApp"))
        return twoDigits(0, 23);
    if (name == QLatin1String("MinutiApp"))
        return twoDigits(0, 59);
    return {};
}

QLabel* fixedText(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

TfrmScadenzario::TfrmScadenzario(QWidget* parent)
    : QWidget(parent), m_browser(QString(), deadlines::recordLayout())
{
    prepareWindow(this, Caption);
    setStyleSheet(dataScreenStyle());
    m_browser.setInsertedText(deadlines::ScreenText::RecordSaved);

    lblFile = new QLabel(this);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->hide();

    panAvvio = buildStartPanel();
    panContainer = buildWorkPanel();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panAvvio);
    layout->addWidget(panContainer);
    panContainer->hide();

    FormBinding::applyMaxLengths(this, deadlines::recordLayout());
    EnterChain::install(this, EnterChainOrder);
    for (const char* list : {"Giorno", "Mese", "OreApp", "MinutiApp"})
        ListOnly::install(findChild<QComboBox*>(QStringLiteral("txt") + QLatin1String(list)));
    DigitKeys::install(field("Avviso"));
    DigitKeys::install(field("Costo"), QStringLiteral(","));
    field("Costo")->installEventFilter(this);
    normaliseOnEdit(qobject_cast<QLineEdit*>(field("CodFisc")),
                    [](const QString& text) { return TextField::asciiUpper(TextField::trimmed(text)); });
    DigitKeys::install(txtAnno);
    connect(txtAnno, &QLineEdit::returnPressed, btnApri, qOverload<>(&QWidget::setFocus));

    m_hints = new HintBar(panInfo, panContainer);
    m_hints->add(Hints);

    browse = new BrowseController(this, m_browser, lblPosizione,
                                  {[this] { newRecordDefaults(); }, {}, [this] { return validateSave(); }, {}});
    browse->connectToolbar();
    const auto button = [this](const char* name) { return findChild<QToolButton*>(QLatin1String(name)); };
    connect(button("cmdNuovo"), &QToolButton::clicked, this, [this] { focusField(QStringLiteral("Giorno")); });
    connect(button("cmdDuplica"), &QToolButton::clicked, this, &TfrmScadenzario::cmdDuplicaClick);
    connect(button("cmdTrova"), &QToolButton::clicked, this, &TfrmScadenzario::cmdTrovaClick);
    connect(button("cmdStampa"), &QToolButton::clicked, this, &TfrmScadenzario::cmdStampaClick);
    connect(button("cmdImporta"), &QToolButton::clicked, this, &TfrmScadenzario::cmdImportaClick);
    connect(button("cmdEsporta"), &QToolButton::clicked, this, &TfrmScadenzario::cmdEsportaClick);
    connect(button("cmdDaConfermare"), &QToolButton::clicked, this,
            [this] { openStatusList(deadlines::Status::ToConfirm); });
    connect(button("cmdDaEffettuare"), &QToolButton::clicked, this,
            [this] { openStatusList(deadlines::Status::ToPay); });
    connect(button("cmdEffettuate"), &QToolButton::clicked, this, [this] { openStatusList(deadlines::Status::Paid); });
    connect(button("cmdGuida"), &QToolButton::clicked, this, &TfrmScadenzario::helpClick);
    connect(button("cmdEsci"), &QToolButton::clicked, this, &QWidget::close);
    connect(button("impPag"), &QToolButton::clicked, this, &TfrmScadenzario::impPagClick);
    connect(button("btnCodFisc"), &QToolButton::clicked, this, &TfrmScadenzario::btnCodFiscClick);
    connect(btnApri, &QPushButton::clicked, this, &TfrmScadenzario::btnApriClick);
    connect(btnOK, &QPushButton::clicked, this, &TfrmScadenzario::btnOKClick);
    connect(btnGiorno, &QToolButton::clicked, this, &TfrmScadenzario::btnGiornoClick);
    connect(btnMese, &QToolButton::clicked, this, &TfrmScadenzario::btnMeseClick);
    connect(imgGuida, &QToolButton::clicked, this, &TfrmScadenzario::helpClick);
    connect(imgEsci, &QToolButton::clicked, this, &QWidget::close);

    calAppuntamenti->setSelectedDate(Clock::today());
    setMinimumSize(1200, 680);
    setWindowState(Qt::WindowMaximized);
}

QWidget* TfrmScadenzario::buildStartPanel()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panAvvio"));

    auto* title = new QLabel(panel);
    title->setObjectName(QStringLiteral("imgTitolo"));
    title->setPixmap(picture(QStringLiteral(":/icons/scadenzario_titolo.svg"), QSize(634, 80)));
    title->setAlignment(Qt::AlignCenter);

    // The year to open.
    QFrame* open = infoPanel(QStringLiteral("panAnno"), 380, panel);
    txtAnno = new QLineEdit(open);
    txtAnno->setObjectName(QStringLiteral("txtAnno"));
    txtAnno->setMaxLength(4);
    txtAnno->setFixedWidth(90);
    txtAnno->setAlignment(Qt::AlignCenter);
    txtAnno->setStyleSheet(QStringLiteral("font: bold 16pt 'Arial';"));
    btnApri = new QPushButton(QStringLiteral("Apri"), open);
    btnApri->setObjectName(QStringLiteral("btnApri"));
    btnApri->setMinimumSize(90, 34);
    auto* yearRow = new QHBoxLayout;
    yearRow->addStretch();
    yearRow->addWidget(txtAnno);
    yearRow->addSpacing(10);
    yearRow->addWidget(btnApri);
    yearRow->addStretch();
    auto* openLayout = new QVBoxLayout(open);
    openLayout->setContentsMargins(18, 16, 18, 16);
    openLayout->setSpacing(14);
    openLayout->addWidget(fixedText(QStringLiteral("Indicare l'anno solare e premere Apri."), open));
    openLayout->addLayout(yearRow);
    openLayout->addWidget(fixedText(QStringLiteral("Accedi all'archivio annuale per inserire o modificare le scadenze."),
                                    open));
    openLayout->addStretch();

    // The calendar and the lists of the day and the month chosen in it.
    calAppuntamenti = new QCalendarWidget(panel);
    calAppuntamenti->setObjectName(QStringLiteral("calAppuntamenti"));
    calAppuntamenti->setGridVisible(true);
    calAppuntamenti->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calAppuntamenti->setFixedSize(330, 220);
    btnGiorno = pictureButton(QStringLiteral("btnGiorno"), QStringLiteral(":/icons/scadenze_giorno.svg"),
                              QSize(160, 48), QStringLiteral("Scadenze del giorno selezionato"), panel);
    btnMese = pictureButton(QStringLiteral("btnMese"), QStringLiteral(":/icons/scadenze_mese.svg"), QSize(160, 48),
                            QStringLiteral("Scadenze del mese selezionato"), panel);
    auto* periodButtons = new QHBoxLayout;
    periodButtons->setSpacing(10);
    periodButtons->addWidget(btnGiorno);
    periodButtons->addWidget(btnMese);
    auto* calendar = new QVBoxLayout;
    calendar->setSpacing(8);
    calendar->addWidget(calAppuntamenti);
    calendar->addLayout(periodButtons);

    auto* middle = new QHBoxLayout;
    middle->setSpacing(40);
    middle->addStretch();
    middle->addWidget(open);
    middle->addLayout(calendar);
    middle->addStretch();

    // The reminder: one banner of the two, and "OK" for the imminent list.
    auto* banners = new QWidget(panel);
    banners->setFixedSize(634, 95);
    auto* stack = new QStackedLayout(banners);
    stack->setStackingMode(QStackedLayout::StackAll);
    imgAssenti = new QLabel(banners);
    imgAssenti->setObjectName(QStringLiteral("imgAssenti"));
    imgAssenti->setPixmap(picture(QStringLiteral(":/icons/scadenze_assenti.svg"), QSize(634, 95)));
    imgPresenti = new QLabel(banners);
    imgPresenti->setObjectName(QStringLiteral("imgPresenti"));
    imgPresenti->setPixmap(picture(QStringLiteral(":/icons/scadenze_presenti.svg"), QSize(634, 95)));
    stack->addWidget(imgAssenti);
    stack->addWidget(imgPresenti);
    imgPresenti->hide();
    btnOK = new QPushButton(QStringLiteral("OK"), panel);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setMinimumSize(90, 34);
    auto* okTexts = new QVBoxLayout;
    okTexts->addWidget(fixedText(QStringLiteral("Premere OK per ottenere l'elenco delle scadenze."), panel));
    okTexts->addWidget(btnOK, 0, Qt::AlignLeft);
    okTexts->addWidget(fixedText(QStringLiteral("Visualizza le scadenze imminenti."), panel));
    auto* reminder = new QHBoxLayout;
    reminder->setSpacing(20);
    reminder->addStretch();
    reminder->addWidget(banners);
    reminder->addLayout(okTexts);
    reminder->addStretch();

    imgGuida = pictureButton(QStringLiteral("imgGuida"), QStringLiteral(":/icons/guida.svg"), QSize(40, 40),
                             QStringLiteral("Guida"), panel);
    imgEsci = pictureButton(QStringLiteral("imgEsci"), QStringLiteral(":/icons/esci.svg"), QSize(40, 40),
                            QStringLiteral("Esci"), panel);
    auto* corner = new QHBoxLayout;
    corner->addStretch();
    corner->addWidget(imgGuida);
    corner->addWidget(imgEsci);

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(20, 12, 20, 12);
    layout->setSpacing(18);
    layout->addLayout(corner);
    layout->addWidget(title);
    layout->addLayout(middle);
    layout->addLayout(reminder);
    layout->addStretch();
    return panel;
}

QWidget* TfrmScadenzario::buildWorkPanel()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panContainer"));

    lblPosizione = positionLabel(panel);
    for (const char* holder : {"lblData", "lblOra"}) {
        auto* l = new QLabel(panel);
        l->setObjectName(QLatin1String(holder));
        l->hide();
    }
    panInfo = hintBarLabel(ReadyText, panel);
    QWidget* toolbar = buildToolbar();

    // When: the due date, the appointment's time and the notice.
    auto* date = new QGroupBox(QStringLiteral(" Data scadenza: "), panel);
    auto* dateRow = new QHBoxLayout(date);
    auto* lblAnno = new QLabel(QStringLiteral("ANNO"), date);
    lblAnno->setObjectName(QStringLiteral("lblAnno"));
    lblAnno->setStyleSheet(QStringLiteral("font: bold 12pt 'Arial'; color: #1F4E79;"));
    for (const char* name : {"Giorno", "Mese"}) {
        dateRow->addWidget(new QLabel(labels().value(QLatin1String(name)), date));
        dateRow->addWidget(makeField(QLatin1String(name)));
    }
    dateRow->addSpacing(8);
    dateRow->addWidget(lblAnno);
    dateRow->addStretch();
    auto* time = new QGroupBox(QStringLiteral(" Ora appuntamento: "), panel);
    auto* timeRow = new QHBoxLayout(time);
    timeRow->addWidget(new QLabel(labels().value("OreApp"), time));
    timeRow->addWidget(makeField(QStringLiteral("OreApp")));
    timeRow->addWidget(new QLabel(QStringLiteral(":"), time));
    timeRow->addWidget(new QLabel(labels().value("MinutiApp"), time));
    timeRow->addWidget(makeField(QStringLiteral("MinutiApp")));
    timeRow->addStretch();
    auto* notice = new QGroupBox(QStringLiteral(" Preavviso: "), panel);
    auto* noticeRow = new QHBoxLayout(notice);
    noticeRow->addWidget(new QLabel(labels().value("Avviso"), notice));
    noticeRow->addWidget(makeField(QStringLiteral("Avviso")));
    noticeRow->addWidget(new QLabel(QStringLiteral("giorni prima della scadenza."), notice));
    noticeRow->addStretch();
    auto* when = new QHBoxLayout;
    when->setSpacing(12);
    when->addWidget(date);
    when->addWidget(time);
    when->addWidget(notice, 1);

    // Who pays, with the import from the member archive and the tax-code check.
    auto* payer = new QGroupBox(QStringLiteral("Pagatore"), panel);
    auto* payerGrid = new QGridLayout(payer);
    auto* impPag = pictureButton(QStringLiteral("impPag"), QStringLiteral(":/icons/importa_socio.svg"), QSize(22, 22),
                                 QStringLiteral("Importa il Pagatore dall'archivio dei Soci"), payer);
    impPag->setAutoRaise(false);
    auto* btnCodFisc = pictureButton(QStringLiteral("btnCodFisc"), QStringLiteral(":/icons/trova.svg"), QSize(22, 22),
                                     QStringLiteral("Controlla il codice fiscale"), payer);
    btnCodFisc->setAutoRaise(false);
    addRow(payerGrid, 0, {"Pagatore"}, impPag);
    addRow(payerGrid, 1, {"CodFisc"}, btnCodFisc);
    const QList<QString> payerRest{"NumTessera", "Carica", "TelCel", "Recapito"};
    for (int i = 0; i < payerRest.size(); ++i)
        addRow(payerGrid, i + 2, {payerRest[i]});
    payerGrid->setRowStretch(payerRest.size() + 2, 1);

    // What is owed, to whom and how.
    auto* payment = new QGroupBox(QStringLiteral("Pagamento"), panel);
    auto* paymentGrid = new QGridLayout(payment);
    const QList<QString> paymentFields{"Anticipi",  "Complessivo", "Rateazione", "Beneficiario",
                                       "Dettagli",  "Officina",    "Costo",      "Contatto"};
    for (int i = 0; i < paymentFields.size(); ++i)
        addRow(paymentGrid, i, {paymentFields[i]});

    auto* notes = new QGroupBox(QStringLiteral("Note e stato"), panel);
    auto* notesGrid = new QGridLayout(notes);
    addRow(notesGrid, 0, {"Note"});
    chkDaConfermare = new QCheckBox(QStringLiteral("Appuntamento da confermare"), notes);
    chkDaConfermare->setObjectName(QStringLiteral("chkDaConfermare"));
    chkEffettuata = new QCheckBox(QStringLiteral("Pagamento effettuato"), notes);
    chkEffettuata->setObjectName(QStringLiteral("chkEffettuata"));
    auto* checks = new QHBoxLayout;
    checks->setSpacing(30);
    checks->addWidget(chkDaConfermare);
    checks->addWidget(chkEffettuata);
    checks->addStretch();
    notesGrid->addLayout(checks, 1, 1);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(12);
    columns->addWidget(payer, 1);
    columns->addWidget(payment, 1);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(14, 8, 14, 8);
    body->setSpacing(8);
    body->addLayout(when);
    body->addLayout(columns);
    body->addWidget(notes);
    body->addStretch();

    stackScreen(panel, toolbar, body, panInfo);
    return panel;
}

QWidget* TfrmScadenzario::buildToolbar()
{
    return ScreenToolbar::browseBar(this,
                                    {{"cmdNuovo", "nuovo", "Nuovo"},
                                     {"cmdSalva", "salva", "Salva"},
                                     {"cmdDuplica", "duplica", "Duplica"},
                                     {"cmdTrova", "trova", "Trova"},
                                     {"cmdStampa", "stampa", "Stampa"},
                                     {"cmdImporta", "anteprima", "Anteprima"},
                                     {"cmdEsporta", "excel", "Excel"}},
                                    lblPosizione,
                                    {{"cmdDaConfermare", "da_confermare", "Da confermare"},
                                     {"cmdDaEffettuare", "da_effettuare", "Da pagare"},
                                     {"cmdEffettuate", "effettuate", "Pagati"},
                                     {"cmdGuida", "guida", "Guida"},
                                     {"cmdEsci", "esci", "Esci"}});
}

QWidget* TfrmScadenzario::makeField(const QString& name)
{
    QWidget* control = nullptr;
    if (const QStringList items = listItems(name); !items.isEmpty()) {
        auto* list = new QComboBox(this);
        list->setEditable(true);
        list->setInsertPolicy(QComboBox::NoInsert);
        list->setCompleter(nullptr);
        list->lineEdit()->setReadOnly(true);
        list->addItems(items);
        list->setMaxVisibleItems(12);
        list->setFixedWidth(name == QLatin1String("Mese") ? 120 : 62);
        control = list;
    } else {
        auto* edit = new QLineEdit(this);
        edit->setMinimumHeight(24);
        if (name == QLatin1String("Avviso"))
            edit->setFixedWidth(48);
        else if (name == QLatin1String("Costo"))
            edit->setFixedWidth(140);
        control = edit;
    }
    control->setObjectName(QStringLiteral("txt") + name);
    FocusHighlight::attach(control, name);
    return control;
}

void TfrmScadenzario::addRow(QGridLayout* grid, int row, const QList<QString>& names, QWidget* beside)
{
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(7);
    const QString& name = names.first();
    auto* label = new QLabel(labels().value(name), grid->parentWidget());
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(label, row, 0);
    auto* line = new QHBoxLayout;
    line->setSpacing(6);
    QWidget* control = makeField(name);
    line->addWidget(control, control->maximumWidth() < QWIDGETSIZE_MAX ? 0 : 1);
    if (beside)
        line->addWidget(beside);
    if (control->maximumWidth() < QWIDGETSIZE_MAX)
        line->addStretch();
    grid->addLayout(line, row, 1);
    grid->setColumnStretch(1, 1);
}

QWidget* TfrmScadenzario::field(const QString& name) const
{
    return findChild<QWidget*>(QStringLiteral("txt") + name);
}

QString TfrmScadenzario::fieldText(const QString& name) const
{
    return FormBinding::texts(const_cast<TfrmScadenzario*>(this), deadlines::recordLayout()).value(name);
}

void TfrmScadenzario::focusField(const QString& name)
{
    if (QWidget* f = field(name))
        f->setFocus(Qt::OtherFocusReason);
}

void TfrmScadenzario::clearDateAndTime()
{
    for (const char* list : {"Giorno", "Mese"})
        if (auto* combo = findChild<QComboBox*>(QStringLiteral("txt") + QLatin1String(list))) {
            combo->setCurrentIndex(-1);
            combo->setEditText(QString());
        }
    for (const char* list : {"OreApp", "MinutiApp"})
        findChild<QComboBox*>(QStringLiteral("txt") + QLatin1String(list))->setEditText(QStringLiteral("00"));
}

void TfrmScadenzario::newRecordDefaults()
{
    clearDateAndTime();
    qobject_cast<QLineEdit*>(field("Costo"))->setText(QStringLiteral("0,00"));
    findChild<QLabel*>(QStringLiteral("lblAnno"))->setText(m_year);
}

bool TfrmScadenzario::validateSave()
{
    const QString year = findChild<QLabel*>(QStringLiteral("lblAnno"))->text();
    const deadlines::SavePreparation prepared =
        deadlines::prepareSave(FormBinding::texts(this, deadlines::recordLayout()), year);
    for (auto it = prepared.composed.cbegin(); it != prepared.composed.cend(); ++it)
        FormBinding::setText(this, it.key(), it.value());
    if (!prepared.refusal)
        return true;
    const SaveCheck::Refusal& refusal = *prepared.refusal;
    switch (refusal.box) {
    case SaveCheck::Refusal::Box::Warning:
        Ui::warning(this, refusal.message);
        break;
    case SaveCheck::Refusal::Box::InformationOkOnly:
        Ui::information(this, refusal.message, MessageButtons::Ok);
        break;
    case SaveCheck::Refusal::Box::Message:
        Ui::message(this, refusal.message);
        break;
    }
    focusField(refusal.field);
    return false;
}

void TfrmScadenzario::btnApriClick()
{
    const std::optional<QString> year = deadlines::openedYear(txtAnno->text());
    if (!year) {
        Ui::warning(this, deadlines::ScreenText::YearOfFourDigits);
        txtAnno->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_year = *year;
    lblFile->setText(deadlines::archivePath(m_year));
    m_browser.setPath(lblFile->text());
    setWindowTitle(Caption + QStringLiteral(" anno ") + m_year);
    panAvvio->hide();
    panContainer->show();
    browse->newRecord();
    panInfo->setText(ReadyText);
    focusField(QStringLiteral("Giorno"));
}

void TfrmScadenzario::cmdDuplicaClick()
{
    browse->duplicate([this] {
        clearDateAndTime();
        focusField(QStringLiteral("Giorno"));
    });
}

void TfrmScadenzario::impPagClick()
{
    TfrmTrovaAnagrafica::open(this, QStringLiteral("scadenzario"));
}

void TfrmScadenzario::importPayer(const Record& member)
{
    for (const char* name : {"CodFisc", "NumTessera", "Carica", "TelCel", "Recapito"})
        FormBinding::setText(this, QLatin1String(name), TextField::trimmed(member.text(QString::fromLatin1(name))));
    FormBinding::setText(this, QStringLiteral("Pagatore"), TextField::trimmed(member.text(u"Tesserato")));
}

void TfrmScadenzario::btnCodFiscClick()
{
    openTaxCodeCheck(this, fieldText(QStringLiteral("CodFisc")));
}

void TfrmScadenzario::helpClick()
{
    showHelp(this, HelpTopic);
}

void TfrmScadenzario::showReminder(std::optional<int> imminent)
{
    if (!imminent)
        return;
    const bool some = *imminent > 0;
    imgAssenti->setVisible(!some);
    imgPresenti->setVisible(some);
    btnOK->setEnabled(some);
    if (some)
        playReminderSound();
}

// The chime supplied with the program, once; a sound that cannot be loaded
// is silently left out.
void TfrmScadenzario::playReminderSound()
{
    MediaPlayer& player = Services::mediaPlayer();
    player.load(AppDir::installedFile(QString::fromLatin1(deadlines::ReminderSound)), [&player](bool loaded) {
        if (loaded)
            player.play();
    });
}

// The imminent list of the current year (what "OK" offers).
void TfrmScadenzario::btnOKClick()
{
    showPeriodList(this, deadlines::Period::Imminent, Clock::today());
}

// The deadlines of the day selected in the calendar.
void TfrmScadenzario::btnGiornoClick()
{
    showPeriodList(this, deadlines::Period::Day, calAppuntamenti->selectedDate());
}

// The deadlines of the month selected in the calendar.
void TfrmScadenzario::btnMeseClick()
{
    showPeriodList(this, deadlines::Period::Month, calAppuntamenti->selectedDate());
}

// The search in the opened archive; a deadline picked there comes back
// through the caller key "Scadenzario".
void TfrmScadenzario::cmdTrovaClick()
{
    showDeadlineSearch(this, lblFile->text());
}

// The deadline sheet of the fields as they stand, saved or not, to the printer.
void TfrmScadenzario::cmdStampaClick()
{
    printDeadlineSheet(this, FormBinding::read(this, deadlines::recordLayout()));
}

// The same sheet in the print preview.
void TfrmScadenzario::cmdImportaClick()
{
    previewDeadlineSheet(this, FormBinding::read(this, deadlines::recordLayout()));
}

// The whole-year export of the opened archive.
void TfrmScadenzario::cmdEsportaClick()
{
    showArchiveExport(this, lblFile->text());
}

// One of the three status lists of the opened archive.
void TfrmScadenzario::openStatusList(deadlines::Status status)
{
    showStatusList(this, lblFile->text(), status);
}

void TfrmScadenzario::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    setWindowTitle(Caption);
    panContainer->hide();
    panAvvio->show();
    txtAnno->setText(Clock::today().toString(QStringLiteral("yyyy")));
    txtAnno->setFocus(Qt::OtherFocusReason);
    showReminder(deadlines::reminderCheck());
}

void TfrmScadenzario::closeEvent(QCloseEvent* event)
{
    event->accept();
    Services::mediaPlayer().stop();
    panContainer->hide();
    panAvvio->show();
    if (frmAvvio)
        frmAvvio->show();
}

bool TfrmScadenzario::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == field(QStringLiteral("Costo")) && event->type() == QEvent::FocusOut) {
        auto* amount = qobject_cast<QLineEdit*>(watched);
        amount->setText(deadlines::normaliseAmount(amount->text()));
    }
    return QWidget::eventFilter(watched, event);
}

void registerDeadlineSearchReceivers()
{
    SearchHandBack::registerReceiver(TfrmTrovaAnagrafica::route(QStringLiteral("scadenzario")),
                                     [](int, const Record& member) {
                                         if (frmScadenzario)
                                             frmScadenzario->importPayer(member);
                                     });
    // A deadline picked in the screen's lists and search becomes the current
    // record, as if browsed to: a save then overwrites it.
    for (const SearchHandBack::Route& route : deadlineScreenRoutes())
        SearchHandBack::registerReceiver(route, [](int position, const Record&) {
            if (frmScadenzario)
                frmScadenzario->browse->showAt(position);
        });
}
