#include "FuzzInput.h"

#include "search/RecordSearch.h"
#include "search/SearchResultText.h"

#include <cstdlib>

// Any box text and any criterion: the match never fails, ignores letter case,
// finds a text in itself and in any text around it, and the result texts keep
// their shape.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString all = fuzzText(data, size);
    const qsizetype cut = size ? qsizetype(data[0]) % (all.size() + 1) : 0;
    const QString text = all.left(cut);
    const QString criterion = all.mid(cut);

    // The search upper-cases both sides before it matches.
    const auto match = [](const QString &t, const QString &c) { return RecordSearch::matches(t.toUpper(), c.toUpper()); };
    const bool found = match(text, criterion);
    if (found != match(text.toUpper(), criterion))
        std::abort();
    if (!match(text, QString()) || !match(text, text))
        std::abort();
    if (found && !match(QStringLiteral("<") + text + QStringLiteral(">"), criterion))
        std::abort();

    const QString upper = criterion.toUpper();
    const QString header = SearchResultText::header(upper);
    const QString crlf = QStringLiteral("\r\n");
    if (header != QStringLiteral("Ditemukan data '") + upper + QStringLiteral("' pada:") + crlf
                      + QString(23 + upper.size(), QLatin1Char('-')) + crlf)
        std::abort();
    const QString entry = SearchResultText::entry(int(size), QStringLiteral("Nama"), text, 3);
    if (!entry.startsWith(QStringLiteral("\r\n  Record ke-")) || !entry.endsWith(QStringLiteral(" di tabel.")))
        std::abort();
    return 0;
}
