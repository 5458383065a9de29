#pragma once

#include <QMainWindow>
#include <QSize>
#include <functional>
#include <memory>

class Connection;
class PrintLayout;
class QComboBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTimer;

// The frame both report windows stand on: the report pane, the progress bar,
// the printer list, the save, print and close buttons, and the status bar
// with the day, the date and a running clock. The window opens its own
// connection when it loads and closes it when it closes; closing unloads it.
class ReportWindow : public QMainWindow
{
    Q_OBJECT

public:
    ~ReportWindow() override;

    // Builds the report of a category into the pane.
    virtual void TampilData(const QString &category) = 0;
    // Asks for a file name and writes the pane's text and one CR LF to it.
    // A cancel or a file that cannot be written ends it silently.
    void SimpanLaporan();
    // Prints the pane's text on the default printer and asks whether the
    // printout came out right; Yes empties the pane.
    void CetakKePrinter();
    // Shows the pane's text as CetakKePrinter prints it.
    void PratinjauCetak();
    // Asks for a file name and writes the pane's text as a PDF of the sheets
    // CetakKePrinter prints.
    void SimpanPdf();

    // The pane's text with CR LF line ends.
    QString paneText() const;

protected:
    // designSize is the client area in twips; printPointSize the size the
    // report prints at.
    ReportWindow(const QString &name, QSize designSize, qreal printPointSize);
    // Opens the window at its designed client size and settles the access
    // keys the buttons share with the menu bar; called once the menus stand.
    void resizeToDesign();
    // Puts the preview and PDF items below the items of the window's file
    // menu; pdfName is the name the save dialog offers.
    void addPrintoutItems(QMenu *file, const QString &pdfName);

    void setPaneText(const QString &text);
    void appendPaneText(const QString &text);
    void setCriterion(const QString &text);
    const QString &loadDayName() const { return m_dayName; }

    // The window's connection; throws the error that kept it from opening.
    Connection &connection();

    // Runs a build. An error it throws is told as number, one blank and
    // description; either way the pane shows again and the progress bar
    // returns to 0.
    void runBuild(const std::function<void()> &build);
    // Hides and empties the pane and sets the progress bar up for count rows.
    void startBuild(int count);
    // Counts rows done on the progress bar.
    void stepProgress(int rows = 1);
    // The "Data tidak ditemukan!" message.
    static void nothingFound();
    // The "Data Tidak Ada" message.
    static void nothingToPrint();

    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // What every way of printing hands on: the pane's text with a last line
    // end, laid out in the report's face and size.
    QString printedText() const;
    PrintLayout printLayout() const;
    void settleAccessKeys();
    void placeControls();
    void tick();
    QLabel *addPanel(int index, int width, const QString &text, const QString &toolTip);

    QSize m_designSize;
    qreal m_printPointSize;
    QString m_pdfName;
    QString m_dayName;
    std::unique_ptr<Connection> m_connection;

    QWidget *m_client;
    QPlainTextEdit *m_pane;
    QProgressBar *m_progress;
    int m_progressCount = 0;
    int m_progressStep = 1;
    QLabel *m_printerCaption;
    QComboBox *m_printers;
    QPushButton *m_save;
    QPushButton *m_print;
    QPushButton *m_close;
    QLabel *m_panels[5];
    QTimer *m_timer;
};
