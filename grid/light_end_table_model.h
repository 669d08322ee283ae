#pragma once

#include "engine/light_ends.h"

#include <QAbstractTableModel>
#include <QString>

#include <array>

namespace viskora {

// The light ends of an oil as a form's table holds them: one row per
// component in the engine's order (lightest first), named in the vertical
// header, and one column, the component's share of the whole oil's mass in
// per cent as the user typed it. An empty cell is a component not given; a
// cell holds a text that begins with a number or nothing, never a blank.
//
// A block copied from a spreadsheet goes down the column from a row on, the
// first value of each of its lines a cell: a number goes in as a number box
// takes it, an empty value empties its cell, any other text leaves the cell
// as it was, and lines beyond the last component are dropped.
class LightEndTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    static constexpr int kRows = kLightEndCount;

    explicit LightEndTableModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // The user's edit: a block is spread from the row, a single value goes
    // in as above. A change is reported by shareEdited.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // The share of the component in `row`; "" outside the table.
    QString text(int row) const;
    // A text from the program: not reported as the user's edit; outside the
    // table ignored.
    void setText(int row, const QString& text);
    void pasteBlock(int row, const QString& block);

  signals:
    // The user changed the share of the component in `row`.
    void shareEdited(int row);

  private:
    static bool contains(int row) { return row >= 0 && row < kRows; }
    void putUserText(int row, const QString& text);

    std::array<QString, kRows> shares_;
};

} // namespace viskora
