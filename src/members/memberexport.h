#pragma once
// The member export: the whole member archive as the rows of the export
// window's grid and of the spreadsheet file Tesserati.xls.

#include "output/spreadsheet.h"
#include "storage/archiveerror.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <optional>

class Record;
class RecordView;

namespace members {

inline constexpr const char* kExportFileName = "Tesserati.xls";
inline constexpr const char* kExportWorksheet = "Riepilogo Anagrafica Soci";

// A column of the export window's grid. Column 0 is the record's position.
struct GridColumn {
    const char* name;   // "colNum", "colTesserato", ...
    const char* title;  // UTF-8
    int width;          // pixels
};
inline constexpr int kGridColumnCount = 26;
const QList<GridColumn>& gridColumns();

// The header cells of the file: the grid's columns 1 to 25, with their own titles and widths.
const QList<Spreadsheet::HeaderCell>& exportHeader();

// The fields of each of the 25 columns of the file, in column order: a
// column of several fields holds them joined by one blank.
const QList<QStringList>& exportColumnFields();

// The cells of columns 1 to 25 of one member: each field trimmed, the birth
// place and the residence joined by one blank each, the annulled flag as
// stored ("Sì", "No", or the text a damaged flag holds), trimmed.
QStringList exportCells(const Record& record);

// The grid's rows, packed: one string per member holding its 25 cells, so a
// hundred thousand members take little more memory than their text.
class MemberRows {
public:
    int count() const { return int(m_offsets.size()); }
    void append(const QStringList& cells);  // the 25 cells of exportCells()
    // The cells of exportCells(), packed straight from the record's bytes.
    void append(const RecordView& record);
    // Column 0 is the 1-based position; 1 to 25 the member's cells.
    QString cell(int row, int column) const;
    // The 25 exported cells of a row.
    QStringList exportRow(int row) const;

private:
    using Offsets = std::array<quint16, kGridColumnCount>;  // start of cells 1..25, then the end
    QVector<QString> m_text;
    QVector<Offsets> m_offsets;
};

// Every record of the archive at `path`, in archive order, annulled ones
// included; a missing archive holds no member. A file failure stops the
// reading: the rows read so far stay, and the failure goes to `failure` when
// one is given. The grid passes over it; an export must not write a file from
// part of the archive.
MemberRows loadRows(const QString& path, std::optional<ArchiveError>* failure = nullptr);

// The export's table over the rows.
Spreadsheet::Table exportTable(const MemberRows& rows);

// One member's row of the file, from the record's stored text: the cells of
// exportCells() without building them.
void writeExportRow(Spreadsheet::Writer& writer, const RecordView& record);
// Writes the file at `exportPath` from the archive at `archivePath` while
// reading it, with the bytes exportTable(loadRows()) gives: a missing archive
// writes a file of no member; one that cannot be read all through writes no
// file (false, with the failure in `failure`); false with the reason in
// `error` when the file cannot be written.
bool writeExport(const QString& archivePath, const QString& exportPath, std::optional<ArchiveError>* failure,
                 QString* error = nullptr);

}  // namespace members
