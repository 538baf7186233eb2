#include "output/report.h"

#include "app/dates.h"
#include "storage/safefile.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace Report {

namespace {

constexpr double Eps = 1e-6;
constexpr double TextPadding = 2;  // units left and right of a text box's lines

// Text is measured as if on a 96 dpi device, so that a font's pixels are units.
const QPaintDevice* measuringDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(UnitsPerInch / 0.0254));
        image.setDotsPerMeterY(qRound(UnitsPerInch / 0.0254));
        return image;
    }();
    return &device;
}

QFont fontFor(const QString& family, double pointSize, bool bold)
{
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

// A primitive of a band, before the band is placed on a page. Text lines are
// whole: a page break never cuts one; everything else may be cut.
struct Piece {
    Primitive primitive;
    bool whole = false;
    double top() const { return primitive.rect.top(); }
    double bottom() const { return primitive.rect.bottom(); }
};

QString expanded(const Object& o)
{
    if (!o.expressions)
        return o.text;
    QString text = o.text;
    text.replace(QLatin1String("[DATE]"), Dates::format(Clock::today()));
    return text;
}

void layoutText(const Object& o, QList<Piece>& out)
{
    const QRectF box = o.box;
    if (o.fill.isValid())
        out.push_back({{Primitive::Fill, box, {}, o.fill, {}, {}, {}, 0, false, 0}, false});
    QString text = expanded(o);
    text.remove(QLatin1Char('\r'));
    if (text.isEmpty())
        return;

    const QFont font = fontFor(o.fontName, o.pointSize, o.bold);
    const QFontMetricsF metrics(font, measuringDevice());
    const double pitch = o.linePitch > 0 ? o.linePitch : metrics.lineSpacing();
    const double lead = (pitch - metrics.ascent() - metrics.descent()) / 2;
    const double width = std::max(0.0, box.width() - 2 * TextPadding);

    struct Line {
        QString text;
        double width;
    };
    QList<Line> lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        if (!o.wordWrap || paragraph.isEmpty()) {
            lines.push_back({paragraph, metrics.horizontalAdvance(paragraph)});
            continue;
        }
        QTextLayout layout(paragraph, font, const_cast<QPaintDevice*>(measuringDevice()));
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            QString part = paragraph.mid(line.textStart(), line.textLength());
            while (part.endsWith(QLatin1Char(' ')))
                part.chop(1);
            lines.push_back({part, metrics.horizontalAdvance(part)});
        }
        layout.endLayout();
    }

    out.reserve(out.size() + lines.size());
    double y = box.top();
    if (o.vAlign == VAlign::Centre)
        y += (box.height() - lines.size() * pitch) / 2;
    for (const Line& line : lines) {
        if (y >= box.bottom() - Eps)
            break;  // below the box: never shown
        double x = box.left() + TextPadding;
        if (o.hAlign == HAlign::Centre)
            x = box.left() + (box.width() - line.width) / 2;
        else if (o.hAlign == HAlign::Right)
            x = box.right() - TextPadding - line.width;
        if (!line.text.isEmpty()) {
            Primitive p{Primitive::Text, QRectF(x, y, line.width, pitch), box, o.colour, {}, line.text,
                        o.fontName, o.pointSize, o.bold, y + lead + metrics.ascent()};
            out.push_back({p, true});
        }
        y += pitch;
    }
}

void layoutObject(const Object& o, QList<Piece>& out)
{
    switch (o.kind) {
    case ObjectKind::Text:
        layoutText(o, out);
        break;
    case ObjectKind::Picture: {
        out.push_back({{Primitive::Fill, o.box, {}, Qt::white, {}, {}, {}, 0, false, 0}, false});
        if (o.picture.isNull() || o.box.isEmpty())
            break;
        const QSizeF size = QSizeF(o.picture.size()).scaled(o.box.size(), Qt::KeepAspectRatio);
        QRectF rect(o.box.topLeft(), size);
        if (o.centred)
            rect.moveCenter(o.box.center());
        out.push_back({{Primitive::Image, rect, o.box, {}, o.picture, {}, {}, 0, false, 0}, false});
        break;
    }
    case ObjectKind::Rectangle:
        if (o.fill.isValid())
            out.push_back({{Primitive::Fill, o.box, {}, o.fill, {}, {}, {}, 0, false, 0}, false});
        out.push_back({{Primitive::Outline, o.box, {}, o.outline, {}, {}, {}, 0, false, 0}, false});
        break;
    case ObjectKind::Line: {
        QRectF r = o.box;
        if (r.width() < r.height())
            r.setWidth(0);
        else
            r.setHeight(0);
        out.push_back({{Primitive::Line, r, {}, Qt::black, {}, {}, {}, 0, false, 0}, false});
        break;
    }
    }
}

