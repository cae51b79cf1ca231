#include "tabellenzugang.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QTableView>

#include <vector>

namespace quentor {

namespace {

// One cell of the grid, as the table's child. It owns nothing and asks the view each time.
class Zellenzugang : public QAccessibleInterface, public QAccessibleTableCellInterface {
  public:
    Zellenzugang(QTableView* ansicht, int zeile, int spalte)
        : ansicht_(ansicht), zeile_(zeile), spalte_(spalte) {}

    bool isValid() const override { return ansicht_ && ansicht_->model(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return ansicht_->window()->windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(ansicht_);
    }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*kind*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QString text(QAccessible::Text art) const override {
        return art == QAccessible::Name ? index().data(Qt::AccessibleTextRole).toString()
                                        : QString();
    }
    void setText(QAccessible::Text /*art*/, const QString& /*text*/) override {}
    QRect rect() const override {
        const QRect zelle = ansicht_->visualRect(index());
        return {ansicht_->viewport()->mapToGlobal(zelle.topLeft()), zelle.size()};
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State zustand;
        zustand.readOnly = true;
        zustand.focusable = (index().flags() & Qt::ItemIsEnabled) != 0;
        zustand.focused =
            zustand.focusable && ansicht_->hasFocus() && ansicht_->currentIndex() == index();
        return zustand;
    }
    void* interface_cast(QAccessible::InterfaceType art) override {
        return art == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return spalte_; }
    int rowIndex() const override { return zeile_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

  private:
    QModelIndex index() const { return ansicht_->model()->index(zeile_, spalte_); }

    QPointer<QTableView> ansicht_;
    int zeile_;
    int spalte_;
};

// The grid with its cells as its only children; nothing can be selected. Its role is a list
// with the table's rows and columns: Orca reads a whole row of a table at every move up or
// down, and the player is to hear the one number under the cursor.
class Tabellenzugang : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit Tabellenzugang(QTableView* ansicht) : QAccessibleWidget(ansicht, QAccessible::List) {}
    ~Tabellenzugang() override {
        for (const QAccessible::Id id : zellen_) {
            if (id != 0) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
    }
    Tabellenzugang(const Tabellenzugang&) = delete;
    Tabellenzugang& operator=(const Tabellenzugang&) = delete;

    int childCount() const override { return rowCount() * columnCount(); }
    QAccessibleInterface* child(int index) const override {
        const int spalten = columnCount();
        return index >= 0 && index < childCount() ? cellAt(index / spalten, index % spalten)
                                                  : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* kind) const override {
        const QAccessibleTableCellInterface* zelle =
            kind != nullptr ? const_cast<QAccessibleInterface*>(kind)->tableCellInterface()
                            : nullptr;
        return zelle != nullptr && kind->parent() == this
                   ? zelle->rowIndex() * columnCount() + zelle->columnIndex()
                   : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QModelIndex index =
            ansicht()->indexAt(ansicht()->viewport()->mapFromGlobal(QPoint(x, y)));
        return index.isValid() ? cellAt(index.row(), index.column()) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        const QModelIndex index = ansicht()->currentIndex();
        return ansicht()->hasFocus() && index.isValid() ? cellAt(index.row(), index.column())
                                                        : nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType art) override {
        return art == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(art);
    }

    QAccessibleInterface* cellAt(int zeile, int spalte) const override;
    int rowCount() const override { return modell() != nullptr ? modell()->rowCount() : 0; }
    int columnCount() const override { return modell() != nullptr ? modell()->columnCount() : 0; }
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QString columnDescription(int /*spalte*/) const override { return {}; }
    QString rowDescription(int /*zeile*/) const override { return {}; }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int /*spalte*/) const override { return false; }
    bool isRowSelected(int /*zeile*/) const override { return false; }
    bool selectRow(int /*zeile*/) override { return false; }
    bool selectColumn(int /*spalte*/) override { return false; }
    bool unselectRow(int /*zeile*/) override { return false; }
    bool unselectColumn(int /*spalte*/) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* /*ereignis*/) override {}

  private:
    QTableView* ansicht() const { return static_cast<QTableView*>(widget()); }
    QAbstractItemModel* modell() const { return ansicht()->model(); }

    // The cells' interfaces, made when first asked for and registered with Qt, which keeps
    // them by these ids until the table's interface goes.
    mutable std::vector<QAccessible::Id> zellen_;
};

QAccessibleInterface* Tabellenzugang::cellAt(int zeile, int spalte) const {
    if (zeile < 0 || zeile >= rowCount() || spalte < 0 || spalte >= columnCount()) {
        return nullptr;
    }
    zellen_.resize(static_cast<std::size_t>(childCount()), 0);
    const int kind = zeile * columnCount() + spalte;
    QAccessible::Id& id = zellen_[static_cast<std::size_t>(kind)];
    if (id == 0) {
        id = QAccessible::registerAccessibleInterface(new Zellenzugang(ansicht(), zeile, spalte));
    }
    return QAccessible::accessibleInterface(id);
}

} // namespace

QAccessibleInterface* tabellenzugang(QTableView* ansicht) {
    return new Tabellenzugang(ansicht);
}

} // namespace quentor
