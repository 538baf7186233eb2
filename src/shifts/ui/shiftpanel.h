#pragma once
// The fixed panel the shift screens are drawn on: every control at its own
// place, in screen units from the panel's top-left corner, and the panel
// centred in the maximised window. These are its pieces: the tool and
// navigation bars, the light sections, the labels and fields, the orange
// column headings, the small import buttons and the hint bar.

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>


class QFrame;
class QLabel;
class QLineEdit;
class QToolButton;
class QWidget;

namespace ShiftPanel {

// A panel of `size` in the middle of `screen`, which keeps it centred
// whatever its own size.
QWidget* centred(QWidget* screen, QSize size);

// The band of the tool bar and the navigation bar across the panel's top.
void toolBand(QWidget* panel, int height);

struct Tool {
    const char* objectName;
    const char* icon;  // ":/icons/<icon>.svg"
    const char* hint;  // shown as tool tip; the hint bar has its own
    int x;
    int width;  // a wide tool shows `caption` beside its picture
    const char* caption = nullptr;
};
// Picture buttons `height` high at `y`.
void addTools(QWidget* panel, int y, int height, const QList<Tool>& tools);
// cmdPrimo, cmdIndietro, lblPosizione (`positionWidth` wide), cmdAvanti and
// cmdUltimo at `y`, the buttons 37 x 39.
QLabel* addNavigation(QWidget* panel, int y, int xFirst, int xPrevious, int xPosition, int positionWidth, int xNext,
                      int xLast);

// A light rounded section under the controls placed on it afterwards.
QFrame* section(QWidget* panel, const QString& objectName, const QRect& rect);
// A label in Verdana 9 pt.
QLabel* label(QWidget* panel, const QString& text, const QRect& rect);
// An orange column heading, white bold text centred.
QLabel* columnHeading(QWidget* panel, const QString& text, const QRect& rect, int pointSize = 9);
// Sunday's heading (red, white text) or one of its fields (red text).
void markSunday(QLabel* heading);
void markSunday(QLineEdit* field);
// The edit field "txt" + name in Verdana 12 pt bold.
QLineEdit* field(QWidget* panel, const QString& name, const QRect& rect);
// A small picture button beside a field that imports into it.
// `icon`: ":/icons/<icon>.svg".
QToolButton* importButton(QWidget* panel, const QString& objectName, const char* icon, const QRect& rect);
// `panInfo` in Tahoma 12 pt, white on blue.
QLabel* hintBar(QWidget* panel, const QString& text, const QRect& rect);

}  // namespace ShiftPanel
