#pragma once

#include "records/RecordWindow.h"

class ListPicker;

// The purchases and other spending: one record per purchase in the table
// Pembelian, with the kind picker, today's date on Tambah and the total
// following quantity times price.
class frmpembelian : public RecordWindow
{
    Q_OBJECT

public:
    explicit frmpembelian(QWidget *parent = nullptr);

    SearchSetup searchSetup() override;

protected:
    void extraTambah() override;
    QWidget *focusTarget(int index) const override;

private:
    void kindChosen();
    void totalRule();

    ListPicker *m_kinds;
};
