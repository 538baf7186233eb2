// The INI reader and writer on any file content: a value is read without
// fault; once written it reads back as written, and every other value of the
// file reads as it did.

#include "app/inifile.h"
#include "fuzzsupport.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

namespace {

struct Entry {
    const char* section;
    const char* key;
};

// The program's own entries, with names as another program may spell them.
constexpr std::array<Entry, 6> Entries = {{
    {"Accesso", "Valore"},
    {"Dati Ente", "Nome"},
    {"Dati Ente", "Sottotitolo1"},
    {"stampa", "margine alto"},
    {"ACCESSO", "valore"},
    {"", "x"},
}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    std::array<QString, Entries.size()> before;
    for (std::size_t i = 0; i < Entries.size(); ++i)
        before[i] = IniFile::valueIn(text, QString::fromLatin1(Entries[i].section), QString::fromLatin1(Entries[i].key));

    const std::size_t chosen = size == 0 ? 0 : data[0] % (Entries.size() - 1);
    const QString section = QString::fromLatin1(Entries[chosen].section);
    const QString key = QString::fromLatin1(Entries[chosen].key);
    const QString value = QStringLiteral("08F6 4155 \u00E8");
    const QByteArray written = IniFile::withValue(text, section, key, value);
    FUZZ_ASSERT(IniFile::valueIn(written, section, key) == value);
    for (std::size_t i = 0; i < Entries.size(); ++i) {
        const QString s = QString::fromLatin1(Entries[i].section);
        const QString k = QString::fromLatin1(Entries[i].key);
        if (s.compare(section, Qt::CaseInsensitive) == 0 && k.compare(key, Qt::CaseInsensitive) == 0)
            continue;
        FUZZ_ASSERT(IniFile::valueIn(written, s, k) == before[i]);
    }
    return 0;
}