QList<Piece> layoutObjects(const std::vector<Object>& objects)
{
    QList<Piece> pieces;
    for (const Object& o : objects)
        layoutObject(o, pieces);
    return pieces;
}

// A band's pieces with the whole ones also in order of their tops, so that
// the pieces of one page are found without walking the whole band: a long
// list is one band of many lines, and each of its pages takes only its own.
struct BandPieces {
    explicit BandPieces(QList<Piece> all) : pieces(std::move(all))
    {
        for (qsizetype i = 0; i < pieces.size(); ++i)
            (pieces.at(i).whole ? wholeByTop : others).push_back(i);
        const auto byTop = [this](qsizetype a, qsizetype b) { return pieces.at(a).top() < pieces.at(b).top(); };
        if (!std::is_sorted(wholeByTop.begin(), wholeByTop.end(), byTop))  // lines are laid out top down
            std::stable_sort(wholeByTop.begin(), wholeByTop.end(), byTop);
    }

    // The whole pieces whose top t has low <= t < high, in band order.
    std::vector<qsizetype> wholeWithTop(double low, double high) const
    {
        auto it = std::lower_bound(wholeByTop.begin(), wholeByTop.end(), low,
                                   [this](qsizetype i, double value) { return pieces.at(i).top() < value; });
        std::vector<qsizetype> found;
        for (; it != wholeByTop.end() && pieces.at(*it).top() < high; ++it)
            found.push_back(*it);
        std::sort(found.begin(), found.end());
        return found;
    }

    QList<Piece> pieces;
    std::vector<qsizetype> wholeByTop;
    std::vector<qsizetype> others;  // every piece that may be cut, in band order
};

// Lays the bands out page after page.
class Flow {
public:
    Flow(const Template& t) : m_t(t)
    {
        const Page& page = t.page;
        const QSizeF paper = page.sizeMm();
        m_origin = QPointF(mm(page.leftMargin), mm(page.topMargin));
        m_bottom = mm(paper.height() - page.topMargin - page.bottomMargin);
        m_free = layoutObjects(t.objects);
        for (const Band& b : t.bands) {
            if (b.kind == BandKind::PageHeader)
                m_header = &b;
            else if (b.kind == BandKind::PageFooter)
                m_footer = &b;
        }
        if (m_footer)
            m_bottom -= m_footer->height;
    }

    QList<PreparedPage> run()
    {
        startPage();
        bool first = true;
        for (const Band& b : m_t.bands) {
            switch (b.kind) {
            case BandKind::Title:
                if (first)
                    place(b, false);
                break;
            case BandKind::Data:
                place(b, true);
                break;
            case BandKind::Footer:
                place(b, false);
                break;
            case BandKind::PageHeader:
            case BandKind::PageFooter:
                break;
            }
            first = false;
        }
        finishPage();
        return m_pages;
    }

private:
    void startPage()
    {
        PreparedPage page;
        page.paperMm = m_t.page.sizeMm();
        page.orientation = m_t.page.orientation;
        m_pages.push_back(page);
        m_y = 0;
        for (const Piece& p : m_free)
            put(p, 0, 0, -1);
        if (m_header) {
            putBand(BandPieces(layoutObjects(m_header->objects)), 0, m_header->height);
            m_y = m_header->height;
        }
    }

    void finishPage()
    {
        if (m_footer) {
            const double y = m_y;
            m_y = m_bottom;
            putBand(BandPieces(layoutObjects(m_footer->objects)), 0, m_footer->height);
            m_y = y;
        }
    }

    void newPage()
    {
        finishPage();
        startPage();
    }

    bool pageEmpty() const { return m_y <= (m_header ? m_header->height : 0) + Eps; }

