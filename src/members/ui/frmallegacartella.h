#pragma once
// The three files attached to the record of the calling screen: each one a
// copy in the attachment folder, named by its file name, with a description.
// Only the caller's holders change; the caller's save stores them.

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

class TfrmAllegaCartella : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAllegaCartella(QWidget* parent = nullptr);

    QLineEdit* txtFile01;
    QLineEdit* txtFile02;
    QLineEdit* txtFile03;
    QLineEdit* txtDesc01;
    QLineEdit* txtDesc02;
    QLineEdit* txtDesc03;
    QPushButton* btnSfoglia01;
    QPushButton* btnSfoglia02;
    QPushButton* btnSfoglia03;
    QPushButton* btnApri01;
    QPushButton* btnApri02;
    QPushButton* btnApri03;
    QToolButton* imgCancella01;
    QToolButton* imgCancella02;
    QToolButton* imgCancella03;
    QPushButton* btnApplica;
    QPushButton* btnAnnulla;
    QLabel* lblMemory;  // the caller key

    // Sets the caller key and copies the caller's holders (lblFile01..03,
    // lblDesc01..03 of its window), trimmed, into the fields.
    void setCallerKey(const QString& key);

public slots:
    void btnSfogliaClick(int slot);
    void btnApriClick(int slot);
    void imgCancellaClick(int slot);
    void btnApplicaClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Slot {
        QLineEdit* file;
        QLineEdit* desc;
        QPushButton* browse;
        QPushButton* open;
        QToolButton* erase;
    };
    // The caller's holder of that name, when the caller's window is there.
    QLabel* holder(const QString& name) const;

    std::array<Slot, 3> m_slots;
};

// Runs the attachment dialog for `callerKey` over `screen`, modally.
void editAttachments(QWidget* screen, const QString& callerKey);
// Empties the attachment holders of `screen` (lblFile01 ... lblDesc03): a
// copy of a record does not keep its attached files.
void clearAttachments(QWidget* screen);
