#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class RecordSet;
class SearchResultView;

// The search of one record window: looks for a text in a fixed run of the
// window's boxes, record after record, makes the first matching record
// current and reports every matching box of it to the window's result window.
class RecordSearch : public QObject
{
    Q_OBJECT

public:
    // An examined box: its index in the window's box array and the field of
    // the main record set it shows.
    struct Box
    {
        int index;
        QString field;
    };
    // Gives the result window, creating it hidden when it does not exist.
    using ResultView = std::function<SearchResultView *()>;
    // Enables or disables the record window's "Pencarian" button.
    using FindFirstSwitch = std::function<void(bool)>;

    RecordSearch(RecordSet &records, const QList<Box> &boxes, ResultView resultView,
                 FindFirstSwitch findFirstSwitch, QObject *parent = nullptr);

    // The matching rule, on a box text and a criterion both already
    // upper-cased: the criterion stands anywhere in the text; nothing else is
    // normalised.
    static bool matches(const QString &upperText, const QString &upperCriterion);

    const QString &kriteriaCari() const { return m_kriteriaCari; }
    const QString &kriteriaLama() const { return m_kriteriaLama; }
    const QString &isiTerakhir() const { return m_isiTerakhir; }

public slots:
    void findFirst();
    void findNext();
    void clearSearch();
    void showResults();

private:
    void runFindFirst();
    void runFindNext();
    void runClearSearch();
    // The first row from `from` on with a box that holds the criterion, or -1.
    int scan(int from, const QString &criterion);
    // Examining the box-th box of the run at a row notes its upper-cased text
    // and tells whether it holds the criterion.
    bool examine(int row, int box, const QString &criterion);
    void report(int row, bool firstFind);
    void notFoundAtEnd();
    void mirror(SearchResultView *view, const QString &text);
    void guarded(void (RecordSearch::*operation)());

    RecordSet &m_records;
    QList<Box> m_boxes;
    QList<int> m_columns; // record set column of each box
    ResultView m_resultView;
    FindFirstSwitch m_findFirstSwitch;

    QString m_kriteriaCari;
    QString m_kriteriaLama;
    QString m_isiTerakhir;
};
