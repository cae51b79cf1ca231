#pragma once
// The grid `tabelle`: the session's table model shown as 13 x 3 centred cells with their own
// texts and colours, and lines between the cells in the grid's background colour. A QTableView
// over a small model that reads the core's Tabelle; the window calls aktualisiere() whenever the
// core reports a change of the table. A screen reader reads each cell as the core reads it.

#include "tabelle.h"

#include <QAbstractTableModel>
#include <QString>
#include <QTableView>

#include <array>
#include <cstddef>

namespace quentor {

class Tabellenmodell : public QAbstractTableModel {
    Q_OBJECT

  public:
    // Shows `tabelle`, which must outlive the model (both belong to Form1).
    explicit Tabellenmodell(const Tabelle& tabelle, QObject* eltern = nullptr);

    int rowCount(const QModelIndex& oben = {}) const override;
    int columnCount(const QModelIndex& oben = {}) const override;
    // Display text, background, alignment; as the accessible text the core's reading of the cell
    // (Tabelle::lesung: "17, gekommen").
    QVariant data(const QModelIndex& index, int rolle) const override;
    // Number cells enabled, never selectable nor editable; the two blank cells not enabled.
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Every cell may have changed.
    void aktualisiere();

  private:
    const Tabelle& tabelle_;
};

class Tabellenansicht : public QTableView {
    Q_OBJECT

  public:
    explicit Tabellenansicht(QWidget* eltern = nullptr);
    // Column widths and row heights from the table model's geometry. The columns (3 x 800 twips =
    // 2400) are wider together than the control (2385 twips = 159 px): each is 53 px, so the three
    // fill the control exactly and none is cut off. Each row edge lies on the pixel nearest to its
    // place in twips: rows of 488 twips (32.53 px) become 32 or 33 px, 423 px for all 13, and the
    // 7 px below them show the grid's background.
    void uebernimmMasse(const Tabelle& tabelle);
    // The cursor is drawn once a key moved it, while the grid has the focus; a click hides it.
    bool zeigtCursor() const;

  protected:
    QModelIndex moveCursor(CursorAction aktion, Qt::KeyboardModifiers tasten) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    void focusInEvent(QFocusEvent* ereignis) override;
    void currentChanged(const QModelIndex& neu, const QModelIndex& vorher) override;
    void selectionChanged(const QItemSelection& gewaehlt,
                          const QItemSelection& abgewaehlt) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void dataChanged(const QModelIndex& oben, const QModelIndex& unten,
                     const QList<int>& rollen) override;

  private:
    void meldeWennGeaendert(int kind, const QModelIndex& index);
    void meldeCursor();
    void meldeFokus(const QModelIndex& zelle);

    bool mitTastenBewegt_ = false;
    // What each cell read when a screen reader was last told (tabellenzugang.h).
    std::array<QString, std::size_t{zeilenanzahl} * spaltenanzahl> gemeldet_{};
};

} // namespace quentor
