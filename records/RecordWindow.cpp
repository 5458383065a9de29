#include "records/RecordWindow.h"

#include "data/DataError.h"
#include "data/RecordSetModel.h"
#include "platform/Keystrokes.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "platform/WindowRegistry.h"
#include "records/DataControl.h"
#include "search/SearchBar.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>

namespace {
const QString duplicateLine2 = QStringLiteral("Ganti dengan yang lain!");
}

RecordWindow::RecordWindow(const Settings &settings, const QString &dataControlName,
                           const TableDef &table, QWidget *parent)
    : QWidget(parent), m_settings(settings), m_main(new DataControl(dataControlName, table, this))
{
    m_main->setErrorHandler([this](const DataError &e) { showDataError(e); });
    connect(&m_main->records(), &RecordSet::currentChanged, this, &RecordWindow::syncGrid);

    m_picButtons = new QWidget(this);
    m_picButtons->setObjectName(QStringLiteral("picButtons"));
    m_buttonLayout = new QHBoxLayout(m_picButtons);
    m_buttonLayout->setContentsMargins(0, 0, 0, 0);
    m_buttonLayout->setSpacing(0);
    connect(makeButton(m_picButtons, QStringLiteral("cmdAdd"), QStringLiteral("&Tambah")),
            &QPushButton::clicked, this, &RecordWindow::Tambah);
    connect(makeButton(m_picButtons, QStringLiteral("cmdUpdate"), QStringLiteral("&Simpan")),
            &QPushButton::clicked, this, &RecordWindow::Simpan);
    connect(makeButton(m_picButtons, QStringLiteral("cmdCancel"), QStringLiteral("&Batal")),
            &QPushButton::clicked, this, &RecordWindow::Batal);
    connect(makeButton(m_picButtons, QStringLiteral("cmdDelete"), QStringLiteral("&Hapus")),
            &QPushButton::clicked, this, &RecordWindow::Hapus);
    connect(makeButton(m_picButtons, QStringLiteral("cmdEdit"), QStringLiteral("&Edit")),
            &QPushButton::clicked, this, &RecordWindow::Edit);
    connect(makeButton(m_picButtons, QStringLiteral("cmdRefresh"), QStringLiteral("&Refresh")),
            &QPushButton::clicked, this, &RecordWindow::Refresh);
    connect(makeButton(m_picButtons, QStringLiteral("cmdClose"), QStringLiteral("&Keluar")),
            &QPushButton::clicked, this, &RecordWindow::Keluar);
    button(QStringLiteral("cmdUpdate"))->setEnabled(false);
    button(QStringLiteral("cmdCancel"))->setEnabled(false);

    // The search buttons; the record search connects them.
    m_picUtility = new QWidget(this);
    m_picUtility->setObjectName(QStringLiteral("picUtility"));
    m_picUtility->setAutoFillBackground(true);
    QPalette grey = m_picUtility->palette();
    grey.setColor(QPalette::Window, grey.color(QPalette::Button));
    m_picUtility->setPalette(grey);
    auto *utility = new QHBoxLayout(m_picUtility);
    utility->setContentsMargins(2, 2, 2, 2);
    utility->setSpacing(0);
    makeButton(m_picUtility, QStringLiteral("cmdFindFirst"), QStringLiteral("Pencarian"));
    makeButton(m_picUtility, QStringLiteral("cmdFindNext"), QStringLiteral("Pencarian Berikutnya"));
    makeButton(m_picUtility, QStringLiteral("cmdView"), QStringLiteral("Hasil Pencarian"));
    makeButton(m_picUtility, QStringLiteral("cmdClearSearch"), QStringLiteral("&Hapus Pencarian"));
    new SearchBar(this, [this] {
        const SearchSetup s = searchSetup();
        return SearchBar::Setup{s.records, s.boxes, s.resultWindow};
    });
}

