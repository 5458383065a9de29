#include "search/SearchBar.h"

#include "platform/WindowRegistry.h"
#include "search/RecordSearch.h"
#include "search/SearchResultView.h"

#include <QPointer>
#include <QPushButton>

SearchBar::SearchBar(QWidget *window, SetupSource setup) : QObject(window), m_setup(std::move(setup))
{
    const auto connectButton = [this, window](const char *name, void (RecordSearch::*operation)()) {
        connect(window->findChild<QPushButton *>(QLatin1String(name)), &QPushButton::clicked, this,
                [this, operation] { (search().*operation)(); });
    };
    connectButton("cmdFindFirst", &RecordSearch::findFirst);
    connectButton("cmdFindNext", &RecordSearch::findNext);
    connectButton("cmdClearSearch", &RecordSearch::clearSearch);
    connectButton("cmdView", &RecordSearch::showResults);
}

RecordSearch &SearchBar::search()
{
    if (m_search)
        return *m_search;
    const Setup setup = m_setup();
    QList<RecordSearch::Box> boxes;
    for (const auto &[index, field] : setup.boxes)
        boxes.append({index, field});
    QPointer<QPushButton> findFirst = parent()->findChild<QPushButton *>(QStringLiteral("cmdFindFirst"));
    const QString resultWindow = setup.resultWindow;
    m_search = new RecordSearch(
        *setup.records, boxes,
        [resultWindow] { return dynamic_cast<SearchResultView *>(WindowRegistry::instance().window(resultWindow)); },
        [findFirst](bool enabled) {
            if (findFirst)
                findFirst->setEnabled(enabled);
        },
        this);
    return *m_search;
}
