#pragma once

#include "records/RecordWindow.h"

class DataNavigator;
class QPushButton;

// The lodging transactions: one record per stay in the table Transaksi. The
// guest navigator steps through the guests of Tamu; every key press copies
// the current guest into the transaction and recomputes the stay.
class frmtransaksi : public RecordWindow
{
    Q_OBJECT

public:
    explicit frmtransaksi(QWidget *parent = nullptr);

    SearchSetup searchSetup() override;

    DataControl &guestData() { return *m_guests; }
    DataNavigator *guestNavigator() const { return m_navigator; }
    QLineEdit *transferBox(int number) const { return m_transfer.value(number - 1); }

    // Prints the receipt of the current stay.
    void Cetak();
    // Saves the same receipt as a PDF.
    void SimpanPdf();

protected:
    void keyPressed(int index) override;
    void focusArrived(int index) override;

private:
    QString receiptText() const;

    DataControl *m_guests;
    DataNavigator *m_navigator;
    QList<QLineEdit *> m_transfer; // Text1 to Text9
};
