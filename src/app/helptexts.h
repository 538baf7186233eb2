#pragma once
// The help texts of the screens: what the help window shows on each screen,
// and the same texts gathered into the manual Guida.pdf.

#include <QList>
#include <QString>

namespace HelpTexts {

struct Topic {
    QString id;     // the screen's key: "avvio", "menuregistro", ...
    QString title;  // the help window's title
    QString body;   // plain text, paragraphs joined by CR LF
};

// Paragraph separator of every body.
inline const QString ParagraphBreak = QStringLiteral("\r\n");

// Every screen's help, in the order of the manual.
const QList<Topic>& all();
// The topic with that id; throws std::invalid_argument for an unknown id.
const Topic& topic(const QString& id);
// The whole manual as one HTML document (title page, a table of contents, then each topic:
// its title as a heading and its body paragraph by paragraph), all text HTML-escaped.
QString manualHtml();
// The same document made of the given topics.
QString manualHtml(const QList<Topic>& topics);

}  // namespace HelpTexts
