#include "output/ui/exportflow.h"

#include "app/ui/services.h"
#include "storage/appdir.h"
#include "storage/archiveerror.h"

#include <QApplication>
#include <QCursor>

namespace ExportFlow {

Outcome run(QWidget* parent, const QString& fileName, const std::function<Spreadsheet::Table()>& table)
{
    return runWith(parent, fileName, [&] { return Spreadsheet::writeFile(AppDir::filePath(fileName), table()); });
}

Outcome runWith(QWidget* parent, const QString& fileName, const std::function<bool()>& write)
{
    if (!Ui::question(parent, AskText))
        return Outcome::Declined;

    const QString path = AppDir::filePath(fileName);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    bool written = false;
    try {
        written = write();
    } catch (const ArchiveError&) {
        // The archive could not be read whole: the earlier file stays.
        QApplication::restoreOverrideCursor();
        Ui::error(parent, ArchiveError::userMessage());
        return Outcome::Failed;
    }
    QApplication::restoreOverrideCursor();
    if (!written) {
        Ui::information(parent, FailureText);
        return Outcome::Failed;
    }
    if (Ui::question(parent, DoneText))
        TMisc::Open(ShellOpen::file(path), parent);
    return Outcome::Written;
}

}  // namespace ExportFlow
