#include "search/SearchBar.h"

#include "platform/WindowRegistry.h"
#include "search/SearchResultView.h"

#include <QPointer>
#include <QPushButton>

RecordSearch *SearchBar::attach(QWidget *window, RecordSet &records, const QList<RecordSearch::Box> &boxes,
                                const QString &resultWindow)
{
    const auto buttonNamed = [window](const char *name) {
        return window->findChild<QPushButton *>(QLatin1String(name));
    };
    QPointer<QPushButton> findFirst = buttonNamed("cmdFindFirst");
    auto *search = new RecordSearch(
        records, boxes,
        [resultWindow] { return dynamic_cast<SearchResultView *>(WindowRegistry::instance().window(resultWindow)); },
        [findFirst](bool enabled) {
            if (findFirst)
                findFirst->setEnabled(enabled);
        },
        window);
    QObject::connect(findFirst, &QPushButton::clicked, search, &RecordSearch::findFirst);
    QObject::connect(buttonNamed("cmdFindNext"), &QPushButton::clicked, search, &RecordSearch::findNext);
    QObject::connect(buttonNamed("cmdClearSearch"), &QPushButton::clicked, search, &RecordSearch::clearSearch);
    QObject::connect(buttonNamed("cmdView"), &QPushButton::clicked, search, &RecordSearch::showResults);
    return search;
}
