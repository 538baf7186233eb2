#pragma once
// Driving a search or list dialog from a test's modal handler.

#include "output/ui/searchdialog.h"

#include <QDialog>
#include <QListView>
#include <QtTest>

#include <functional>

// Shows the window and waits until it is the active one.
inline bool showActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// A double-click as the window system delivers it: a click, then the double-click.
inline void doubleClickRow(SearchDialog& dialog, int row)
{
    const QRect rect = dialog.lstRecords->visualRect(dialog.model->index(row));
    QVERIFY(rect.isValid());
    QTest::mouseClick(dialog.lstRecords->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(dialog.lstRecords->viewport(), Qt::LeftButton, {}, rect.center());
}

// A modal handler that shows the search dialog, runs `steps` on it and
// answers with the dialog's result (-1 when it could not be shown).
inline std::function<int(QDialog&)> driveSearch(std::function<void(SearchDialog&)> steps)
{
    return [steps = std::move(steps)](QDialog& d) {
        auto& dialog = static_cast<SearchDialog&>(d);
        if (!showActive(dialog))
            return -1;
        steps(dialog);
        return dialog.result();
    };
}

// The handler of a list where the user double-clicks the first line.
inline std::function<int(QDialog&)> pickFirstLine()
{
    return driveSearch([](SearchDialog& dialog) { doubleClickRow(dialog, 0); });
}
