#pragma once
// The member import window: a CSV file chosen from the disk, its columns
// each matched to a member field (changeable), a preview of the first rows
// as the member cards will hold them, and "Importa", which appends every
// row as a new member or, when any row fails the member screen's checks,
// writes nothing and lists the failing lines.

#include "members/memberimport.h"

#include <QDialog>

#include <optional>

class EnterChain;
class HintBar;
class ImportPreviewModel;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableView;
class QTableWidget;

class TfrmImporta : public QDialog {
    Q_OBJECT
public:
    // The rows the preview shows at most.
    static constexpr int PreviewRows = 20;

    explicit TfrmImporta(QWidget* parent = nullptr);
    ~TfrmImporta() override;

    QLineEdit* txtFile;
    QPushButton* btnSfoglia;
    QLabel* lblFormato;
    QTableWidget* grdColonne;   // one row per column of the file, with its drop-down
    QTableView* grdAnteprima;   // the first rows as member fields
    QLabel* lblErrori;
    QListWidget* lstErrori;     // "riga N: reason" of each failing line
    QPushButton* btnImporta;
    QPushButton* btnChiudi;
    QLabel* panInfo;

    // The drop-down of the file's column `column` (0-based): lstColonna01, ...
    QComboBox* columnList(int column) const;
    // Reads `path` and shows it; false, with a warning, when it cannot be read.
    bool loadFile(const QString& path);
    // After an import: how many members were added, and the position of the first.
    int importedCount() const { return m_imported; }
    int firstPosition() const { return m_firstPosition; }

public slots:
    void btnSfogliaClick();
    void btnImportaClick();

private:
    void showFile();
    void showFailures(const QList<members::ImportFailure>& failures);
    void columnChosen(int column);
    void refresh();

    std::optional<Csv::Table> m_table;
    members::ImportMapping m_mapping;
    ImportPreviewModel* m_preview;
    HintBar* m_hints;
    EnterChain* m_chain = nullptr;
    int m_imported = 0;
    int m_firstPosition = 0;
};

// Opens the import window modally over the member screen; the number of
// members it added (0 when none), with the first one's position in `first`.
int importMembers(QWidget* screen, int* first);
