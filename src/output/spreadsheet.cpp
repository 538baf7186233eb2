#include "output/spreadsheet.h"

#include "storage/safefile.h"
#include "storage/textfield.h"

#include <QBuffer>

namespace Spreadsheet {
namespace {

const char* const Head =
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
    "xmlns=\"http://www.w3.org/TR/REC-html40\">"
    "<head>"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
    "<!--[if gte mso 9]><xml>"
    "<x:ExcelWorkbook>"
    "<x:ExcelWorksheets>"
    "<x:ExcelWorksheet>"
    "<x:Name>";

const char* const AfterName =
    "</x:Name>"
    "<x:WorksheetOptions>"
    "<x:Selected/>"
    "<x:Panes>"
    "<x:Pane>"
    "<x:Number>1</x:Number>"
    "<x:ActiveRow>3</x:ActiveRow>"
    "</x:Pane>"
    "</x:Panes>"
    "<x:ProtectContents>False</x:ProtectContents>"
    "<x:ProtectObjects>False</x:ProtectObjects>"
    "<x:ProtectScenarios>False</x:ProtectScenarios>"
    "</x:WorksheetOptions>"
    "</x:ExcelWorksheet>"
    "</x:ExcelWorksheets>"
    "</x:ExcelWorkbook>"
    "</xml><![endif]-->"
    "</head>"
    "<body>"
    "<table x:str>";

// Every data cell is marked as text for Excel (mso-number-format) and for
// LibreOffice (sdnum): a VAT number, a card number or a postal code keeps its
// leading zeros instead of being read as a number.
const char* const DataCell = "<td style=\"text-align: left; mso-number-format:'\\@';\" sdnum=\"1040;0;@\">";

const char* const Tail = "</table></body></html>";

// Rows are gathered into chunks of about this many bytes before each write.
constexpr qsizetype ChunkSize = 1 << 16;

void appendEscaped(QString& out, QStringView text)
{
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&': out += QLatin1String("&amp;"); break;
        case u'<': out += QLatin1String("&lt;"); break;
        case u'>': out += QLatin1String("&gt;"); break;
        default: out += c;
        }
    }
}

bool put(QIODevice& device, const QByteArray& bytes)
{
    return device.write(bytes) == bytes.size();
}

}  // namespace

Table Table::of(QString worksheet, QList<HeaderCell> header, QList<QStringList> rows)
{
    Table t{std::move(worksheet), std::move(header), int(rows.size()), {}};
    t.row = [rows = std::move(rows)](int index) { return rows.at(index); };
    return t;
}

QString escaped(QStringView text)
{
    QString out;
    out.reserve(text.size());
    appendEscaped(out, text);
    return out;
}

bool write(QIODevice& device, const Table& table)
{
    QString text = QLatin1String(Head);
    appendEscaped(text, table.worksheet);
    text += QLatin1String(AfterName);
    text += QLatin1String("<tr>");
    for (const HeaderCell& cell : table.header) {
        text += QLatin1String("<td style=\"text-align: left; font-weight: bold;\" width=");
        text += QString::number(cell.width);
        text += QLatin1Char('>');
        appendEscaped(text, cell.title);
        text += QLatin1String("</td>");
    }
    text += QLatin1String("</tr>");

    for (int r = 0; r < table.rowCount; ++r) {
        text += QLatin1String("<tr>");
        for (const QString& value : table.row(r)) {
            text += QLatin1String(DataCell);
            appendEscaped(text, TextField::trimmed(value));
            text += QLatin1String("</td>");
        }
        text += QLatin1String("</tr>");
        if (text.size() >= ChunkSize) {
            if (!put(device, TextField::toAnsi(text)))
                return false;
            text.resize(0);  // keeps the capacity for the next chunk
        }
    }
    text += QLatin1String(Tail);
    return put(device, TextField::toAnsi(text));
}

QByteArray document(const Table& table)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    write(buffer, table);
    return bytes;
}

bool writeFile(const QString& path, const Table& table, QString* error)
{
    return SafeFile::replace(path, [&table](QIODevice& device) { return write(device, table); }, error);
}

}  // namespace Spreadsheet
