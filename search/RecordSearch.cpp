#include "search/RecordSearch.h"

#include "data/DataError.h"
#include "data/RecordSet.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "platform/Prompt.h"
#include "search/InfoMirror.h"
#include "search/SearchResultText.h"
#include "search/SearchResultView.h"

namespace {
// Blank means nothing but spaces.
bool isBlank(const QString &text)
{
    for (const QChar c : text) {
        if (c != QLatin1Char(' '))
            return false;
    }
    return true;
}
} // namespace

RecordSearch::RecordSearch(RecordSet &records, const QList<Box> &boxes, ResultView resultView,
                           FindFirstSwitch findFirstSwitch, QObject *parent)
    : QObject(parent), m_records(records), m_boxes(boxes), m_resultView(std::move(resultView)),
      m_findFirstSwitch(std::move(findFirstSwitch))
{
    for (const Box &box : m_boxes)
        m_columns.append(m_records.columnOf(box.field));
}

void RecordSearch::findFirst() { guarded(&RecordSearch::runFindFirst); }
void RecordSearch::findNext() { guarded(&RecordSearch::runFindNext); }
void RecordSearch::clearSearch() { guarded(&RecordSearch::runClearSearch); }
void RecordSearch::showResults() { m_resultView()->showResults(); }

void RecordSearch::guarded(void (RecordSearch::*operation)())
{
    // A move writes a pending change first, and that write can fail.
    try {
        (this->*operation)();
    } catch (const DataError &e) {
        Platform::messages().show(QString::number(e.number()) + QStringLiteral(" - ") + e.description());
    }
}

void RecordSearch::runFindFirst()
{
    // An empty table has no first record to move to; the search then finds nothing.
    if (m_records.count() > 0)
        m_records.moveFirst();
    if (!m_kriteriaCari.isEmpty()) {
        m_kriteriaCari = m_kriteriaLama;
    } else {
        const std::optional<QString> answer = Platform::prompt().ask(
            QStringLiteral("Masukkan data apa saja yang diketahui: "), QStringLiteral("Cari Data"));
        m_kriteriaCari = answer.value_or(QString()).toUpper();
    }
    if (m_kriteriaCari.isEmpty())
        return;

    const int row = scan(0, m_kriteriaCari);
    if (row < 0) {
        notFoundAtEnd();
        SearchResultView *view = m_resultView();
        const QString text = SearchResultText::notFound(m_kriteriaCari);
        view->setResultText(text);
        mirror(view, text);
        return;
    }
    m_records.moveTo(row);
    SearchResultView *view = m_resultView();
    const QString text = view->resultText() + SearchResultText::header(m_kriteriaCari);
    view->setResultText(text);
    InfoMirror::write(text); // the entry that follows rewrites it at once
    report(row, true);
}

void RecordSearch::runFindNext()
{
    m_kriteriaLama = m_kriteriaCari;
    // Without a criterion there is nothing to look further for: start afresh.
    if (isBlank(m_isiTerakhir) || m_kriteriaLama.isEmpty()) {
        runFindFirst();
        return;
    }
    const int row = scan(m_records.position() + 1, m_kriteriaLama);
    if (row < 0) {
        notFoundAtEnd();
        return;
    }
    m_records.moveTo(row);
    report(row, false);
}

void RecordSearch::runClearSearch()
{
    if (m_kriteriaCari.isEmpty()) {
        Platform::messages().show(QStringLiteral("Belum ada kriteria pencarian."),
                                  QStringLiteral("Kriteria Masih Kosong"), Messages::Icon::Information);
        return;
    }
    const Messages::Answer answer = Platform::messages().show(
        QStringLiteral("Kriteria pencarian sebelumnya = ") + m_kriteriaCari + QLatin1Char('\r')
            + QStringLiteral("Anda yakin ingin menghapusnya?"),
        QStringLiteral("Reset Pencarian"), Messages::Icon::Question, Messages::Buttons::YesNo);
    if (answer != Messages::Answer::Yes)
        return;
    m_findFirstSwitch(true);
    SearchResultView *view = m_resultView();
    view->setFindFirstEnabled(true);
    m_kriteriaCari.clear();
    m_isiTerakhir.clear();
    view->setResultText(QString());
}

int RecordSearch::scan(int from, const QString &criterion)
{
    // Works on the rows' texts; the record set moves only to the match.
    const int count = m_records.count();
    for (int row = qMax(from, 0); row < count; ++row) {
        for (int i = 0; i < m_boxes.size(); ++i) {
            if (examine(row, i, criterion))
                return row;
        }
    }
    return -1;
}

bool RecordSearch::examine(int row, int box, const QString &criterion)
{
    m_isiTerakhir = m_records.textAt(row, m_columns.at(box)).toUpper();
    return matches(m_isiTerakhir, criterion);
}

bool RecordSearch::matches(const QString &upperText, const QString &upperCriterion)
{
    return upperText.contains(upperCriterion);
}

void RecordSearch::report(int row, bool firstFind)
{
    for (int i = 0; i < m_boxes.size(); ++i) {
        if (!examine(row, i, m_kriteriaCari))
            continue;
        const Box &box = m_boxes.at(i);
        if (firstFind)
            m_kriteriaLama = m_kriteriaCari;
        SearchResultView *view = m_resultView();
        const QString text = view->resultText()
            + SearchResultText::entry(row + 1, box.field, m_records.textAt(row, m_columns.at(i)), box.index + 1);
        view->setResultText(text);
        if (firstFind) {
            m_findFirstSwitch(false);
            view->setFindFirstEnabled(false);
        }
        mirror(view, text);
        view->showAtEnd();
    }
}

void RecordSearch::notFoundAtEnd()
{
    if (m_records.count() > 0)
        m_records.moveLast();
    Platform::messages().show(SearchResultText::notFound(m_kriteriaCari), QStringLiteral("Tidak Ditemukan"),
                              Messages::Icon::Critical);
}

void RecordSearch::mirror(SearchResultView *view, const QString &text)
{
    // A mirror that cannot be written or read leaves the text as built.
    if (const std::optional<QString> read = InfoMirror::pass(text))
        view->setResultText(*read);
}