RecordWindow::~RecordWindow()
{
    // Unload leaves the ordinary mouse pointer behind.
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

QPushButton *RecordWindow::makeButton(QWidget *bar, const QString &name, const QString &caption)
{
    auto *b = new QPushButton(caption, bar);
    b->setObjectName(name);
    b->setAutoDefault(false);
    bar->layout()->addWidget(b);
    return b;
}

QPushButton *RecordWindow::button(const QString &name) const
{
    return findChild<QPushButton *>(name);
}

void RecordWindow::addToButtonBar(QPushButton *b, int position)
{
    b->setParent(m_picButtons);
    b->setAutoDefault(false);
    m_buttonLayout->insertWidget(position, b);
}

QLineEdit *RecordWindow::addBox(int index, QWidget *parent)
{
    auto *b = new QLineEdit(parent);
    b->setObjectName(m_settings.boxArray + QLatin1Char('_') + QString::number(index));
    b->installEventFilter(this);
    m_boxes.insert(index, b);
    m_boxIndex.insert(b, index);
    return b;
}

QTableView *RecordWindow::addGrid(const QString &name, QWidget *parent)
{
    m_grid = new QTableView(parent);
    m_grid->setObjectName(name);
    m_grid->setModel(new RecordSetModel(&m_main->records(), m_grid));
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Fixed row heights: the grid formats only the rows it shows.
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    // No row numbers at the side: the header would measure a few hundred of
    // them again after every added row. A row is chosen by any of its cells.
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    // Fitting the columns to their texts looks at the first rows only.
    m_grid->horizontalHeader()->setResizeContentsPrecision(25);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (m_syncingGrid || !current.isValid())
                    return;
                try {
                    m_main->records().moveTo(current.row());
                } catch (const DataError &e) {
                    m_main->raiseError(e);
                }
                syncGrid();
            });
    return m_grid;
}

void RecordWindow::syncGrid()
{
    if (!m_grid)
        return;
    const RecordSet &rs = m_main->records();
    m_syncingGrid = true;
    QItemSelectionModel *selection = m_grid->selectionModel();
    if (rs.hasCurrent()) {
        const int column = qMax(0, selection->currentIndex().column());
        const QModelIndex index = m_grid->model()->index(rs.position(), column);
        if (selection->currentIndex() != index)
            selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        m_grid->scrollTo(index);
    } else {
        selection->clear();
    }
    m_syncingGrid = false;
}

void RecordWindow::fill(QWidget *w, const QColor &colour)
{
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
}

void RecordWindow::makeGrey(QWidget *w)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Button));
    w->setPalette(p);
}

void RecordWindow::setTabChain(const QList<QWidget *> &chain)
{
    // A picker's edit part follows the picker in the chain, where Qt keeps
    // it; putting it anywhere else breaks the chain into pieces that point
    // at widgets already gone when the window is destroyed.
    for (int i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain.at(i - 1), chain.at(i));
    // The window opens with the focus on the first control of its order.
    if (!chain.isEmpty())
        chain.first()->setFocus(Qt::OtherFocusReason);
}

void RecordWindow::loadMainData()
{
    try {
        m_main->refresh();
    } catch (const DataError &e) {
        m_main->raiseError(e);
    }
    fitGrid();
}

void RecordWindow::fitGrid()
{
    if (!m_grid)
        return;
    // Each column as wide as its title and the first rows' texts (a long
    // address no wider than a few words); the window widens, as far as the
    // screen allows, until every column shows beside the scroll bar.
    QHeaderView *header = m_grid->horizontalHeader();
    const int widest = m_grid->fontMetrics().averageCharWidth() * 30;
    int columns = 0;
    for (int c = 0; c < header->count(); ++c) {
        m_grid->resizeColumnToContents(c);
        if (header->sectionSize(c) > widest)
            header->resizeSection(c, widest);
        columns += header->sectionSize(c);
    }
    layout()->activate();
    const int needed = columns + m_grid->verticalScrollBar()->sizeHint().width() + 2 * m_grid->frameWidth();
    int wanted = width() + needed - m_grid->width();
    if (const QScreen *s = screen())
        wanted = qMin(wanted, s->availableGeometry().width());
    if (wanted > width())
        resize(wanted, height());
}

bool RecordWindow::isBrowsing() const
{
    return !button(QStringLiteral("cmdUpdate"))->isEnabled();
}

QWidget *RecordWindow::focusTarget(int index) const
{
    QLineEdit *b = box(index);
    return b && !b->isHidden() ? b : nullptr;
}

void RecordWindow::focusBox(int index)
{
    if (QWidget *target = focusTarget(index))
        target->setFocus(Qt::OtherFocusReason);
}

void RecordWindow::Kunci()
{
    for (int i = m_settings.lock.first; i <= m_settings.lock.last; ++i)
        if (QLineEdit *b = box(i))
            b->setReadOnly(true);
}

void RecordWindow::BukaKunci()
{
    for (int i = m_settings.lock.first; i <= m_settings.lock.last; ++i)
        if (QLineEdit *b = box(i))
            b->setReadOnly(false);
}

void RecordWindow::EnablePicture(QWidget *container, bool enabled)
{
    container->setEnabled(enabled);
    const QList<QWidget *> controls = container->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget *control : controls)
        control->setEnabled(enabled);
}

