#pragma once
// The grid `tabelle`: the session's table model shown as 13 x 3 cells with their own texts,
// colours and alignment, black lines between the cells and black where no cell covers the
// control. A QTableView over a small model that reads the core's Tabelle: the core has no change
// notifications, so the window calls aktualisiere() after every event and at every repaint.

#include "tabelle.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QTableView>

#include <array>

namespace quentor {

class Tabellenmodell : public QAbstractTableModel {
    Q_OBJECT

  public:
    // Shows `tabelle`, which must outlive the model (both belong to Form1).
    explicit Tabellenmodell(const Tabelle& tabelle, QObject* eltern = nullptr);

    int rowCount(const QModelIndex& oben = {}) const override;
    int columnCount(const QModelIndex& oben = {}) const override;
    // Display and accessible text, background, alignment; the state of a coloured cell as its
    // accessible description ("gekommen", "aktuell"), since the colour alone carries it.
    QVariant data(const QModelIndex& index, int rolle) const override;
    // Enabled, never selectable nor editable.
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Every cell may have changed.
    void aktualisiere();
    const Tabelle& tabelle() const { return tabelle_; }

  private:
    const Tabelle& tabelle_;
};

// Pixel heights of the grid's rows. The columns (3 x 800 twips = 2400) are wider together than the
// control (2385 twips = 159 px): each is 53 px, so the three fill the control exactly and none is
// cut off. Each row edge lies on the pixel nearest to its place in twips: rows of 488 twips
// (32.53 px) become 32 or 33 px, 423 px for all 13, and the 7 px below them stay black.
std::array<int, zeilenanzahl> zeilenhoehenPixel(const Tabelle& tabelle);

class Tabellenansicht : public QTableView {
    Q_OBJECT

  public:
    explicit Tabellenansicht(QWidget* eltern = nullptr);
    // Column widths and row heights from the table model's geometry.
    void uebernimmMasse(const Tabelle& tabelle);
};

} // namespace quentor
