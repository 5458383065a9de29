#pragma once

#include "search/SearchResultView.h"

#include <QRect>
#include <QWidget>

class QPlainTextEdit;
class QPushButton;

// A search result window: the result text in a read-only pane, buttons that
// press the search buttons of the record window it is tied to, and saving
// the text to a file.
class SearchResultWindow : public QWidget, public SearchResultView
{
    Q_OBJECT

public:
    // Where the controls lie, in twips, and the designed client size.
    struct Design
    {
        QRect text1, clearSearch, findFirst, findNext, simpan, ok;
        int clientWidth, clientHeight;
    };

    SearchResultWindow(const Design &design, const QString &tiedWindow, QWidget *parent = nullptr);

    QString resultText() const override { return m_text; }
    void setResultText(const QString &text) override;
    void setFindFirstEnabled(bool enabled) override;
    void showResults() override;
    void showAtEnd() override;

private:
    QPushButton *button(const QString &name, const QString &caption, const QRect &twips);
    void pressTied(const QString &buttonName);
    void save();

    QString m_tiedWindow;
    QString m_text; // as given, CR LF line ends kept
    QPlainTextEdit *m_pane;
    QPushButton *m_findFirst = nullptr;
};
