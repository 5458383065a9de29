#pragma once

#include <QHash>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QWidget>

class DataControl;
class QColor;
class DataError;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QTableView;
class RecordSet;
struct TableDef;

// A window bound to one table: a grid of its records, an array of field
// boxes showing the current record, the button bar picButtons with its edit
// cycle (Browsing, Adding, Editing) and the search bar picUtility. Each window
// configures it with its Settings and adds its own fields and rules.
class RecordWindow : public QWidget
{
    Q_OBJECT

public:
    struct Range
    {
        int first;
        int last;
        bool contains(int index) const { return index >= first && index <= last; }
    };

    struct Settings
    {
        QString boxArray;         // object name of the box array
        Range lock;               // boxes Kunci makes read-only
        Range check;              // boxes Simpan requires to be filled
        Range enter;              // boxes in which Enter moves the focus on
        int focusAfterTambah;
        int focusAfterEdit;
        QString duplicateSubject; // "ID Tamu", "No Transaksi"
        int focusAfterDuplicate;
        bool searchBarBeforeWrite; // Simpan enables the search bar before the write
    };

    // What the record search of a window works on: its main record set, the
    // boxes it examines (box index and the field of the main record set) and
    // the name of the window that shows its findings.
    struct SearchSetup
    {
        RecordSet *records;
        QList<QPair<int, QString>> boxes;
        QString resultWindow;
    };

    ~RecordWindow() override;

    virtual SearchSetup searchSetup() = 0;

    void Kunci();
    void BukaKunci();
    static void EnablePicture(QWidget *container, bool enabled);
    void AturTombol(bool browsing);

    // The buttons' operations.
    void Tambah();
    void Edit();
    void Simpan();
    void Batal();
    void Hapus();
    void Refresh();
    void Keluar();

    QLineEdit *box(int index) const { return m_boxes.value(index); }
    DataControl &mainData() { return *m_main; }
    QWidget *picButtons() const { return m_picButtons; }
    QWidget *picUtility() const { return m_picUtility; }
    QPushButton *button(const QString &name) const;
    QTableView *grid() const { return m_grid; }

protected:
    RecordWindow(const Settings &settings, const QString &dataControlName, const TableDef &table,
                 QWidget *parent = nullptr);

    // A box of the array, named after it, with the engine's key and focus
    // handling.
    QLineEdit *addBox(int index, QWidget *parent);
    // The grid over the main data source.
    QTableView *addGrid(const QString &name, QWidget *parent);
    void addToButtonBar(QPushButton *button, int position);
    // The tab order; the first control takes the focus when the window opens.
    static void setTabChain(const QList<QWidget *> &chain);
    // A background colour of the window's own; a grey box marks one the
    // window fills (the button-face colour).
    static void fill(QWidget *w, const QColor &colour);
    static void makeGrey(QWidget *w);

    // Opens the main data source at load (a failure goes to its error event)
    // and fits the grid's columns, widening the window to show them all.
    void loadMainData();

    // The state is the pattern of enabled buttons.
    bool isBrowsing() const;
    void focusBox(int index);

    // The window's own steps and rules.
    virtual void extraTambah() {}
    virtual void beforeWrite() {}
    virtual void keyPressed(int index) { Q_UNUSED(index) }
    virtual void focusArrived(int index) { Q_UNUSED(index) }
    // The control that takes the focus meant for a box; a hidden box passes
    // it on to the control that fills it.
    virtual QWidget *focusTarget(int index) const;

    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPushButton *makeButton(QWidget *bar, const QString &name, const QString &caption);
    void showDataError(const DataError &error);
    void fitGrid();
    void syncGrid();

    Settings m_settings;
    DataControl *m_main;
    QMap<int, QLineEdit *> m_boxes;
    QHash<QObject *, int> m_boxIndex;
    QWidget *m_picButtons;
    QHBoxLayout *m_buttonLayout;
    QWidget *m_picUtility;
    QTableView *m_grid = nullptr;
    bool m_syncingGrid = false;
};
