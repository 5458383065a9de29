#pragma once

#include "search/RecordSearch.h"

class QWidget;

// Ties the search bar of a record window (its buttons cmdFindFirst,
// cmdFindNext, cmdClearSearch and cmdView) to a search of the window's records
// that reports to the named result window.
class SearchBar
{
public:
    static RecordSearch *attach(QWidget *window, RecordSet &records, const QList<RecordSearch::Box> &boxes,
                                const QString &resultWindow);
};
