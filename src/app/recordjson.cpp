#include "app/recordjson.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

namespace {

void appendJsonString(QByteArray& out, const QString& text)
{
    out += '"';
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        switch (u) {
        case u'"': out += "\\\""; break;
        case u'\\': out += "\\\\"; break;
        case u'\n': out += "\\n"; break;
        case u'\r': out += "\\r"; break;
        case u'\t': out += "\\t"; break;
        default:
            if (u < 0x20)
                out += QByteArray("\\u00") + QByteArray::number(u, 16).rightJustified(2, '0');
            else
                out += QString(c).toUtf8();
        }
    }
    out += '"';
}

}  // namespace

namespace RecordJson {

QByteArray line(int position, const Record& record)
{
    QByteArray line = "{\"pos\":" + QByteArray::number(position);
    const RecordLayout& layout = record.layout();
    for (int i = 0; i < layout.fieldCount(); ++i) {
        const RecordLayout::Field& f = layout.field(i);
        if (f.kind == FieldKind::Reserved)
            continue;
        line += ',';
        appendJsonString(line, f.name);
        line += ':';
        appendJsonString(line, record.text(i));
    }
    line += "}\n";
    return line;
}

std::optional<Record> parse(const QByteArray& line, const RecordLayout& layout, QString* error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(line, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        *error = QStringLiteral("non è un oggetto JSON");
        return std::nullopt;
    }
    const QJsonObject object = document.object();
    Record record(layout);
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (it.key() == QLatin1String("pos"))
            continue;
        const int index = layout.indexOf(it.key());
        if (index < 0 || layout.field(index).kind == FieldKind::Reserved) {
            *error = QStringLiteral("campo sconosciuto: ") + it.key();
            return std::nullopt;
        }
        if (!it.value().isString()) {
            *error = QStringLiteral("il valore di %1 non è un testo").arg(it.key());
            return std::nullopt;
        }
        record.setText(index, it.value().toString());
    }
    return record;
}

}  // namespace RecordJson
