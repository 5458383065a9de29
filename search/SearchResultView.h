#pragma once

#include <QString>

// What a record search needs of its result window.
class SearchResultView
{
public:
    virtual ~SearchResultView() = default;

    virtual QString resultText() const = 0;
    virtual void setResultText(const QString &text) = 0;
    // The window's "Cari" button.
    virtual void setFindFirstEnabled(bool enabled) = 0;
    // Shows the window without blocking and brings it to the front.
    virtual void showResults() = 0;
    // Puts the caret at the end of the text, shows the window and selects
    // the caret's line from its start to its end.
    virtual void showAtEnd() = 0;
};
