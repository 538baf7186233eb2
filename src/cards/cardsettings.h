#pragma once
// What the cards carry about the organization that issues them, and how the
// single card lands on the paper: the four texts and the print offsets in
// Tesserini.ini, the logo in Logo.jpg, both in the application directory.

#include <QImage>
#include <QString>

#include <optional>

namespace Cards {

inline const QString SettingsFileName = QStringLiteral("Tesserini.ini");
inline const QString LogoFileName = QStringLiteral("Logo.jpg");
inline constexpr int LogoWidth = 119;
inline constexpr int LogoHeight = 118;

// The organization's four lines: its name, two subtitles, the footer note.
struct Organization {
    QString name;
    QString subtitle1;
    QString subtitle2;
    QString note;

    Organization trimmed() const;
    bool operator==(const Organization&) const = default;
};

// Section "Dati Ente"; a missing file or key reads as an empty text.
Organization loadOrganization();
// Writes the four texts trimmed; false when the file cannot be written.
bool saveOrganization(const Organization& organization);

// The logo as saved; a null image when Logo.jpg is missing or unreadable.
QImage loadLogo();
// Draws `logo` stretched to 119 x 118 pixels (proportions are not kept) and
// writes it as Logo.jpg. On any failure false, and the file keeps what it held.
bool saveLogo(const QImage& logo);
// The picture saveLogo writes for `logo`.
QImage stretchedLogo(const QImage& logo);

// The offsets of the single card print, as the print window shows them:
// whole millimetres as decimal text, "0" when nothing is saved.
struct PrintSettings {
    QString top = QStringLiteral("0");
    QString left = QStringLiteral("0");
    bool landscape = false;
};

// Sections "Margini Stampa" and "Stampa Tesserino". An orientation other than
// "Verticale" or "Orizzontale" leaves portrait.
PrintSettings loadPrintSettings();
// Writes one offset together with the orientation; false when a write fails.
enum class Offset { Top, Left };
bool saveOffset(const PrintSettings& settings, Offset offset);
// The top offset with the orientation, then the left offset with the
// orientation again, as a print does; false as soon as a write fails.
bool savePrintSettings(const PrintSettings& settings);

// "+" and "-": the offset read as a whole number, plus `delta`. An offset
// that is not a whole number gives no value and the conversion message.
struct OffsetStep {
    std::optional<QString> text;
    QString error;
};
OffsetStep stepOffset(const QString& offset, int delta);
// The offset in millimetres as the print applies it (a decimal number, with
// a comma or a point); no value when it is not a number.
std::optional<double> offsetMillimetres(const QString& offset);

}  // namespace Cards