void RecordWindow::AturTombol(bool browsing)
{
    button(QStringLiteral("cmdAdd"))->setEnabled(browsing);
    button(QStringLiteral("cmdEdit"))->setEnabled(browsing);
    button(QStringLiteral("cmdUpdate"))->setEnabled(!browsing);
    button(QStringLiteral("cmdCancel"))->setEnabled(!browsing);
    button(QStringLiteral("cmdDelete"))->setEnabled(browsing);
    button(QStringLiteral("cmdClose"))->setEnabled(browsing);
    button(QStringLiteral("cmdRefresh"))->setEnabled(browsing);
}

void RecordWindow::Tambah()
{
    try {
        BukaKunci();
        AturTombol(false);
        m_main->records().addNew();
        extraTambah();
        focusBox(m_settings.focusAfterTambah);
    } catch (const DataError &e) {
        Platform::messages().show(e.description());
    }
}

void RecordWindow::Edit()
{
    BukaKunci();
    EnablePicture(m_picUtility, false);
    AturTombol(false);
    focusBox(m_settings.focusAfterEdit);
    Platform::keystrokes().send(this, QStringLiteral("{Home}+{End}"));
}

void RecordWindow::Simpan()
{
    for (int i = m_settings.check.first; i <= m_settings.check.last; ++i) {
        QLineEdit *b = box(i);
        if (b && b->text().isEmpty()) {
            Platform::messages().show(QStringLiteral("Semua data harus diisi!"), QStringLiteral("Isi Semua Data"),
                                      Messages::Icon::Critical);
            focusBox(i);
            return;
        }
    }
    try {
        if (m_settings.searchBarBeforeWrite)
            EnablePicture(m_picUtility, true);
        beforeWrite();
        m_main->records().update();
        if (!m_settings.searchBarBeforeWrite)
            EnablePicture(m_picUtility, true);
        AturTombol(true);
        Kunci();
    } catch (const DataError &e) {
        if (e.number() == DataError::KeyViolation) {
            Platform::messages().show(m_settings.duplicateSubject + QStringLiteral(" tersebut sudah ada.\r\n")
                                          + duplicateLine2,
                                      m_settings.duplicateSubject + QStringLiteral(" Dobel?"),
                                      Messages::Icon::Critical);
            focusBox(m_settings.focusAfterDuplicate);
        } else {
            Platform::messages().show(QString::number(e.number()) + QStringLiteral(" - ") + e.description());
        }
    }
}

void RecordWindow::Batal()
{
    // The data sources run no operation in the background, so there is none
    // to stop before re-reading.
    Refresh();
    AturTombol(true);
    Kunci();
    EnablePicture(m_picUtility, true);
}

void RecordWindow::Hapus()
{
    if (Platform::messages().show(QStringLiteral("Yakin record ini mau dihapus"), QStringLiteral("Hapus Record"),
                                  Messages::Icon::Question, Messages::Buttons::YesNo)
        != Messages::Answer::Yes)
        return;
    try {
        RecordSet &rs = m_main->records();
        rs.deleteCurrent();
        rs.moveNext();
        // Past the last record: the last one becomes current, if any is left.
        if (rs.isEof() && rs.count() > 0)
            rs.moveLast();
    } catch (const DataError &e) {
        Platform::messages().show(e.description());
    }
}

void RecordWindow::Refresh()
{
    try {
        m_main->refresh();
    } catch (const DataError &e) {
        Platform::messages().show(e.description());
    }
}

void RecordWindow::Keluar()
{
    WindowRegistry::instance().hide(this);
}

void RecordWindow::closeEvent(QCloseEvent *event)
{
    // Nothing pending is saved: the record set is closed and the program ends.
    m_main->records().close();
    event->accept();
    WindowRegistry::instance().endProgram();
}

void RecordWindow::showDataError(const DataError &error)
{
    Platform::messages().show(QStringLiteral("Data error event hit err:") + error.description());
}

bool RecordWindow::eventFilter(QObject *watched, QEvent *event)
{
    const auto found = m_boxIndex.constFind(watched);
    if (found != m_boxIndex.constEnd()) {
        const int index = *found;
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            // Tab moves the focus and gives the box no character.
            const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
            if (!key->text().isEmpty() && !tab) {
                // Like a typed Tab, the keystroke is taken after this key's
                // own work is done.
                if (key->text() == QLatin1String("\r") && m_settings.enter.contains(index))
                    QMetaObject::invokeMethod(
                        this, [this] { Platform::keystrokes().send(this, QStringLiteral("{Tab}")); },
                        Qt::QueuedConnection);
                keyPressed(index);
            }
        } else if (event->type() == QEvent::FocusIn) {
            focusArrived(index);
        }
    }
    return QWidget::eventFilter(watched, event);
}
