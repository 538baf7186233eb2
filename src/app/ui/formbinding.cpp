#include "app/ui/formbinding.h"

#include "storage/textfield.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace FormBinding {
namespace {

QString textOf(QWidget* w)
{
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text();
    if (auto* c = qobject_cast<QComboBox*>(w))
        return c->currentText();
    if (auto* p = qobject_cast<QPlainTextEdit*>(w))
        return p->toPlainText();
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    return {};
}

void setTextOf(QWidget* w, const QString& text)
{
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        e->setText(text);
        // A text longer than its field shows from its beginning.
        e->setCursorPosition(0);
    } else if (auto* c = qobject_cast<QComboBox*>(w))
        c->setEditText(text);
    else if (auto* p = qobject_cast<QPlainTextEdit*>(w))
        p->setPlainText(text);
    else if (auto* l = qobject_cast<QLabel*>(w))
        l->setText(text);
}

}  // namespace

QWidget* control(QWidget* form, const QString& field)
{
    for (const char* prefix : {"txt", "chk", "lbl"})
        if (auto* w = form->findChild<QWidget*>(QLatin1String(prefix) + field))
            return w;
    return nullptr;
}

void fill(QWidget* form, const Record& record)
{
    const RecordLayout& layout = record.layout();
    for (int i = 0; i < layout.fieldCount(); ++i) {
        const RecordLayout::Field& f = layout.field(i);
        QWidget* w = f.kind == FieldKind::Reserved ? nullptr : control(form, f.name);
        if (!w)
            continue;
        if (auto* check = qobject_cast<QCheckBox*>(w)) {
            if (const auto yes = record.flag(f.name))
                check->setChecked(*yes);
        } else {
            setTextOf(w, record.text(i));
        }
    }
}

void setText(QWidget* form, const QString& field, const QString& text)
{
    if (QWidget* w = control(form, field))
        setTextOf(w, text);
}

Record read(QWidget* form, const RecordLayout& layout)
{
    Record record(layout);
    for (int i = 0; i < layout.fieldCount(); ++i) {
        const RecordLayout::Field& f = layout.field(i);
        QWidget* w = f.kind == FieldKind::Reserved ? nullptr : control(form, f.name);
        if (!w)
            continue;
        if (auto* check = qobject_cast<QCheckBox*>(w))
            record.setFlag(f.name, check->isChecked());
        else
            record.setText(i, textOf(w));
    }
    return record;
}

QHash<QString, QString> texts(QWidget* form, const RecordLayout& layout)
{
    QHash<QString, QString> out;
    for (const QString& name : layout.fieldNames())
        if (QWidget* w = control(form, name); w && !qobject_cast<QCheckBox*>(w))
            out.insert(name, textOf(w));
    return out;
}

void clear(QWidget* form, const RecordLayout& layout)
{
    for (const QString& name : layout.fieldNames()) {
        QWidget* w = control(form, name);
        if (auto* check = qobject_cast<QCheckBox*>(w))
            check->setChecked(false);
        else if (w)
            setTextOf(w, QString());
    }
}

void applyMaxLengths(QWidget* form, const RecordLayout& layout)
{
    for (const auto& f : layout.fields()) {
        if (f.kind == FieldKind::Reserved)
            continue;
        QWidget* w = control(form, f.name);
        if (auto* e = qobject_cast<QLineEdit*>(w))
            e->setMaxLength(f.capacity);
        else if (auto* c = qobject_cast<QComboBox*>(w); c && c->lineEdit())
            c->lineEdit()->setMaxLength(f.capacity);
    }
}

}  // namespace FormBinding
