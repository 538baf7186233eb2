#include "checks/ui/checkwindow.h"

#include "app/ui/formkit.h"
#include "app/ui/services.h"
#include "checks/ui/frmcarta.h"
#include "checks/ui/frmcodfisc.h"
#include "checks/ui/frmiban.h"
#include "checks/ui/frmpartitaiva.h"
#include "storage/textfield.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace {

constexpr QSize BannerSize(500, 100);

}  // namespace

TfrmControllo::TfrmControllo(Checks::Field kind, const Look& look, QWidget* parent)
    : QDialog(parent), m_kind(kind), m_top(look.top)
{
    prepareWindow(this, look.caption, Frame::NoBorderIcons, Background::Default);

    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(picture(look.banner, BannerSize));
    imgLogo->setAlignment(Qt::AlignCenter);
    imgLogo->setFixedHeight(BannerSize.height());

    lblTitolo = new QLabel(look.title, this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setWordWrap(true);
    lblTitolo->setAlignment(Qt::AlignCenter);
    lblTitolo->setFont(QFont(QStringLiteral("Verdana"), 10, QFont::Bold));
    lblTitolo->setStyleSheet(QStringLiteral("color: #14324F;"));

    m_field = new QLineEdit(this);
    m_field->setObjectName(look.fieldName);
    m_field->setFont(QFont(QStringLiteral("Courier New"), 20, QFont::Bold));
    m_field->setMaxLength(Checks::maxLength(kind));
    m_field->setAlignment(Qt::AlignCenter);
    m_field->setMinimumHeight(44);
    m_field->installEventFilter(this);
    connect(m_field, &QLineEdit::textChanged, this, &TfrmControllo::normaliseField);
    connect(m_field, &QLineEdit::textEdited, this, &TfrmControllo::fitLimit);

    btnControlla = new QPushButton(QStringLiteral("Controlla"), this);
    btnControlla->setObjectName(QStringLiteral("btnControlla"));
    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {btnControlla, btnChiudi}) {
        b->setMinimumSize(104, 32);
        buttons->addWidget(b);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 14, 20, 16);
    layout->setSpacing(10);
    layout->addWidget(imgLogo);
    layout->addSpacing(4);
    layout->addWidget(lblTitolo);
    layout->addWidget(m_field);
    layout->addStretch();
    layout->addLayout(buttons);
    setFixedSize(600, 290);

    connect(btnControlla, &QPushButton::clicked, this, &TfrmControllo::btnControllaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmControllo::normaliseField()
{
    if (!Checks::normalisesText(m_kind))
        return;
    const QString text = m_field->text();
    const QString fixed = Checks::normalised(text);
    if (fixed == text)
        return;
    // Keep the cursor where it was among the characters that stay.
    qsizetype leading = 0;
    while (leading < text.size() && text.at(leading).unicode() <= u' ')
        ++leading;
    const int cursor = int(qBound<qsizetype>(0, m_field->cursorPosition() - leading, fixed.size()));
    m_field->setText(fixed);
    m_field->setCursorPosition(cursor);
}

void TfrmControllo::setCallerText(const QString& text)
{
    const QString whole = Checks::asHandedOver(m_kind, text);
    m_field->setMaxLength(std::max(Checks::maxLength(m_kind), int(whole.size())));
    m_field->setText(whole);
}

void TfrmControllo::fitLimit()
{
    // A handed-over text longer than the limit may be shortened; once it is,
    // the limit is back where typing alone would have kept it.
    const int limit = std::max(Checks::maxLength(m_kind), int(m_field->text().size()));
    if (limit == m_field->maxLength())
        return;
    // A new limit puts the text in again, which moves the cursor to the end.
    const int cursor = m_field->cursorPosition();
    m_field->setMaxLength(limit);
    m_field->setCursorPosition(cursor);
}

void TfrmControllo::btnControllaClick()
{
    const Checks::CheckResult result = Checks::check(m_kind, m_field->text());
    switch (result.notice) {
    case Checks::Notice::Warning: Ui::warning(this, result.message); break;
    case Checks::Notice::Information: Ui::information(this, result.message); break;
    case Checks::Notice::None: break;
    }
    if (result.closesWindow()) {
        accept();
    } else {
        m_field->setFocus();
    }
}

void TfrmControllo::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    centre(this);
    m_field->setFocus();
}

void TfrmControllo::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, m_top);
    gradient.setColorAt(1, Qt::white);
    painter.fillRect(rect(), gradient);
}

bool TfrmControllo::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_field) {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            switch (Checks::keyAction(m_kind, key->key(), key->text())) {
            case Checks::KeyAction::FocusButton: btnControlla->setFocus(Qt::TabFocusReason); return true;
            case Checks::KeyAction::Discard: return true;
            case Checks::KeyAction::Pass: break;
            }
        } else if (event->type() == QEvent::KeyRelease) {
            normaliseField();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void openCheck(QWidget* owner, Checks::Field kind, const QString& fieldText)
{
    std::unique_ptr<TfrmControllo> window;
    switch (kind) {
    case Checks::Field::TaxCode: window = std::make_unique<TfrmCodFisc>(owner); break;
    case Checks::Field::VatNumber: window = std::make_unique<TfrmPartitaIva>(owner); break;
    case Checks::Field::CardNumber: window = std::make_unique<TfrmCarta>(owner); break;
    case Checks::Field::Iban: window = std::make_unique<TfrmIban>(owner); break;
    }
    window->setCallerText(TextField::trimmed(fieldText));
    Ui::runModal(*window);
}

void openTaxCodeCheck(QWidget* owner, const QString& fieldText)
{
    openCheck(owner, Checks::fieldForTaxCodeText(fieldText), fieldText);
}
