#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>

#include <array>

namespace viskora {

// The fraction table of a form: one row per fraction, its boiling start,
// boiling end and share as the texts the user typed. The rows are numbered
// in the vertical header. Cells outside the table read as "" and ignore
// writes. A cell never holds a tab, a line break or a space.
//
// A block copied from a spreadsheet (values split by tabs, rows by line
// breaks) is pasted from a cell on, one value a cell, going right and down;
// each value goes in as a number box takes it or leaves its cell as it was,
// and values beyond the last column or the last row are dropped, since the
// form decides how many rows the table has.
class FractionTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    static constexpr int kColumns = 3; // start, end, share

    explicit FractionTableModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // The user's edit: a block is spread from the cell, a single value goes
    // in without blanks. A change is reported by cellEdited.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    QString text(int row, int column) const;
    // A text from the program: not reported as the user's edit.
    void setText(int row, int column, const QString& text);
    // Keeps the first `count` rows; new rows hold "0" in every cell.
    void setRows(int count);
    void pasteBlock(int row, int column, const QString& block);

  signals:
    // The user changed the text of a cell.
    void cellEdited(int row, int column);

  private:
    bool contains(int row, int column) const;
    void putUserText(int row, int column, const QString& text);

    QList<std::array<QString, kColumns>> rows_;
};

} // namespace viskora