    void place(const Band& band, bool mayBreak)
    {
        const BandPieces pieces(layoutObjects(band.objects));
        if (!mayBreak) {
            if (m_y + band.height > m_bottom + Eps && !pageEmpty())
                newPage();
            putBand(pieces, 0, band.height);
            m_y += band.height;
            return;
        }
        double offset = 0;
        while (band.height - offset > m_bottom - m_y + Eps) {
            double cut = offset + (m_bottom - m_y);
            for (const qsizetype i : pieces.wholeWithTop(offset - Eps, cut - Eps)) {
                const Piece& p = pieces.pieces.at(i);
                if (p.top() < cut - Eps && p.bottom() > cut + Eps)
                    cut = std::min(cut, p.top());
            }
            if (cut <= offset + Eps) {
                if (!pageEmpty()) {
                    newPage();
                    continue;
                }
                cut = offset + (m_bottom - m_y);  // a line taller than a page: cut it
            }
            putBand(pieces, offset, cut);
            newPage();
            offset = cut;
        }
        putBand(pieces, offset, band.height);
        m_y += band.height - offset;
    }

    // The slice [from, to) of a band, drawn at the current height.
    void putBand(const BandPieces& band, double from, double to)
    {
        std::vector<qsizetype> shown = band.wholeWithTop(from - Eps, to - Eps);
        for (const qsizetype i : band.others) {
            const Piece& p = band.pieces.at(i);
            if (p.bottom() >= from - Eps && p.top() < to + Eps)
                shown.push_back(i);
        }
        if (!band.others.empty())
            std::sort(shown.begin(), shown.end());  // in band order, as they were laid out
        for (const qsizetype i : shown)
            put(band.pieces.at(i), m_y - from, from, to);
    }

    // Moves a piece onto the page, `dy` units down; cut pieces keep only [from, to).
    void put(const Piece& piece, double dy, double from, double to)
    {
        Primitive p = piece.primitive;
        const QPointF shift = m_origin + QPointF(0, dy);
        p.rect.translate(shift);
        if (p.clip.isValid())
            p.clip.translate(shift);
        p.baseline += shift.y();
        if (to >= from && !piece.whole) {
            const double top = from + shift.y(), bottom = to + shift.y();
            if (p.kind == Primitive::Line) {
                if (p.rect.width() == 0) {
                    p.rect.setTop(std::max(p.rect.top(), top));
                    p.rect.setBottom(std::min(p.rect.bottom(), bottom));
                } else if (p.rect.top() > bottom + Eps) {
                    return;
                }
            } else if (piece.top() < from - Eps || piece.bottom() > to + Eps) {
                const QRectF slice(-1e6, top, 2e6, bottom - top);
                p.clip = p.clip.isValid() ? p.clip.intersected(slice) : slice;
            }
        }
        m_pages.last().items.push_back(p);
    }

    const Template& m_t;
    QPointF m_origin;
    double m_bottom = 0;
    double m_y = 0;
    const Band* m_header = nullptr;
    const Band* m_footer = nullptr;
    QList<Piece> m_free;
    QList<PreparedPage> m_pages;
};

QPageLayout pageLayoutFor(const PreparedPage& page)
{
    QSizeF portrait = page.paperMm;
    if (page.orientation == Orientation::Landscape)
        portrait.transpose();
    const QPageLayout::Orientation o =
        page.orientation == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    return QPageLayout(QPageSize(portrait, QPageSize::Millimeter), o, QMarginsF(0, 0, 0, 0));
}

}  // namespace

void Object::addLine(const QString& line)
{
    if (!linesAdded && text.isEmpty())
        text = line;
    else
        text += QLatin1Char('\n') + line;
    linesAdded = true;
}

void Object::setPicture(const QImage& image)
{
    if (!image.isNull() && image.convertToFormat(QImage::Format_ARGB32).isNull())
        throw Error("immagine non utilizzabile");
    picture = image.copy();
}

QSizeF Page::sizeMm() const
{
    return orientation == Orientation::Landscape ? paperMm.transposed() : paperMm;
}

Object& Template::object(const QString& name)
{
    return const_cast<Object&>(std::as_const(*this).object(name));
}

const Object& Template::object(const QString& name) const
{
    for (const Object& o : objects)
        if (o.name == name)
            return o;
    for (const Band& b : bands)
        for (const Object& o : b.objects)
            if (o.name == name)
                return o;
    throw Error(("oggetto sconosciuto: " + name).toStdString());
}

