#pragma once
// The report engine: printable layouts (templates) made of named objects on
// one page, optionally grouped in bands, prepared into finished pages of
// drawing primitives and painted onto any paint device.
//
// Geometry inside a template is kept in layout units of 1/96 inch; the
// builders take millimetres through Report::mm(). Positions are measured from
// the top-left corner of the printable area (paper corner plus the left and
// top margins); object positions inside a band are relative to the band.

#include <QColor>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <memory>
#include <stdexcept>
#include <vector>

class QPainter;
class QPaintDevice;

namespace Report {

inline constexpr double UnitsPerInch = 96.0;
inline constexpr double UnitsPerMm = UnitsPerInch / 25.4;  // 3.7795...
constexpr double mm(double millimetres) { return millimetres * UnitsPerMm; }
constexpr double toMm(double units) { return units / UnitsPerMm; }

enum class Orientation { Portrait, Landscape };
enum class HAlign { Left, Centre, Right };
enum class VAlign { Top, Centre };
enum class ObjectKind { Text, Picture, Rectangle, Line };
enum class BandKind { Title, PageHeader, Data, Footer, PageFooter };

// The buttons a template's preview window offers.
enum PreviewButton {
    PreviewPrint = 0x1,
    PreviewZoom = 0x2,
    PreviewFullScreen = 0x4,
    PreviewClose = 0x8,
    PreviewThumbnails = 0x10,
    PreviewPageNavigation = 0x20,
    PreviewLoad = 0x40,
    PreviewSave = 0x80,
    PreviewExport = 0x100,
    PreviewOutline = 0x200,
    PreviewPageSetup = 0x400,
    PreviewEdit = 0x800,
    PreviewNavigator = 0x1000,
};
inline constexpr int StandardPreview = PreviewPrint | PreviewZoom | PreviewFullScreen | PreviewClose;
inline constexpr int ListPreview = StandardPreview | PreviewLoad | PreviewSave | PreviewExport | PreviewOutline |
                                   PreviewThumbnails | PreviewPageNavigation | PreviewPageSetup | PreviewEdit |
                                   PreviewNavigator;

// An error of the engine (an unknown object name, an unusable image...).
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Object {
    QString name;
    ObjectKind kind = ObjectKind::Text;
    QRectF box;  // units; a line has zero width (vertical) or zero height (horizontal)

    // Text box.
    QString text;
    QString fontName = QStringLiteral("Arial");
    double pointSize = 10;
    bool bold = false;
    QColor colour = Qt::black;
    QColor fill;  // invalid: transparent
    HAlign hAlign = HAlign::Left;
    VAlign vAlign = VAlign::Top;
    bool wordWrap = true;     // off: each line is clipped at the box's right edge
    bool expressions = true;  // on: "[DATE]" becomes today's date
    double linePitch = 0;     // units per line; 0: the font's own line spacing

    // Picture (scaled into the box keeping proportions, on white).
    QImage picture;
    bool centred = false;

    // Rectangle: outline colour and optional fill (above).
    QColor outline = Qt::black;

    bool linesAdded = false;  // addLine() has started the text

    // The operations a print window calls.
    void setText(const QString& value)
    {
        text = value;
        linesAdded = false;
    }
    void clearLines() { setText(QString()); }
    void addLine(const QString& line);
    void setHeight(double units) { box.setHeight(units); }
    // Throws Report::Error for an image that cannot be copied.
    void setPicture(const QImage& image);
};

struct Band {
    QString name;
    BandKind kind = BandKind::Data;
    double height = 0;  // units
    double width = 0;
    std::vector<Object> objects;

    void setHeight(double units) { height = units; }
};

struct Page {
    QSizeF paperMm{210, 297};  // as designed, portrait
    Orientation orientation = Orientation::Portrait;
    double leftMargin = 0, rightMargin = 0, topMargin = 0, bottomMargin = 0;  // millimetres
    QString defaultFont = QStringLiteral("Arial");

