#pragma once
// Measuring a printed page: the page drawn at 10 pixels a millimetre, and
// where the ink lies in a region of it, in millimetres from the paper's
// corner.

#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <climits>

inline constexpr double PageDpi = 254;  // 10 pixels per millimetre
inline int px(double millimetres) { return qRound(millimetres * 10); }
inline bool isInk(QRgb p) { return qGray(p) < 110; }

// The ink inside a region of the page; an empty rectangle when there is none.
inline QRectF inkIn(const QImage& img, const QRectF& mm)
{
    int left = INT_MAX, right = -1, top = INT_MAX, bottom = -1;
    for (int y = px(mm.top()); y < px(mm.bottom()); ++y)
        for (int x = px(mm.left()); x < px(mm.right()); ++x)
            if (isInk(img.pixel(x, y))) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    if (right < 0)
        return {};
    return QRectF(left / 10.0, top / 10.0, (right + 1 - left) / 10.0, (bottom + 1 - top) / 10.0);
}

// What is wrong with the ink across the page at `yMm`, inside the rows'
// frames (12 to 285 mm), for it to be the rules at `rulesMm` and nothing
// else, each within 0.2 mm; empty when it is just that.
inline QString notOnlyRulesAcross(const QImage& img, double yMm, const QList<double>& rulesMm)
{
    const auto near = [](double a, double b) { return qAbs(a - b) <= 0.2; };
    QList<double> found;
    for (int x = px(12); x < px(285); ++x)
        if (isInk(img.pixel(x, px(yMm))))
            found << x / 10.0;
    for (double x : found)
        if (std::none_of(rulesMm.begin(), rulesMm.end(), [&](double rule) { return near(x, rule); }))
            return QStringLiteral("ink at %1 mm").arg(x);
    for (double rule : rulesMm)
        if (std::none_of(found.begin(), found.end(), [&](double x) { return near(x, rule); }))
            return QStringLiteral("no rule at %1 mm").arg(rule);
    return {};
}