Band& Template::band(const QString& name)
{
    for (Band& b : bands)
        if (b.name == name)
            return b;
    throw Error(("sezione sconosciuta: " + name).toStdString());
}

bool Template::hasObject(const QString& name) const
{
    try {
        object(name);
        return true;
    } catch (const Error&) {
        return false;
    }
}

Object& Template::add(Object o)
{
    objects.push_back(std::move(o));
    return objects.back();
}

Object& Template::add(const QString& bandName, Object o)
{
    Band& b = band(bandName);
    b.objects.push_back(std::move(o));
    return b.objects.back();
}

Band& Template::addBand(Band b)
{
    bands.push_back(std::move(b));
    return bands.back();
}

Prepared Template::prepare() const
{
    Prepared result;
    result.name = name;
    result.previewButtons = previewButtons;
    result.pages = Flow(*this).run();
    return result;
}

Object textBox(const QString& name, double left, double top, double width, double height, const QString& text,
               const QString& font, double pointSize, bool bold)
{
    Object o;
    o.name = name;
    o.kind = ObjectKind::Text;
    o.box = QRectF(mm(left), mm(top), mm(width), mm(height));
    o.text = text;
    o.fontName = font;
    o.pointSize = pointSize;
    o.bold = bold;
    return o;
}

Object captionBox(const QString& name, double left, double top, double width, double height, const QString& text,
                  const QString& font, double pointSize, bool bold, const QColor& fill)
{
    Object o = textBox(name, left, top, width, height, text, font, pointSize, bold);
    o.colour = Qt::white;
    o.fill = fill;
    o.hAlign = HAlign::Centre;
    o.vAlign = VAlign::Centre;
    return o;
}

Object picture(const QString& name, double left, double top, double width, double height, bool centred)
{
    Object o;
    o.name = name;
    o.kind = ObjectKind::Picture;
    o.box = QRectF(mm(left), mm(top), mm(width), mm(height));
    o.centred = centred;
    return o;
}

Object rectangle(const QString& name, double left, double top, double width, double height, const QColor& fill)
{
    Object o;
    o.name = name;
    o.kind = ObjectKind::Rectangle;
    o.box = QRectF(mm(left), mm(top), mm(width), mm(height));
    o.fill = fill;
    return o;
}

Object horizontalLine(const QString& name, double left, double top, double width)
{
    Object o;
    o.name = name;
    o.kind = ObjectKind::Line;
    o.box = QRectF(mm(left), mm(top), mm(width), 0);
    return o;
}

Object verticalLine(const QString& name, double left, double top, double height)
{
    Object o;
    o.name = name;
    o.kind = ObjectKind::Line;
    o.box = QRectF(mm(left), mm(top), 0, mm(height));
    return o;
}

