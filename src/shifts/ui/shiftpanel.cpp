#include "shifts/ui/shiftpanel.h"

#include "app/ui/formkit.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace ShiftPanel {

QWidget* centred(QWidget* screen, QSize size)
{
    auto* panel = new QWidget(screen);
    panel->setObjectName(QStringLiteral("panScheda"));
    panel->setFixedSize(size);
    auto* grid = new QGridLayout(screen);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setRowStretch(0, 1);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    grid->addWidget(panel, 1, 1);
    return panel;
}

void toolBand(QWidget* panel, int height)
{
    toolbarBand(panel)->setGeometry(0, 0, panel->width(), height);
}

void addTools(QWidget* panel, int y, int height, const QList<Tool>& tools)
{
    for (const Tool& tool : tools) {
        const QSize icon = height >= 36 ? QSize(30, 30) : QSize(height - 8, height - 8);
        QToolButton* button = pictureButton(QLatin1String(tool.objectName),
                                            QStringLiteral(":/icons/%1.svg").arg(QLatin1String(tool.icon)), icon,
                                            QString::fromUtf8(tool.hint), panel);
        if (tool.caption) {
            button->setText(QString::fromUtf8(tool.caption));
            button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
            button->setStyleSheet(QStringLiteral("font: bold 9pt 'Verdana'; color: #1F4E79;"));
        }
        button->setGeometry(tool.x, y, tool.width, height);
    }
}

QLabel* addNavigation(QWidget* panel, int y, int xFirst, int xPrevious, int xPosition, int positionWidth, int xNext,
                      int xLast)
{
    const QSize button(37, 39);
    const std::pair<const char*, const char*> arrows[] = {
        {"cmdPrimo", "primo"}, {"cmdIndietro", "indietro"}, {"cmdAvanti", "avanti"}, {"cmdUltimo", "ultimo"}};
    const int xs[] = {xFirst, xPrevious, xNext, xLast};
    for (int i = 0; i < 4; ++i) {
        QToolButton* arrow = pictureButton(QLatin1String(arrows[i].first),
                                           QStringLiteral(":/icons/%1.svg").arg(QLatin1String(arrows[i].second)),
                                           QSize(26, 26), QString(), panel);
        arrow->setGeometry(QRect(QPoint(xs[i], y), button));
    }
    QLabel* position = positionLabel(panel);
    position->setMinimumWidth(0);
    position->setGeometry(xPosition, y, positionWidth, button.height());
    return position;
}

QFrame* section(QWidget* panel, const QString& objectName, const QRect& rect)
{
    auto* frame = new QFrame(panel);
    frame->setObjectName(objectName);
    frame->setStyleSheet(
        QStringLiteral("#%1 { background: #F8FAFC; border: 1px solid #CFD8E3; border-radius: 6px; }").arg(objectName));
    frame->setGeometry(rect);
    frame->lower();
    return frame;
}

QLabel* label(QWidget* panel, const QString& text, const QRect& rect)
{
    auto* l = new QLabel(text, panel);
    l->setStyleSheet(QStringLiteral("font: 9pt 'Verdana'; color: #1F3A6B; background: transparent;"));
    l->setGeometry(rect);
    return l;
}

namespace {

const char* const HeadingStyle = "background: %1; color: white; font: bold %2pt 'Verdana'; border-radius: 3px;";
const char* const FieldStyle =
    "QLineEdit { padding: 0px; border: 1px solid #A9B6C6; background: white; %1}QLineEdit:read-only { background: "
    "#F2F5F9; }QLineEdit:focus { border: 1px solid #E8871E; }";
const QColor SundayRed(0xC6, 0x28, 0x28);

}  // namespace

QLabel* columnHeading(QWidget* panel, const QString& text, const QRect& rect, int pointSize)
{
    auto* heading = new QLabel(text, panel);
    heading->setAlignment(Qt::AlignCenter);
    heading->setStyleSheet(QString::fromLatin1(HeadingStyle).arg(QStringLiteral("#E8871E")).arg(pointSize));
    heading->setProperty("pointSize", pointSize);
    heading->setGeometry(rect);
    return heading;
}

void markSunday(QLabel* heading)
{
    heading->setStyleSheet(
        QString::fromLatin1(HeadingStyle).arg(SundayRed.name()).arg(heading->property("pointSize").toInt()));
}

void markSunday(QLineEdit* field)
{
    field->setStyleSheet(QString::fromLatin1(FieldStyle).arg(QStringLiteral("color: %1; ").arg(SundayRed.name())));
}

QLineEdit* field(QWidget* panel, const QString& name, const QRect& rect)
{
    auto* edit = new QLineEdit(panel);
    edit->setObjectName(QStringLiteral("txt") + name);
    edit->setFont(QFont(QStringLiteral("Verdana"), 12, QFont::Bold));
    // The rows are 24 units apart: no room for the usual inner margins.
    edit->setTextMargins(2, 0, 2, 0);
    edit->setStyleSheet(QString::fromLatin1(FieldStyle).arg(QString()));
    edit->setGeometry(rect);
    return edit;
}

QToolButton* importButton(QWidget* panel, const QString& objectName, const char* icon, const QRect& rect)
{
    QToolButton* button = pictureButton(objectName, QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon)),
                                        rect.size() - QSize(4, 4), QString(), panel);
    button->setGeometry(rect);
    // The fields' chains of Enter and Tab pass them by; the mouse reaches them.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QLabel* hintBar(QWidget* panel, const QString& text, const QRect& rect)
{
    QLabel* bar = hintBarLabel(text, panel);
    bar->setStyleSheet(QStringLiteral(
        "background: #1F4E9C; color: white; padding: 2px 10px; font: 12pt 'Tahoma';border-radius: 3px;"));
    bar->setGeometry(rect);
    return bar;
}

}  // namespace ShiftPanel
