#include "tabellenansicht.h"

#include "umrechnung.h"

#include <QBrush>
#include <QHeaderView>
#include <QPainter>
#include <QPalette>
#include <QStyledItemDelegate>

#include <array>

namespace quentor {

namespace {

// Paints a cell in its own colour with its text, and leaves its right and bottom pixel to the
// grid's background (black): those are the lines between the cells. No focus rectangle or highlight
// covers a colour. Painting directly (instead of the style's item drawing) keeps a whole rotation
// with a repaint after every spin fast.
class Zellenmaler : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* maler, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QRect zelle = option.rect.adjusted(0, 0, -1, -1);
        maler->fillRect(zelle, index.data(Qt::BackgroundRole).value<QBrush>());
        maler->setFont(option.font);
        maler->setPen(option.palette.color(QPalette::Text));
        maler->drawText(zelle, index.data(Qt::TextAlignmentRole).toInt(),
                        index.data(Qt::DisplayRole).toString());
    }
};

QString zustand(Farbe farbe) {
    if (farbe == farbegekommen) {
        return QStringLiteral("gekommen");
    }
    if (farbe == farbeaktuell) {
        return QStringLiteral("aktuell");
    }
    return {};
}

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
    case Qt::AccessibleTextRole:
        return qtext(zelle.text);
    case Qt::BackgroundRole:
        return QBrush(qfarbe(zelle.farbe));
    case Qt::TextAlignmentRole:
        return static_cast<int>(Qt::AlignCenter);
    case Qt::AccessibleDescriptionRole:
        return zustand(zelle.farbe);
    default:
        return {};
    }
}

Qt::ItemFlags Tabellenmodell::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemNeverHasChildren : Qt::NoItemFlags;
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