void drawPage(QPainter& painter, const PreparedPage& page, const QRectF& paper)
{
    const QSizeF units = page.paperUnits();
    painter.save();
    painter.translate(paper.topLeft());
    painter.scale(paper.width() / units.width(), paper.height() / units.height());
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    // Point sizes are turned into pixels at the device's resolution; the
    // painter works in units, so the size is given relative to 96 dpi.
    const double dpi = painter.device() ? painter.device()->logicalDpiY() : UnitsPerInch;
    for (const Primitive& p : page.items) {
        painter.save();
        if (p.clip.isValid())
            painter.setClipRect(p.clip, Qt::IntersectClip);
        switch (p.kind) {
        case Primitive::Fill:
            painter.fillRect(p.rect, p.colour);
            break;
        case Primitive::Outline:
            painter.setPen(QPen(p.colour, 1));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(p.rect);
            break;
        case Primitive::Line:
            painter.setPen(QPen(p.colour, 1, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(p.rect.topLeft(), p.rect.bottomRight());
            break;
        case Primitive::Image:
            painter.drawImage(p.rect, p.image);
            break;
        case Primitive::Text: {
            QFont font = fontFor(p.fontName, p.pointSize * UnitsPerInch / dpi, p.bold);
            painter.setFont(font);
            painter.setPen(p.colour);
            painter.drawText(QPointF(p.rect.left(), p.baseline), p.text);
            break;
        }
        }
        painter.restore();
    }
    painter.restore();
}

QRectF paperRect(const QPaintDevice& device, const PreparedPage& page, QPointF originMm)
{
    const double dpiX = device.logicalDpiX(), dpiY = device.logicalDpiY();
    return QRectF(-originMm.x() / 25.4 * dpiX, -originMm.y() / 25.4 * dpiY, page.paperMm.width() / 25.4 * dpiX,
                  page.paperMm.height() / 25.4 * dpiY);
}

QImage renderPage(const PreparedPage& page, double dpi)
{
    const int dpm = qRound(dpi / 0.0254);
    const QSize size(qRound(page.paperMm.width() / 25.4 * dpi), qRound(page.paperMm.height() / 25.4 * dpi));
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(dpm);
    image.setDotsPerMeterY(dpm);
    image.fill(Qt::white);
    QPainter painter(&image);
    drawPage(painter, page, paperRect(image, page));
    return image;
}

bool writePdf(const Prepared& report, const QString& fileName, QString* error)
{
    if (report.pages.isEmpty()) {
        if (error)
            *error = QStringLiteral("nessuna pagina da stampare");
        return false;
    }
    return SafeFile::replace(
        fileName,
        [&report](QIODevice& device) {
            QPdfWriter writer(&device);
            writer.setTitle(report.name);
            writer.setCreator(QStringLiteral("Norvalis"));
            writer.setPageLayout(pageLayoutFor(report.pages.constFirst()));
            QPainter painter;
            if (!painter.begin(&writer))
                return false;
            for (qsizetype i = 0; i < report.pages.size(); ++i) {
                const PreparedPage& page = report.pages.at(i);
                if (i > 0) {
                    writer.setPageLayout(pageLayoutFor(page));
                    writer.newPage();
                }
                drawPage(painter, page, paperRect(writer, page));
            }
            return painter.end();
        },
        error);
}

QString pdfFileName(const QString& reportName)
{
    static const QRegularExpression unsafe(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1F]+"));
    QString name = QString(reportName).replace(unsafe, QStringLiteral(" ")).simplified();
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    if (name.isEmpty())
        name = QStringLiteral("Documento");
    return name + QStringLiteral(".pdf");
}

Page Page::a4(Orientation orientation, double marginMm)
{
    Page page;
    page.paperMm = QSizeF(210, 297);
    page.orientation = orientation;
    page.leftMargin = page.rightMargin = page.topMargin = page.bottomMargin = marginMm;
    return page;
}

Template listLayout(const QString& title, const QStringList& lines)
{
    const QColor slateGrey(0x70, 0x80, 0x90);
    Template t;
    t.name = QStringLiteral("Riepilogo dati");
    t.previewButtons = ListPreview;
    t.page = Page::a4(Orientation::Landscape, 10);

    t.addBand({QStringLiteral("ReportTitle"), BandKind::Title, mm(8), mm(277), {}});
    t.add(QStringLiteral("ReportTitle"), captionBox(QStringLiteral("txtTitolo"), 2, 1, 273, 5, QStringLiteral("Riepilogo"),
                                                    QStringLiteral("Verdana"), 9, true, slateGrey));

    t.addBand({QStringLiteral("MasterData"), BandKind::Data, mm(28), mm(277), {}});
    Object riepilogo =
        textBox(QStringLiteral("txtRiepilogo"), 3, 0, 273, 27, QString(), QStringLiteral("Courier New"), 8);
    riepilogo.wordWrap = false;
    riepilogo.linePitch = ListLinePitch;
    t.add(QStringLiteral("MasterData"), riepilogo);

    t.addBand({QStringLiteral("Footer"), BandKind::Footer, mm(8), mm(277), {}});
    t.add(QStringLiteral("Footer"), captionBox(QStringLiteral("txtPagina"), 3, 2, 272, 5,
                                               QStringLiteral("Stampa eseguita in data [DATE]"),
                                               QStringLiteral("Verdana"), 8, true, slateGrey));

    // Filled as every list window fills it.
    t.object(QStringLiteral("txtTitolo")).setText(title);
    Object& box = t.object(QStringLiteral("txtRiepilogo"));
    box.clearLines();
    for (const QString& line : lines)
        box.addLine(line);
    box.setHeight(lines.size() * ListLinePitch);
    t.band(QStringLiteral("MasterData")).setHeight(box.box.height() + 10);
    return t;
}

}  // namespace Report
