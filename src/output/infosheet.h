#pragma once
// The information sheet ("Scheda informativa") that the member and the
// deadline screens print: one A4 portrait page with a logo, a title, 24 rows
// of label and value and a footer with the print date and time.

#include "output/report.h"

#include <QDateTime>
#include <QImage>
#include <QList>
#include <QString>

namespace InfoSheet {

inline constexpr int RowCount = 24;

// The label and the value of one row.
struct Row {
    QString label;
    QString value;
};

// The template `repScheda` as designed, with `logo` as its fixed picture and
// the given preview buttons.
Report::Template design(const QImage& logo = QImage(), int previewButtons = Report::StandardPreview);
// The program's logo, the one picture of the sheets, the access window and
// the band over the windows.
inline constexpr const char* LogoResource = ":/sheet/logo.svg";
// The fixed logo of the sheets, drawn at the given size; a null image when
// the picture cannot be drawn here.
QImage fixedLogo(QSize size = QSize(340, 260));
// Sets the page to portrait and fills the title, the rows (1 to 24; rows not
// given keep their design texts) and the footer with `moment`.
void fill(Report::Template& sheet, const QString& title, const QList<Row>& rows, const QDateTime& moment);
// "Stampa eseguita in data dd/mm/yyyy alle ore <time>": the time in the
// system's long format, or in `timeFormat` when one is given ("HH:mm:ss").
QString footerText(const QDateTime& moment, const QString& timeFormat = {});

}  // namespace InfoSheet
