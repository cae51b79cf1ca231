#include "tabellenansicht.h"

#include "umrechnung.h"

#include <QAccessible>
#include <QBrush>
#include <QFocusEvent>
#include <QHeaderView>
#include <QPainter>
#include <QPalette>
#include <QStyledItemDelegate>
#include <QTimer>

#include <array>

namespace quentor {

namespace {

// Paints a cell in its own colour with its text, and leaves its right and bottom pixel to the
// grid's background (black): those are the lines between the cells. No highlight covers a
// colour; the keyboard's cursor is a frame two pixels wide in the text's colour, two pixels
// inside the cell, so that the cell's colour shows all around it. Painting directly (instead of the
// style's item drawing) keeps a whole rotation with a repaint after every spin fast.
class Zellenmaler : public QStyledItemDelegate {
  public:
    explicit Zellenmaler(Tabellenansicht* ansicht)
        : QStyledItemDelegate(ansicht), ansicht_(ansicht) {}

    void paint(QPainter* maler, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QRect zelle = option.rect.adjusted(0, 0, -1, -1);
        maler->fillRect(zelle, index.data(Qt::BackgroundRole).value<QBrush>());
        maler->setFont(option.font);
        maler->setPen(option.palette.color(QPalette::Text));
        maler->drawText(zelle, index.data(Qt::TextAlignmentRole).toInt(),
                        index.data(Qt::DisplayRole).toString());
        if (ansicht_->zeigtCursor() && ansicht_->currentIndex() == index) {
            maler->drawRect(zelle.adjusted(2, 2, -3, -3)); // two pixels wide
            maler->drawRect(zelle.adjusted(3, 3, -4, -4));
        }
    }

  private:
    const Tabellenansicht* ansicht_;
};

// Pixel heights of the rows: each row edge on the pixel nearest to its place in twips.
std::array<int, zeilenanzahl> zeilenhoehenPixel(const Tabelle& tabelle) {
    std::array<int, zeilenanzahl> hoehen{};
    int kante = 0;
    for (int zeile = 0; zeile < zeilenanzahl; ++zeile) {
        const int naechste = kante + tabelle.zeilenhoehe(zeile);
        hoehen[static_cast<std::size_t>(zeile)] = pixel(naechste) - pixel(kante);
        kante = naechste;
    }
    return hoehen;
}

} // namespace

Tabellenmodell::Tabellenmodell(const Tabelle& tabelle, QObject* eltern)
    : QAbstractTableModel(eltern), tabelle_(tabelle) {}

int Tabellenmodell::rowCount(const QModelIndex& oben) const {
    return oben.isValid() ? 0 : zeilenanzahl;
}

int Tabellenmodell::columnCount(const QModelIndex& oben) const {
    return oben.isValid() ? 0 : spaltenanzahl;
}

QVariant Tabellenmodell::data(const QModelIndex& index, int rolle) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return {};
    }
    const Zelle zelle = tabelle_.zelle(index.row(), index.column());
    switch (rolle) {
    case Qt::DisplayRole:
        return qtext(zelle.text);
    case Qt::AccessibleTextRole:
        return qtext(tabelle_.lesung(index.row(), index.column()));
    case Qt::BackgroundRole:
        return QBrush(qfarbe(zelle.farbe));
    case Qt::TextAlignmentRole:
        return static_cast<int>(Qt::AlignCenter);
    default:
        return {};
    }
}

// The two blank cells are no numbers: not enabled, so that the cursor passes over them.
Qt::ItemFlags Tabellenmodell::flags(const QModelIndex& index) const {
    if (!index.isValid() || !istZahlzelle(index.row(), index.column())) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}

void Tabellenmodell::aktualisiere() {
    emit dataChanged(index(0, 0), index(zeilenanzahl - 1, spaltenanzahl - 1));
}

Tabellenansicht::Tabellenansicht(QWidget* eltern) : QTableView(eltern) {
    for (QHeaderView* kopf : {horizontalHeader(), verticalHeader()}) {
        kopf->hide();
        kopf->setMinimumSectionSize(1);
        kopf->setSectionResizeMode(QHeaderView::Fixed);
    }
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    setShowGrid(false); // the cell painter leaves the lines
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false); // Tab moves on to the next control
    setAutoScroll(false);
    setWordWrap(false);
    setItemDelegate(new Zellenmaler(this));
}

