// norvalis-manual OUT.pdf: prints the program's help texts as the manual
// Guida.pdf (A4 portrait, 20 mm margins, "Pagina N di M" in the footer).
// The build runs it, so the manual always says what the help windows say.

#include "app/helptexts.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextStream>

#include <cmath>

namespace {

constexpr int Resolution = 300;      // dots per inch of the PDF's coordinates
constexpr qreal MarginMm = 20.0;
constexpr qreal FooterMm = 10.0;     // taken from the bottom of the printable area

qreal mmToDots(qreal mm)
{
    return mm * Resolution / 25.4;
}

// The page (1-based) on which a block starts.
int pageOf(const QTextDocument& doc, const QTextBlock& block)
{
    const qreal top = doc.documentLayout()->blockBoundingRect(block).top();
    return int(std::floor((top + 0.5) / doc.pageSize().height())) + 1;
}

// The topic headings (<h1>) and the contents lines (those carrying a link),
// both in document order.
void findBlocks(const QTextDocument& doc, QList<QTextBlock>* headings, QList<QTextBlock>* contents)
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (b.blockFormat().headingLevel() == 1) {
            headings->append(b);
            continue;
        }
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isAnchor() && !it.fragment().charFormat().anchorHref().isEmpty()) {
                contents->append(b);
                break;
            }
        }
    }
}

// Lowers the title page's lines (all that comes before the first page break)
// to about two fifths of the page's height. The layout keeps no top margin
// on the document's first block, so an empty block goes before them and its
// bottom margin makes the room.
void placeTitlePage(QTextDocument& doc)
{
    QTextCursor(doc.begin()).insertBlock();
    doc.setPageSize(doc.pageSize());
    const QTextBlock spacer = doc.begin();
    qreal bottom = 0;
    for (QTextBlock b = spacer.next(); b.isValid(); b = b.next()) {
        if (b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
            break;
        bottom = doc.documentLayout()->blockBoundingRect(b).bottom();
    }
    const qreal drop = (doc.pageSize().height() - bottom) * 0.4;
    if (drop <= 0)
        return;
    QTextBlockFormat f = spacer.blockFormat();
    f.setBottomMargin(f.bottomMargin() + drop * 96.0 / Resolution);  // margins too are in pixels of 1/96 inch
    QTextCursor(spacer).setBlockFormat(f);
    doc.setPageSize(doc.pageSize());
}

// Writes each topic's page number at the right end of its contents line.
// Adding the numbers moves no heading unless a contents line wraps, so a
// second pass settles it.
void numberContents(QTextDocument& doc)
{
    QList<QTextBlock> headings, contents;
    findBlocks(doc, &headings, &contents);
    const int n = int(std::min(headings.size(), contents.size()));
    QList<int> written(n, -1);
    // Tab positions are in pixels of 1/96 inch (see main()), the page in the
    // PDF's dots.
    const qreal rightEdge = (doc.pageSize().width() - 1) * 96.0 / Resolution;

    for (int pass = 0; pass < 3; ++pass) {
        QList<int> pages;
        for (int i = 0; i < n; ++i)
            pages << pageOf(doc, headings[i]);
        if (pages == written)
            break;
        for (int i = 0; i < n; ++i) {
            if (pages[i] == written[i])
                continue;
            const QTextBlock line = contents[i];
            QTextCursor c(line);
            QTextBlockFormat bf = line.blockFormat();
            bf.setTabPositions({QTextOption::Tab(rightEdge, QTextOption::RightTab)});
            c.setBlockFormat(bf);
            c.movePosition(QTextCursor::EndOfBlock);
            if (written[i] >= 0) {
                const int tab = int(line.text().lastIndexOf(QLatin1Char('\t')));
                c.setPosition(line.position() + tab, QTextCursor::KeepAnchor);
                c.removeSelectedText();
            }
            QTextCharFormat plain = line.begin().fragment().charFormat();
            plain.setAnchor(false);
            plain.setAnchorHref(QString());
            c.insertText(QStringLiteral("\t") + QString::number(pages[i]), plain);
        }
        written = pages;
        // An edit only lays out again the part it touched, and that part
        // badly on paged documents: setting the page size lays out it all.
        doc.setPageSize(doc.pageSize());
    }
}

}  // namespace

int main(int argc, char** argv)
{
    // Fixes the text layout's pixel at 1/96 inch whatever the screen says, so
    // that tab positions and CSS pixel lengths come out the same everywhere.
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "uso: norvalis-manual FILE.pdf\n";
        return 2;
    }

    QPdfWriter writer(args[1]);
    writer.setResolution(Resolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm), QPageLayout::Millimeter));
    writer.setTitle(QStringLiteral("Norvalis 2.0 - Guida all'utilizzo del software"));
    writer.setCreator(QStringLiteral("Norvalis 2.0"));

    // The painter's origin is the top-left corner of the area inside the margins.
    const QRectF area = writer.pageLayout().paintRectPixels(Resolution);
    const QSizeF body(area.width(), area.height() - mmToDots(FooterMm));

    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&writer);
    doc.setDocumentMargin(0);
    doc.setDefaultFont(QFont(QStringLiteral("Times New Roman"), 12));
    doc.setHtml(HelpTexts::manualHtml());
    doc.setPageSize(body);
    placeTitlePage(doc);
    numberContents(doc);

    const int pages = doc.pageCount();
    QPainter painter;
    if (!painter.begin(&writer)) {
        QTextStream(stderr) << "norvalis-manual: impossibile scrivere " << args[1] << "\n";
        return 1;
    }
    QFont footerFont(QStringLiteral("Arial"), 9);
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            writer.newPage();
        painter.save();
        painter.translate(0, -page * body.height());
        const QRectF clip(0, page * body.height(), body.width(), body.height());
        painter.setClipRect(clip);
        QAbstractTextDocumentLayout::PaintContext ctx;
        ctx.clip = clip;
        ctx.palette.setColor(QPalette::Text, Qt::black);
        doc.documentLayout()->draw(&painter, ctx);
        painter.restore();

        if (page == 0)
            continue;  // the title page carries no number
        painter.setFont(footerFont);
        painter.setPen(Qt::black);
        const QRectF footer(0, body.height(), body.width(), area.height() - body.height());
        painter.drawText(footer, Qt::AlignHCenter | Qt::AlignBottom,
                         QStringLiteral("Pagina %1 di %2").arg(page + 1).arg(pages));
    }
    if (!painter.end()) {
        QTextStream(stderr) << "norvalis-manual: impossibile scrivere " << args[1] << "\n";
        return 1;
    }
    return 0;
}
