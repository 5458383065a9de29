#pragma once

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <functional>

class QWidget;
class RecordSet;
class RecordSearch;

// Ties the search bar of a record window (its buttons cmdFindFirst,
// cmdFindNext, cmdClearSearch and cmdView) to a search of the window's
// records. The search is set up at the first press, when the window is
// complete, and lives as long as the window.
class SearchBar : public QObject
{
    Q_OBJECT

public:
    struct Setup
    {
        RecordSet *records;
        QList<QPair<int, QString>> boxes; // box index, field of the record set
        QString resultWindow;
    };
    using SetupSource = std::function<Setup()>;

    SearchBar(QWidget *window, SetupSource setup);

private:
    RecordSearch &search();

    SetupSource m_setup;
    RecordSearch *m_search = nullptr;
};
