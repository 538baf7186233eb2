#pragma once
// Reading a written PDF back: its pages and their paper.

#include <QByteArray>
#include <QList>
#include <QRegularExpression>
#include <QSize>
#include <QString>

// Page objects of a PDF ("/Type /Page", not the "/Type /Pages" tree).
inline int pdfPageCount(const QByteArray& pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    return int(QString::fromLatin1(pdf).count(page));
}

// The paper of every page of a PDF, in points (A4 landscape: 842 x 595).
inline QList<QSize> pdfMediaBoxes(const QByteArray& pdf)
{
    static const QRegularExpression box(QStringLiteral("/MediaBox\\s*\\[\\s*0 0 ([0-9.]+) ([0-9.]+)\\s*\\]"));
    QList<QSize> sizes;
    for (const QRegularExpressionMatch& m : box.globalMatch(QString::fromLatin1(pdf)))
        sizes << QSize(qRound(m.captured(1).toDouble()), qRound(m.captured(2).toDouble()));
    return sizes;
}