    void setOrientation(Orientation o) { orientation = o; }
    void setTopMargin(double millimetres) { topMargin = millimetres; }
    void setLeftMargin(double millimetres) { leftMargin = millimetres; }
    // The paper as it lies: landscape swaps width and height.
    QSizeF sizeMm() const;

    // An A4 sheet lying as given, with the same margin on every side.
    static Page a4(Orientation orientation, double marginMm);
};

// One drawing step of a finished page. Rectangles are in units from the
// paper's top-left corner.
struct Primitive {
    enum Kind { Fill, Outline, Line, Image, Text } kind = Fill;
    QRectF rect;
    QRectF clip;  // text: the box the line may not leave
    QColor colour;
    QImage image;
    QString text;
    QString fontName;
    double pointSize = 0;
    bool bold = false;
    double baseline = 0;  // text: y of the baseline
};

struct PreparedPage {
    QSizeF paperMm;
    Orientation orientation = Orientation::Portrait;
    QList<Primitive> items;
    QSizeF paperUnits() const { return paperMm * UnitsPerMm; }
};

struct Prepared {
    QString name;
    int previewButtons = StandardPreview;
    QList<PreparedPage> pages;
};

class Template {
public:
    QString name;
    QString printer = QStringLiteral("Default");
    int previewButtons = StandardPreview;
    Page page;
    std::vector<Object> objects;  // placed on the page itself, drawn on every page
    std::vector<Band> bands;      // in print order

    // Throws Report::Error when no object (or band) has that name.
    Object& object(const QString& name);
    const Object& object(const QString& name) const;
    Band& band(const QString& name);
    bool hasObject(const QString& name) const;

    Object& add(Object object);                  // on the page
    Object& add(const QString& band, Object object);  // in a band
    Band& addBand(Band band);

    // Lays the template out into finished pages.
    Prepared prepare() const;
};

// Object builders, positions and sizes in millimetres.
Object textBox(const QString& name, double left, double top, double width, double height, const QString& text,
               const QString& font, double pointSize, bool bold = false);
// A caption band: a text box in white on `fill`, centred both ways.
Object captionBox(const QString& name, double left, double top, double width, double height, const QString& text,
                  const QString& font, double pointSize, bool bold, const QColor& fill);
Object picture(const QString& name, double left, double top, double width, double height, bool centred = false);
Object rectangle(const QString& name, double left, double top, double width, double height,
                 const QColor& fill = QColor());
Object horizontalLine(const QString& name, double left, double top, double width);
Object verticalLine(const QString& name, double left, double top, double height);

// Paints one finished page so that its paper fills `paper`, a rectangle in
// the painter's current coordinates. Every output goes through here.
void drawPage(QPainter& painter, const PreparedPage& page, const QRectF& paper);
// The paper's rectangle on a device whose origin lies `originMm` from the
// paper corner (0 for images, PDF writers and full-page printers), from the
// device's logical resolution.
QRectF paperRect(const QPaintDevice& device, const PreparedPage& page, QPointF originMm = {});
// A page drawn on a white image at the given resolution.
QImage renderPage(const PreparedPage& page, double dpi);
// Every page into a PDF file, which is replaced only by a complete document;
// false when it cannot be written, with the reason in `error` when given.
bool writePdf(const Prepared& report, const QString& fileName, QString* error = nullptr);
// The name a report's PDF is offered under: the report's name without the
// characters a file name cannot hold, and ".pdf" ("Documento.pdf" for a
// report without a name).
QString pdfFileName(const QString& reportName);

// The list layout shared by the search and list windows ("Riepilogo dati"):
// title on the first page, the lines in a fixed-pitch font, the footer with
// the print date once after the last line.
Template listLayout(const QString& title, const QStringList& lines);
inline constexpr double ListLinePitch = 12.822;  // units per line of the list

}  // namespace Report
