#pragma once
// The one failure of archive work. A screen catches it around the whole user
// action and shows userMessage(); tools print what() on one line.

#include <QString>

#include <stdexcept>

class ArchiveError : public std::runtime_error {
public:
    enum class Operation { Open, Create, Read, Write, Seek, Close };

    ArchiveError(Operation operation, QString path, QString detail);

    Operation operation() const { return m_operation; }
    const QString& path() const { return m_path; }
    const QString& detail() const { return m_detail; }

    // The message box text every screen shows for a failed archive action.
    static QString userMessage();

private:
    Operation m_operation;
    QString m_path;
    QString m_detail;
};
