#include "members/memberexport.h"

#include "members/memberrecord.h"
#include "output/archiveexport.h"
#include "storage/archive.h"
#include "storage/record.h"
#include "storage/recordview.h"
#include "storage/textfield.h"

#include <QFileInfo>
#include <QVarLengthArray>

namespace members {
namespace {

// The field indexes of each column.
const QList<QList<int>>& columnIndexes()
{
    static const QList<QList<int>> indexes = [] {
        QList<QList<int>> result;
        const RecordLayout& layout = recordLayout();
        for (const QStringList& names : exportColumnFields()) {
            QList<int> column;
            for (const QString& name : names)
                column << layout.indexOf(name);
            result << column;
        }
        return result;
    }();
    return indexes;
}

// Where the fields of each column lie in a record.
struct StoredField {
    int offset;
    int capacity;
};
using StoredColumn = QList<StoredField>;

const QList<StoredColumn>& storedColumns()
{
    static const QList<StoredColumn> columns = [] {
        QList<StoredColumn> result;
        const RecordLayout& layout = recordLayout();
        for (const QList<int>& indexes : columnIndexes()) {
            StoredColumn column;
            for (const int index : indexes)
                column.push_back({layout.field(index).offset, layout.field(index).capacity});
            result << column;
        }
        return result;
    }();
    return columns;
}

QByteArrayView storedField(const RecordView& record, const StoredField& field)
{
    return TextField::textBytes(record.bytes().constData() + field.offset, field.capacity);
}

// Room for a column of up to three fields and the blanks between them.
using Joined = QVarLengthArray<char, 3 * (TextField::MaxCapacity + 1)>;

// The stored text of a column: its field's own bytes, or its fields' each
// trimmed and joined by one blank in `joined`.
QByteArrayView columnBytes(const RecordView& record, const StoredColumn& column, Joined& joined)
{
    if (column.size() == 1)
        return storedField(record, column.first());
    joined.clear();
    for (qsizetype i = 0; i < column.size(); ++i) {
        const QByteArrayView text = storedField(record, column.at(i));
        if (i > 0)
            joined.append(' ');
        joined.append(text.data(), text.size());
    }
    return QByteArrayView(joined.data(), joined.size());
}

}  // namespace

const QList<QStringList>& exportColumnFields()
{
    static const QList<QStringList> fields{
        {"Tesserato"}, {"Carica"}, {"NumTessera"}, {"DataRil"}, {"DataScade"}, {"DataNasc"},
        {"ComuneNasc", "ProvNasc"}, {"Sesso"}, {"CapRes", "ComuneRes", "ProvRes"}, {"IndirizzoRes"},
        {"Titoli"}, {"TelCasa"}, {"TelUff"}, {"TelCel"}, {"Recapito"}, {"Fax"}, {"Email"}, {"CodFisc"},
        {"Carta"}, {"ScadeCarta"}, {"PartitaIva"}, {"Iban"}, {"Intestatario"}, {"Note"}, {"Annullata"},
    };
    return fields;
}

const QList<GridColumn>& gridColumns()
{
    static const QList<GridColumn> columns{
        {"colNum", "N.", 60},
        {"colTesserato", "Cognome e nome Socio", 200},
        {"colCarica", "Carica ricoperta", 200},
        {"colNumTessera", "Tessera n.", 200},
        {"colDataRil", "Data di rilascio", 200},
        {"colDataScade", "Data di scadenza", 200},
        {"colDataNasc", "Data di nascita", 150},
        {"colComuneNasc", "Comune di nascita", 250},
        {"colSesso", "Sesso", 60},
        {"colComuneRes", "Comune di residenza", 250},
        {"colIndirizzoRes", "Via e numero civico", 250},
        {"colTitoli", "Titolo di studio e altre qualifiche", 250},
        {"colTelCasa", "Tel. casa", 200},
        {"colTelUff", "Tel. ufficio", 200},
        {"colTelCel", "Tel. cellulare", 200},
        {"colRecapito", "Recapito preferenziale", 250},
        {"colFax", "Fax", 200},
        {"colEmail", "E-mail", 250},
        {"colCodFisc", "Codice Fiscale", 200},
        {"colCarta", "Carta di credito n.", 250},
        {"colScadeCarta", "Scadenza", 200},
        {"colPartitaIva", "Partita IVA", 200},
        {"colIban", "IBAN", 250},
        {"colIntestatario", "Intestatario C/C", 250},
        {"colNote", "Note", 300},
        {"colAnnullata", "Tessera annullata", 120},
    };
    return columns;
}

const QList<Spreadsheet::HeaderCell>& exportHeader()
{
    static const QList<Spreadsheet::HeaderCell> header = [] {
        const std::pair<const char*, int> cells[] = {
            {"Cognome e nome Socio", 250}, {"Carica ricoperta", 250}, {"Tessera n.", 250},
            {"Data di rilascio", 200}, {"Data di scadenza", 200}, {"Data di nascita", 200},
            {"Comune di nascita", 250}, {"Sesso", 100}, {"Comune di residenza", 250},
            {"Via e numero civico", 300}, {"Titoli di studio e altre qualifiche", 300}, {"Tel. casa", 200},
            {"Tel. ufficio", 200}, {"Tel. cellulare", 200}, {"Recapito preferenziale", 250}, {"Fax", 200},
            {"E-mail", 250}, {"Codice fiscale", 250}, {"Carta di credito n.", 250}, {"Scadenza", 200},
            {"Partita IVA", 250}, {"IBAN", 280}, {"Intestatario C/C", 250}, {"Note", 350},
            {"Tessera annullata", 150},
        };
        QList<Spreadsheet::HeaderCell> list;
        for (const auto& [title, width] : cells)
            list.push_back({QString::fromUtf8(title), width});
        return list;
    }();
    return header;
}

QStringList exportCells(const Record& record)
{
    // The annulled flag is shown as stored: a damaged one ("", "X") shows as it
    // is, since the search takes such a card as annulled and this is where
    // annulled cards are looked at.
    const QList<QList<int>>& indexes = columnIndexes();
    QStringList cells;
    cells.reserve(indexes.size());
    for (const QList<int>& column : indexes) {
        QString cell = TextField::trimmed(record.text(column.first()));
        for (qsizetype i = 1; i < column.size(); ++i)
            cell += QLatin1Char(' ') + TextField::trimmed(record.text(column.at(i)));
        cells << cell;
    }
    return cells;
}

void MemberRows::append(const QStringList& cells)
{
    Offsets offsets{};
    QString text;
    qsizetype total = 0;
    for (const QString& c : cells)
        total += c.size();
    text.reserve(total);
    for (int i = 0; i < kGridColumnCount - 1; ++i) {
        offsets[std::size_t(i)] = quint16(text.size());
        if (i < cells.size())
            text += cells.at(i).left(0xFFFF - text.size());
    }
    offsets[kGridColumnCount - 1] = quint16(text.size());
    m_text.push_back(std::move(text));
    m_offsets.push_back(offsets);
}

void MemberRows::append(const RecordView& record)
{
    Offsets offsets{};
    QString text;
    text.reserve(record.bytes().size() / 4);
    Joined joined;
    std::size_t i = 0;
    for (const StoredColumn& column : storedColumns()) {
        offsets[i++] = quint16(text.size());
        TextField::appendAnsi(text, columnBytes(record, column, joined));
        text.truncate(0xFFFF);  // as append(cells) cuts a cell that would not fit
    }
    offsets[i] = quint16(text.size());
    text.squeeze();
    m_text.push_back(std::move(text));
    m_offsets.push_back(offsets);
}

QString MemberRows::cell(int row, int column) const
{
    if (column == 0)
        return QString::number(row + 1);
    const Offsets& o = m_offsets.at(row);
    const auto from = o[std::size_t(column - 1)];
    return m_text.at(row).mid(from, o[std::size_t(column)] - from);
}

QStringList MemberRows::exportRow(int row) const
{
    QStringList cells;
    cells.reserve(kGridColumnCount - 1);
    for (int c = 1; c < kGridColumnCount; ++c)
        cells << cell(row, c);
    return cells;
}

MemberRows loadRows(const QString& path, std::optional<ArchiveError>* failure)
{
    MemberRows rows;
    if (!QFileInfo::exists(path))
        return rows;  // no archive yet: no member
    try {
        Archive(path, recordLayout(), ArchiveFile::Mode::ReadOnly)
            .scanViews([&rows](int, const RecordView& record) { rows.append(record); });
    } catch (const ArchiveError& e) {
        if (failure)
            *failure = e;
    }
    return rows;
}

Spreadsheet::Table exportTable(const MemberRows& rows)
{
    return {QString::fromUtf8(kExportWorksheet), exportHeader(), rows.count(),
            [&rows](int index) { return rows.exportRow(index); }};
}

void writeExportRow(Spreadsheet::Writer& writer, const RecordView& record)
{
    Joined joined;
    writer.beginRow();
    for (const StoredColumn& column : storedColumns())
        writer.storedCell(columnBytes(record, column, joined));
    writer.endRow();
}

bool writeExport(const QString& archivePath, const QString& exportPath, std::optional<ArchiveError>* failure,
                 QString* error)
{
    const QString worksheet = QString::fromUtf8(kExportWorksheet);
    if (!QFileInfo::exists(archivePath)) {  // no archive yet: no member
        if (failure)
            failure->reset();
        return Spreadsheet::writeFile(exportPath, worksheet, exportHeader(), [](Spreadsheet::Writer&) { return true; },
                                      error);
    }
    return ArchiveExport::write(exportPath, worksheet, exportHeader(),
                                Archive(archivePath, recordLayout(), ArchiveFile::Mode::ReadOnly),
                                [](Spreadsheet::Writer& writer, int, const RecordView& record) {
                                    writeExportRow(writer, record);
                                },
                                failure, error);
}

}  // namespace members
