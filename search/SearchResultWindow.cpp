#include "search/SearchResultWindow.h"

#include "platform/FileDialogs.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "platform/Twips.h"
#include "platform/WindowRegistry.h"
#include "search/SearchResultText.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTextCursor>

namespace {
QRect pixels(const QRect &twips)
{
    return Twips::rect(twips.x(), twips.y(), twips.width(), twips.height());
}
} // namespace

SearchResultWindow::SearchResultWindow(const Design &design, const QString &tiedWindow, QWidget *parent)
    : QWidget(parent, Qt::Window), m_tiedWindow(tiedWindow), m_pane(new QPlainTextEdit(this))
{
    setWindowTitle(Messages::defaultTitle());
    // Closing from the frame discards the window; the next use creates it afresh.
    setAttribute(Qt::WA_DeleteOnClose);
    resize(Twips::toPixels(design.clientWidth), Twips::toPixels(design.clientHeight));

    m_pane->setObjectName(QStringLiteral("Text1"));
    m_pane->setGeometry(pixels(design.text1));
    m_pane->setReadOnly(true);
    m_pane->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QStringLiteral("Courier New"), 9);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    m_pane->setFont(font);
    QPalette palette = m_pane->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, QColor(0, 0, 192));
    m_pane->setPalette(palette);

    QPushButton *clearSearch = button(QStringLiteral("cmdClearSearch"), QStringLiteral("&Hapus Pencarian"), design.clearSearch);
    m_findFirst = button(QStringLiteral("cmdFindFirst"), QStringLiteral("Cari"), design.findFirst);
    QPushButton *findNext = button(QStringLiteral("cmdFindNext"), QStringLiteral("Cari Berikutnya"), design.findNext);
    QPushButton *simpan = button(QStringLiteral("cmdSimpan"), QStringLiteral("&Simpan..."), design.simpan);
    QPushButton *ok = button(QStringLiteral("cmdOk"), QStringLiteral("Keluar"), design.ok);

    // A caption wider than its designed button widens the button; those to
    // its right move along, keeping their order and gaps, and the pane and
    // the window widen with the row.
    int widened = 0;
    for (QPushButton *b : {clearSearch, m_findFirst, findNext, simpan, ok}) {
        QRect g = b->geometry().translated(widened, 0);
        const int needed = b->sizeHint().width();
        if (needed > g.width()) {
            widened += needed - g.width();
            g.setWidth(needed);
        }
        b->setGeometry(g);
    }
    m_pane->resize(m_pane->width() + widened, m_pane->height());
    resize(width() + widened, height());

    setTabOrder(m_pane, simpan);
    setTabOrder(simpan, findNext);
    setTabOrder(findNext, m_findFirst);
    setTabOrder(m_findFirst, clearSearch);
    setTabOrder(clearSearch, ok);

    // The search buttons act on the tied record window, as if pressed there.
    connect(clearSearch, &QPushButton::clicked, this, [this] { pressTied(QStringLiteral("cmdClearSearch")); });
    connect(m_findFirst, &QPushButton::clicked, this, [this] { pressTied(QStringLiteral("cmdFindFirst")); });
    connect(findNext, &QPushButton::clicked, this, [this] { pressTied(QStringLiteral("cmdFindNext")); });
    connect(simpan, &QPushButton::clicked, this, &SearchResultWindow::save);
    connect(ok, &QPushButton::clicked, this, [this] { WindowRegistry::instance().hide(this); });
}

QPushButton *SearchResultWindow::button(const QString &name, const QString &caption, const QRect &twips)
{
    auto *b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setGeometry(pixels(twips));
    return b;
}

void SearchResultWindow::setResultText(const QString &text)
{
    m_text = text;
    QString shown = text;
    shown.replace(SearchResultText::lineEnd, QStringLiteral("\n"));
    m_pane->setPlainText(shown);
}

void SearchResultWindow::setFindFirstEnabled(bool enabled)
{
    m_findFirst->setEnabled(enabled);
}

void SearchResultWindow::showResults()
{
    show();
    raise();
    activateWindow();
}

void SearchResultWindow::showAtEnd()
{
    QTextCursor cursor = m_pane->textCursor();
    cursor.movePosition(QTextCursor::End);
    m_pane->setTextCursor(cursor);
    showResults();
    // Home, then Shift+End, in the pane.
    cursor.movePosition(QTextCursor::StartOfBlock);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    m_pane->setTextCursor(cursor);
}

void SearchResultWindow::pressTied(const QString &buttonName)
{
    // A disabled button there does nothing, as a click on it would.
    if (QWidget *tied = WindowRegistry::instance().window(m_tiedWindow)) {
        if (auto *b = tied->findChild<QPushButton *>(buttonName))
            b->click();
    }
}

void SearchResultWindow::save()
{
    if (m_text.isEmpty()) {
        Platform::messages().show(QStringLiteral("Belum ada hasil pencarian!"), QStringLiteral("Kosong"),
                                  Messages::Icon::Critical);
        return;
    }
    const QString name = Platform::fileDialogs().saveFileName(
        QStringLiteral("Simpan sebagai file teks"), QStringLiteral("*.txt|*.txt"), QStringLiteral("HasilCari"));
    if (name.isEmpty())
        return; // cancelled: nothing is written
    // Any failure ends the save silently; the old file stays whole.
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly))
        return;
    const QByteArray bytes = (m_text + SearchResultText::lineEnd).toLocal8Bit();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return;
    }
    file.commit();
}
