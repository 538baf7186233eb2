#include "cards/cardlayout.h"

#include "cards/cardpictures.h"
#include "storage/record.h"
#include "storage/textfield.h"

namespace Cards {

namespace {

const QColor Navy(0x00, 0x00, 0x80);
const QColor Beige(0xF5, 0xF5, 0xDC);
const QColor Brown(0x80, 0x00, 0x00);

struct TextSpec {
    const char* name;
    double left, top, width, height;
    double pointSize;
    bool bold;
    QColor colour;
    bool centredBothWays;
    const char* text;
};

Report::Object cardText(const TextSpec& t, CardStyle style, const QString& suffix, QPointF offset)
{
    Report::Object o = Report::textBox(QLatin1String(t.name) + suffix, t.left + offset.x(), t.top + offset.y(),
                                       t.width, t.height, QString::fromUtf8(t.text), QStringLiteral("Arial"),
                                       t.pointSize, t.bold);
    o.colour = t.colour;
    o.wordWrap = false;
    o.expressions = false;
    if (t.centredBothWays) {
        o.hAlign = Report::HAlign::Centre;
        o.vAlign = Report::VAlign::Centre;
    } else {
        o.vAlign = style == CardStyle::SinglePrint ? Report::VAlign::Centre : Report::VAlign::Top;
    }
    return o;
}

Report::Object cardRectangle(const char* name, const QString& suffix, QPointF offset, double left, double top,
                             double width, double height, const QColor& fill, const QColor& outline)
{
    Report::Object o = Report::rectangle(QLatin1String(name) + suffix, left + offset.x(), top + offset.y(), width,
                                         height, fill);
    o.outline = outline;
    return o;
}

Report::Object cardPicture(const char* name, const QString& suffix, QPointF offset, double left, double top,
                           double width, double height, const QImage& filler)
{
    Report::Object o = Report::picture(QLatin1String(name) + suffix, left + offset.x(), top + offset.y(), width,
                                       height, true);
    o.setPicture(filler);
    return o;
}

void fillFace(Report::Template& layout, const CardFace& face, const QString& suffix)
{
    // A face without a picture shows the fillers, as the screens do.
    layout.object(QStringLiteral("imgLogo") + suffix).setPicture(face.logo.isNull() ? placeholderLogo() : face.logo);
    layout.object(QStringLiteral("imgFoto") + suffix)
        .setPicture(face.photo.isNull() ? placeholderPortrait() : face.photo);
    for (const FaceText& t : FaceTexts)
        layout.object(QLatin1String(t.object) + suffix).setText(TextField::trimmed(face.*t.text));
}

Report::Template cardPage(const QString& name)
{
    Report::Template t;
    t.name = name;
    t.previewButtons = Report::StandardPreview;
    t.page = Report::Page::a4(Report::Orientation::Portrait, 0);
    t.page.defaultFont = QStringLiteral("Arial");
    return t;
}

}  // namespace

void CardFace::setOrganization(const Organization& organization)
{
    association = organization.name;
    subtitle1 = organization.subtitle1;
    subtitle2 = organization.subtitle2;
    note = organization.note;
}

void CardFace::setMember(const Record& record)
{
    member = TextField::trimmed(record.text(QStringLiteral("Tesserato")));
    office = TextField::trimmed(record.text(QStringLiteral("Carica")));
    cardNumber = TextField::trimmed(record.text(QStringLiteral("NumTessera")));
    issued = TextField::trimmed(record.text(QStringLiteral("DataRil")));
    expires = TextField::trimmed(record.text(QStringLiteral("DataScade")));
}

void CardFace::setMemberPlaceholders()
{
    member = MemberPlaceholder;
    office = OfficePlaceholder;
    cardNumber = CardNumberPlaceholder;
    issued = expires = DatePlaceholder;
}

void CardFace::clearMember()
{
    member.clear();
    office.clear();
    cardNumber.clear();
    issued.clear();
    expires.clear();
}

std::vector<Report::Object> cardObjects(CardStyle style, const QString& suffix, QPointF offset)
{
    const bool print = style == CardStyle::SinglePrint;
    const QColor white = Qt::white, black = Qt::black;
    const TextSpec texts[] = {
        {"txtAssociazione", 12.0, 12.0, 54.0, 3.8, 8, true, white, false, "Denominazione Ente o Associazione"},
        {"txtSottotitolo01", 12.0, 15.7, 54.0, 3.7, 7, false, white, false, "Indirizzo e città"},
        {"txtSottotitolo02", 12.0, 19.0, 54.0, 3.7, 7, false, white, false, "Telefono e altri recapiti"},
        {"txtAnnotazioni", 12.0, style == CardStyle::SinglePreview ? 58.2 : 58.0, 82.0, 3.8, 8, true, white, true,
         "Annotazioni"},
        {"txtTesserato", 40.0, 25.0, 55.0, 4.0, 9, true, black, false, "Cognome e nome Socio"},
        {"txtCarica", 40.0, 29.0, 55.0, 3.8, 7.3, true, black, false, "Carica ricoperta"},
        {"txtNumTessera", 40.0, 33.8, 31.0, 3.5, 7.3, true, Brown, false, "Tessera n."},
    };
    const TextSpec issueCaption = {"titDataRil", 40.0, 38.0, 23.0, 3.4, 7, false, black, false, "Data rilascio:"};
    const TextSpec expiryCaption = {"titDataScade", 40.0, 47.0, 23.0, 3.4, 7, false, black, false,
                                    "Data scadenza:"};
    const TextSpec issueDate = {"txtDataRil", 41.4, print ? 42.6 : 42.4, 22.2, 3.0, 7.3, true, black, true,
                                "GG/MM/AAAA"};
    const TextSpec expiryDate = {"txtDataScade", 41.4, print ? 51.6 : 51.4, 22.2, 3.0, 7.3, true, black, true,
                                 "GG/MM/AAAA"};

    std::vector<Report::Object> objects;
    objects.push_back(cardRectangle(print ? "shpSfondo" : "shpTessera", suffix, offset, CardLeftMm, CardTopMm,
                                    CardWidthMm, CardHeightMm, white, black));
    objects.push_back(cardPicture("imgFoto", suffix, offset, 12.0, 25.8, 26.0, 28.8, placeholderPortrait()));
    objects.push_back(cardPicture("imgLogo", suffix, offset, 72.2, 34.4, 22.0, 21.0, placeholderLogo()));
    objects.push_back(cardRectangle("shpHeader", suffix, offset, 11.0, 11.0, 83.8, 12.0, Navy, Navy));
    objects.push_back(cardRectangle("shpFooter", suffix, offset, 11.0, 57.0, 83.8, 6.0, Navy, Navy));
    for (const TextSpec& t : texts)
        objects.push_back(cardText(t, style, suffix, offset));
    objects.push_back(cardText(issueCaption, style, suffix, offset));
    objects.push_back(cardRectangle("shpDataRil", suffix, offset, 40.0, 42.0, 25.0, 4.0, Beige, black));
    objects.push_back(cardText(expiryCaption, style, suffix, offset));
    objects.push_back(cardText(issueDate, style, suffix, offset));
    objects.push_back(cardRectangle("shpDataScade", suffix, offset, 40.0, 51.0, 25.0, 4.0, Beige, black));
    objects.push_back(cardText(expiryDate, style, suffix, offset));
    return objects;
}

Report::Template singleCardDesign()
{
    Report::Template t = cardPage(QStringLiteral("Tesserino"));
    for (Report::Object& o : cardObjects(CardStyle::SinglePrint))
        t.add(std::move(o));
    return t;
}

Report::Template singleCardPreviewDesign()
{
    Report::Template t = cardPage(QStringLiteral("Tesserino"));
    for (Report::Object& o : cardObjects(CardStyle::SinglePreview))
        t.add(std::move(o));
    return t;
}

void fillSingleCard(Report::Template& card, const CardFace& face)
{
    fillFace(card, face, QString());
}

void placeSingleCard(Report::Template& card, bool landscape, double topMm, double leftMm)
{
    card.page.setOrientation(landscape ? Report::Orientation::Landscape : Report::Orientation::Portrait);
    card.page.setTopMargin(topMm);
    card.page.setLeftMargin(leftMm);
}

QString slotSuffix(int slot)
{
    return QStringLiteral("_") + QChar(QLatin1Char('A' + (slot - 1)));
}

QPointF slotOffsetMm(int slot)
{
    static const double across[] = {0, 95, 189};
    static const double down[] = {0, 65, 130};
    return {across[(slot - 1) % 3], down[(slot - 1) / 3]};
}

Report::Template sheetDesign(int cardCount)
{
    Report::Template t = cardPage(QStringLiteral("Tesserini"));
    t.page.orientation = Report::Orientation::Landscape;
    std::vector<std::vector<Report::Object>> cards;
    for (int slot = 1; slot <= std::clamp(cardCount, 0, SheetSlots); ++slot)
        cards.push_back(cardObjects(CardStyle::Sheet, slotSuffix(slot), slotOffsetMm(slot)));
    // The card outlines first, then each card's contents over them.
    for (std::vector<Report::Object>& card : cards)
        t.add(std::move(card.front()));
    for (std::vector<Report::Object>& card : cards)
        for (auto o = card.begin() + 1; o != card.end(); ++o)
            t.add(std::move(*o));
    return t;
}

void fillSheet(Report::Template& sheet, const QList<CardFace>& faces)
{
    for (int slot = 1; slot <= std::min<int>(SheetSlots, int(faces.size())); ++slot)
        if (sheet.hasObject(QStringLiteral("imgLogo") + slotSuffix(slot)))
            fillFace(sheet, faces.at(slot - 1), slotSuffix(slot));
}

Report::Template printedSingleCard(const CardFace& face, const PrintSettings& settings)
{
    const std::optional<double> top = offsetMillimetres(settings.top);
    const std::optional<double> left = offsetMillimetres(settings.left);
    if (!top || !left)
        throw Report::Error("margine di stampa non valido");
    Report::Template card = singleCardDesign();
    placeSingleCard(card, settings.landscape, *top, *left);
    fillSingleCard(card, face);
    return card;
}

Report::Template previewedSingleCard(const CardFace& face)
{
    Report::Template card = singleCardPreviewDesign();
    placeSingleCard(card, false, 0, 0);
    fillSingleCard(card, face);
    return card;
}

Report::Template printedSheet(const QList<CardFace>& faces)
{
    Report::Template sheet = sheetDesign();
    fillSheet(sheet, faces);
    return sheet;
}

}  // namespace Cards
