#pragma once
// Profile (INI) files with the rules Windows programs expect: sections and
// keys match without regard to case, a key keeps its inner blanks as written,
// a missing file, section or key reads as empty, and writing a key creates
// whatever is missing and leaves every other line as it was. Text is
// Windows-1252. The file is read anew on every call; nothing is cached.

#include <QString>

class IniFile {
public:
    explicit IniFile(QString path) : m_path(std::move(path)) {}

    const QString& path() const { return m_path; }

    // The value, trimmed and without one pair of enclosing quotes; empty when
    // the file, the section or the key is missing or the file cannot be read.
    QString value(const QString& section, const QString& key) const;
    // Writes key=value into the section, creating file, section and key as
    // needed. The file is replaced whole only once the new text is written,
    // so a failure leaves it as it was. Returns false on failure.
    bool setValue(const QString& section, const QString& key, const QString& value);
    QString errorString() const { return m_error; }

    // The same rules on the bytes of a file: the value a file holding
    // `text` gives, and the text the file holds once the value is written.
    static QString valueIn(const QByteArray& text, const QString& section, const QString& key);
    static QByteArray withValue(const QByteArray& text, const QString& section, const QString& key,
                                const QString& value);

private:
    QString m_path;
    QString m_error;
};
