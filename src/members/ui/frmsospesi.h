#pragma once
// " Riepilogo tessere in attesa di rinnovo": the cards whose expiry date,
// less the member's days of notice, has been reached. A double-click shows
// the member on the member screen.

#include "output/ui/searchdialog.h"

class TfrmSospesi : public SearchDialog {
    Q_OBJECT
public:
    explicit TfrmSospesi(QWidget* parent = nullptr);

    // Creates the list, shows it modally and discards it.
    static void open(QWidget* caller);

protected:
    QList<ResultLine> findLines(const QList<RecordFilter::Term>& typed) override;
    void handBack(const ResultLine& line) override;
};
