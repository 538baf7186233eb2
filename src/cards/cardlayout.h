#pragma once
// The printed member card (ID-1, 86 x 54 mm) and the two layouts it is
// printed with: "Tesserino", one card near the top-left corner of an A4 page
// moved by the user's offsets, and "Tesserini", nine cards in three rows of
// three on an A4 landscape page.

#include "cards/cardsettings.h"
#include "output/report.h"

#include <QImage>
#include <QList>
#include <QPointF>
#include <QString>

class Record;

namespace Cards {

// What one card shows.
struct CardFace {
    QImage logo;
    QImage photo;
    QString association;
    QString subtitle1;
    QString subtitle2;
    QString note;
    QString member;
    QString office;
    QString cardNumber;
    QString issued;
    QString expires;

    void setOrganization(const Organization& organization);
    // The five member fields of the record (name, office, card number, issue
    // and expiry date), trimmed.
    void setMember(const Record& member);
    // The member part of a card with nobody on it yet.
    void setMemberPlaceholders();
    // The member part of a cleared card: empty texts.
    void clearMember();
};

// The card's texts: the layout object each goes into, and whether it belongs
// to the organization (the screens name those "tit..." instead of "txt...").
struct FaceText {
    const char* object;
    QString CardFace::*text;
    bool organization;
};
inline constexpr FaceText FaceTexts[] = {
    {"txtAssociazione", &CardFace::association, true}, {"txtSottotitolo01", &CardFace::subtitle1, true},
    {"txtSottotitolo02", &CardFace::subtitle2, true},  {"txtAnnotazioni", &CardFace::note, true},
    {"txtTesserato", &CardFace::member, false},        {"txtCarica", &CardFace::office, false},
    {"txtNumTessera", &CardFace::cardNumber, false},   {"txtDataRil", &CardFace::issued, false},
    {"txtDataScade", &CardFace::expires, false},
};

// The texts a card shows before a member is put on it.
inline const QString MemberPlaceholder = QStringLiteral("Cognome e nome Socio");
inline const QString OfficePlaceholder = QStringLiteral("Carica ricoperta");
inline const QString CardNumberPlaceholder = QStringLiteral("Tessera n.");
inline const QString DatePlaceholder = QStringLiteral("GG/MM/AAAA");

// The three drawings of the card differ in small details: the print of the
// single card centres its texts vertically; its preview and the sheet align
// them to the top and sit the note and the dates a little differently.
enum class CardStyle { SinglePrint, SinglePreview, Sheet };

inline constexpr double CardWidthMm = 86.0;
inline constexpr double CardHeightMm = 54.0;
inline constexpr double CardLeftMm = 10.0;  // the card's edge on the page, before offsets
inline constexpr double CardTopMm = 10.0;

// The card's objects in drawing order, each named with `suffix` ("_A") and
// moved by `offsetMm`. The outer rectangle comes first.
std::vector<Report::Object> cardObjects(CardStyle style, const QString& suffix = QString(),
                                        QPointF offsetMm = QPointF());

// "Tesserino" as the print window holds it (A4 portrait, margins 0).
Report::Template singleCardDesign();
// "Tesserino" as the preview window holds it (a 210 x 297 mm custom page).
Report::Template singleCardPreviewDesign();
// Puts the card's pictures and texts (trimmed) into the single card layout.
void fillSingleCard(Report::Template& card, const CardFace& face);
// Orientation and offsets of a print: every object moves down by `topMm`
// and right by `leftMm`.
void placeSingleCard(Report::Template& card, bool landscape, double topMm, double leftMm);

// Slot letters A to I, row by row, and where each card is moved to.
inline constexpr int SheetSlots = 9;
QString slotSuffix(int slot);       // 1 -> "_A"
QPointF slotOffsetMm(int slot);     // 5 -> (95, 65)

// "Tesserini" with the first `cardCount` cards (all nine on screen; fewer when
// a batch leaves the last page part full).
Report::Template sheetDesign(int cardCount = SheetSlots);
// Puts faces[k] into slot k + 1, for as many slots as the sheet holds.
void fillSheet(Report::Template& sheet, const QList<CardFace>& faces);

// The layouts filled as the print and preview windows hand them to the
// report engine. The print of the single card applies the offsets and the
// orientation (Report::Error when an offset is not a number); its preview
// is always portrait without offsets.
Report::Template printedSingleCard(const CardFace& face, const PrintSettings& settings);
Report::Template previewedSingleCard(const CardFace& face);
Report::Template printedSheet(const QList<CardFace>& faces);

}  // namespace Cards
