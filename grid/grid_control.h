#pragma once

#include <QFont>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

class QTableWidget;
class QTableWidgetItem;

namespace viskora {

class CellDelegate;

// The editable table of the forms: a thin wrapper over QTableWidget that
// offers only what the fraction table needs. There is no header row; the
// first `fixedColumnCount` columns look like a header column and cannot be
// edited. Every cell is drawn on one line, vertically centred, with an
// ellipsis at its end when the text does not fit (the whole text is then
// shown as a tool tip). Cells outside the table read as "" and ignore writes.
// A block copied from a spreadsheet (values split by tabs, rows by line
// breaks) is pasted from the current cell on, one value a cell, going right
// and down; values beyond the last column or the last row are dropped, since
// the owner of the grid decides how many rows it has. A cell never holds a
// tab, a line break or a space.
class GridControl : public QWidget {
    Q_OBJECT

  public:
    // Makes the in-place editor of a cell; the grid owns what it returns.
    using EditorFactory = std::function<QWidget*(QWidget* parent)>;
    // The text a pasted value puts into a cell; nothing when the value may
    // not go into one, which then keeps its text.
    using PasteRule = std::function<std::optional<QString>(const QString& value)>;

    explicit GridControl(QWidget* parent = nullptr);

    void setColumnCount(int count);
    int columnCount() const;
    void setRowCount(int count);
    int rowCount() const;
    void setFixedColumnCount(int count);

    void setColumnWidth(int column, int pixels);
    void setRowHeight(int row, int pixels);

    QString cellText(int row, int column) const;
    void setCellText(int row, int column, const QString& text);

    // Horizontal alignment of a cell; the text is always vertically centred.
    void setCellAlignment(int row, int column, Qt::Alignment horizontal);

    // Appends a row whose column-0 cell holds `column0Text`; returns its index.
    int appendRow(const QString& column0Text);
    void deleteRow(int row);

    void setDragAndDropEnabled(bool enabled);
    void setCellsEditable(bool editable);
    // When the grid does not take Tab, Tab and Shift+Tab leave it for the
    // next or previous control, also while a cell is being edited.
    void setTakesTab(bool takes);
    bool takesTab() const { return takesTab_; }
    void setCellSelectionEnabled(bool enabled);
    void setCellFont(const QFont& font);
    void setCellEditorFactory(EditorFactory factory);
    void setPasteRule(PasteRule rule);

    // Pastes `text` from the current cell on (the first editable cell when
    // there is none current); see the class comment.
    void pasteBlock(const QString& text);
    // Whether a pasted text holds more than one value.
    static bool isBlock(const QString& text);

    void repaintCells();

    // Ends an edit still open in a cell, keeping its text, so that readers
    // of the grid (Calculate, saving, the reports) see what was typed.
    void finishEditing();

  signals:
    // The user changed the text of a cell through its editor.
    void cellEdited(int row, int column);

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;

  private:
    void pasteBlockAt(int row, int column, const QString& text);
    // The text of a cell's editor into its cell: a block is pasted from it.
    void commitCellText(int row, int column, const QString& text);
    // A committed or pasted text into a cell, reported as the user's edit
    // when it changes the cell.
    void putUserText(int row, int column, const QString& text);
    QTableWidgetItem* itemAt(int row, int column) const;
    Qt::ItemFlags flagsFor(int column) const;
    // Every cell has an item, so that the flags of the fixed columns hold
    // for every cell (an empty cell of a QTableWidget is editable).
    void fillRow(int row);
    void refreshFlags();
    void leaveByTab(bool forward);
    // Makes the editable cell `rows` down and `columns` right of the current
    // one current; a step out of the editable cells is not taken.
    void stepCurrentCell(int rows, int columns);

    QTableWidget* table_;
    CellDelegate* delegate_;
    EditorFactory editorFactory_;
    PasteRule pasteRule_;
    int fixedColumns_ = 0;
    bool editable_ = true;
    bool selectable_ = true;
    bool takesTab_ = true;

    friend class CellDelegate;
};

} // namespace viskora
