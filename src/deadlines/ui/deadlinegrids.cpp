// The period lists and the whole-archive window: the deadlines in a grid,
// and their spreadsheet file through the export dialogue.

#include "deadlines/ui/deadlinedialogs.h"

#include "app/ui/formkit.h"
#include "app/ui/services.h"
#include "output/ui/gridwindow.h"

#include <QDialog>

#include <functional>

namespace {

QStringList titles(const QList<deadlines::GridColumn>& columns)
{
    QStringList t;
    for (const auto& c : columns)
        t << c.title;
    return t;
}

// The rows of a grid as a table model: column 0 the number, 1 to 19 the
// fields, 20 the sort key of the period lists.
class DeadlineGridModel : public GridModel {
public:
    DeadlineGridModel(deadlines::Period period, QObject* parent)
        : GridModel(titles(deadlines::gridColumns(period)), parent), m_columns(deadlines::gridColumns(period))
    {
    }

    void setRows(QList<deadlines::Row> rows)
    {
        beginResetModel();
        m_rows = std::move(rows);
        endResetModel();
    }
    const QList<deadlines::Row>& rows() const { return m_rows; }
    const QList<deadlines::GridColumn>& columns() const { return m_columns; }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : m_rows.size(); }

protected:
    QString cell(int r, int c) const override
    {
        const deadlines::Row& row = m_rows.at(r);
        if (c == 0)
            return QString::number(row.number);
        if (c <= deadlines::kFieldColumns)
            return row.cells.value(c - 1);
        return row.key;
    }

private:
    QList<deadlines::GridColumn> m_columns;
    QList<deadlines::Row> m_rows;
};

// The caption and the name of each grid window, in the order of deadlines::Period.
struct GridWindowName {
    const char* caption;
    const char* name;
};
constexpr GridWindowName GridWindows[] = {
    {" Scadenze imminenti", "frmExpImminenti"},
    {" Scadenze del giorno", "frmExpGiornaliere"},
    {" Scadenze del mese", "frmExpMensili"},
    {" Esporta archivio Scadenzario pagamenti", "frmExpScadenzario"},
};
static_assert(std::size(GridWindows) == std::size_t(deadlines::Period::Archive) + 1);

QList<int> widths(const QList<deadlines::GridColumn>& columns)
{
    QList<int> w;
    for (const auto& c : columns)
        w << c.width;
    return w;
}

using RowSource = std::function<QList<deadlines::Row>(deadlines::Failure*)>;

}  // namespace

// A grid of deadlines filled when first shown, with its export.
class TfrmExpScadenze : public GridExportWindow {
    Q_OBJECT
public:
    TfrmExpScadenze(QWidget* parent, deadlines::Period period, RowSource source)
        : GridExportWindow(parent, QLatin1String(deadlines::exportFile(period).fileName)), m_period(period),
          m_source(std::move(source))
    {
        const GridWindowName& names = GridWindows[int(period)];
        setObjectName(QLatin1String(names.name));
        m_model = new DeadlineGridModel(period, this);
        layOut(QLatin1String(names.caption), m_model, widths(m_model->columns()),
               period == deadlines::Period::Archive ? QStringLiteral("expscadenzario") : QStringLiteral("scadenze"));
        resize(1200, 600);
    }

protected:
    void fillGrid(std::optional<ArchiveError>& failure) override { m_model->setRows(m_source(&failure)); }
    bool writeExport() override { return deadlines::writeExport(m_period, m_model->rows()); }

private:
    deadlines::Period m_period;
    RowSource m_source;
    DeadlineGridModel* m_model;
};

namespace {

void runGrid(QWidget* parent, deadlines::Period period, RowSource source)
{
    TfrmExpScadenze window(parent, period, std::move(source));
    centre(&window, parent);
    Ui::runModal(window);
}

}  // namespace

void showPeriodList(QWidget* parent, deadlines::Period period, const QDate& date)
{
    switch (period) {
    case deadlines::Period::Imminent:
        runGrid(parent, period, [](deadlines::Failure* f) { return deadlines::currentImminentRows(f); });
        break;
    case deadlines::Period::Day:
        runGrid(parent, period, [date](deadlines::Failure* f) { return deadlines::dayRows(date, f); });
        break;
    case deadlines::Period::Month:
        runGrid(parent, period, [date](deadlines::Failure* f) { return deadlines::monthRows(date, f); });
        break;
    case deadlines::Period::Archive:
        showArchiveExport(parent, deadlines::archivePathOfYear(date.year()));
        break;
    }
}

void showArchiveExport(QWidget* parent, const QString& archivePath)
{
    runGrid(parent, deadlines::Period::Archive,
            [archivePath](deadlines::Failure* f) { return deadlines::archiveRows(archivePath, f); });
}

#include "deadlinegrids.moc"
