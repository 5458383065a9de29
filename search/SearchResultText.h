#pragma once

#include <QString>

// The pieces of the readable search result text. Lines end with CR LF.
class SearchResultText
{
public:
    // "Ditemukan data 'JAYA' pada:" and a hyphen line as long as it.
    static QString header(const QString &criterion);
    // One matching box: a blank-line lead, the record's 1-based position, the
    // field name, the box's text and its column.
    static QString entry(int position, const QString &field, const QString &text, int column);
    // The whole text after a search that found nothing.
    static QString notFound(const QString &criterion);

    static const QString lineEnd;
};