bool Tabellenansicht::zeigtCursor() const {
    return mitTastenBewegt_ && hasFocus();
}

// Without a cursor yet, the first key (or the focus from Tab) puts it on the zero: the cell at
// the top left, where the view would begin, is blank.
QModelIndex Tabellenansicht::moveCursor(CursorAction aktion, Qt::KeyboardModifiers tasten) {
    if (!currentIndex().isValid() && model() != nullptr) {
        return model()->index(zahlzeile(0), zahlspalte(0));
    }
    return QTableView::moveCursor(aktion, tasten);
}

void Tabellenansicht::keyPressEvent(QKeyEvent* ereignis) {
    const QModelIndex vorher = currentIndex();
    QTableView::keyPressEvent(ereignis);
    if (currentIndex() != vorher && !mitTastenBewegt_) {
        mitTastenBewegt_ = true;
        viewport()->update();
    }
}

// Qt tells of the grid's focus after that of the cell under the cursor; the cell is told once
// more afterwards, so that a screen reader reads the cell, not only the grid.
void Tabellenansicht::focusInEvent(QFocusEvent* ereignis) {
    QTableView::focusInEvent(ereignis);
    if (QAccessible::isActive()) {
        QTimer::singleShot(0, this, &Tabellenansicht::meldeCursor);
    }
}

void Tabellenansicht::meldeCursor() {
    if (hasFocus()) {
        meldeFokus(currentIndex());
    }
}

// The cell's number among the grid's children is its own: QTableView would count its hidden
// headers in, and a screen reader would read another cell.
void Tabellenansicht::meldeFokus(const QModelIndex& zelle) {
    if (QAccessible::isActive() && zelle.isValid()) {
        QAccessibleEvent ereignis(this, QAccessible::Focus);
        ereignis.setChild(zelle.row() * model()->columnCount() + zelle.column());
        QAccessible::updateAccessibility(&ereignis);
    }
}

void Tabellenansicht::currentChanged(const QModelIndex& neu, const QModelIndex& vorher) {
    meldeFokus(neu);
    QAbstractItemView::currentChanged(neu, vorher); // NOLINT(bugprone-parent-virtual-call)
}

// Nothing can be selected; QTableView's own would tell of selections by its header-counting
// numbers.
void Tabellenansicht::selectionChanged(const QItemSelection& gewaehlt,
                                       const QItemSelection& abgewaehlt) {
    // NOLINTNEXTLINE(bugprone-parent-virtual-call)
    QAbstractItemView::selectionChanged(gewaehlt, abgewaehlt);
}

void Tabellenansicht::mousePressEvent(QMouseEvent* ereignis) {
    mitTastenBewegt_ = false;
    QTableView::mousePressEvent(ereignis);
    viewport()->update();
}

// A screen reader watching a cell learns when what it reads changes.
void Tabellenansicht::dataChanged(const QModelIndex& oben, const QModelIndex& unten,
                                  const QList<int>& rollen) {
    QTableView::dataChanged(oben, unten, rollen);
    if (!QAccessible::isActive() || model() == nullptr) {
        return;
    }
    const int spalten = model()->columnCount();
    for (int zeile = oben.row(); zeile <= unten.row(); ++zeile) {
        for (int spalte = oben.column(); spalte <= unten.column(); ++spalte) {
            meldeWennGeaendert(zeile * spalten + spalte, model()->index(zeile, spalte));
        }
    }
}

void Tabellenansicht::meldeWennGeaendert(int kind, const QModelIndex& index) {
    const QString text = index.data(Qt::AccessibleTextRole).toString();
    QString& gemeldet = gemeldet_[static_cast<std::size_t>(kind)];
    if (text == gemeldet) {
        return;
    }
    gemeldet = text;
    QAccessibleEvent ereignis(this, QAccessible::NameChanged);
    ereignis.setChild(kind);
    QAccessible::updateAccessibility(&ereignis);
}

void Tabellenansicht::uebernimmMasse(const Tabelle& tabelle) {
    for (int spalte = 0; spalte < spaltenanzahl; ++spalte) {
        setColumnWidth(spalte, pixel(tabelle.spaltenbreite(spalte)));
    }
    const auto hoehen = zeilenhoehenPixel(tabelle);
    for (int zeile = 0; zeile < zeilenanzahl; ++zeile) {
        setRowHeight(zeile, hoehen[static_cast<std::size_t>(zeile)]);
    }
}

} // namespace quentor
