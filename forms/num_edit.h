#pragma once

#include <QLineEdit>

#include <limits>
#include <optional>

namespace viskora {

// A single-line box whose text always begins with a number. Every typed
// character is tried on the text and undone when the text would no longer
// begin with a number (or the number would leave the range); a space never
// gets in; a paste (Ctrl+V, Shift+Insert, the middle button, the context
// menu) is tried on the pasted text alone. Keys pressed with Control held are
// not tried. Deleting with the Delete key may empty the box, Backspace may
// not. A comma typed or pasted goes in as a decimal point, since the reader
// of the text takes only the point. Any other way text may get in (a menu
// entry, a drop) is undone when the text it makes fails the same test.
class CNumEdit : public QLineEdit {
    Q_OBJECT

  public:
    enum Validity { Valid = 0, OutOfRange = 1, NotANumber = 2 };

    explicit CNumEdit(QWidget* parent = nullptr);

    virtual void getRange(float& maximum, float& minimum) const;
    virtual void setRange(float maximum, float minimum);
    virtual bool verbose() const;
    virtual void setVerbose(bool on);
    // The validity code of `text`; with verbose on, a failure is also shown
    // in a message box.
    virtual int validate(const QString& text);
    virtual int validate();
    // Shows `value` with six decimals, as "%f" does in the C locale.
    virtual void setValue(float value);
    // The number the text begins with when the text is valid, else 0.
    virtual float value();

    // The validity code of `text` against a range, without any message.
    static int validity(const QString& text, float minimum, float maximum);
    // A value pasted into a cell of the fraction table, as such a box takes a
    // number: blanks dropped, commas made points; nothing when it does not
    // begin with a number.
    static std::optional<QString> cellNumber(const QString& value);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    // Lets `edit` change the text, then puts the previous text back when the
    // new one fails the test.
    template <typename Edit> void tryEdit(Edit edit);
    void refuse(const QString& keptText);
    void pasteIfNumber();
    // Inserts a paste already tried, its commas made points.
    void insertPasted(const QString& pasted);

    friend class NumberGuard;

    bool verbose_ = false;
    // Set while a path that tries its own text makes its edit, so that the
    // guard leaves that edit to it.
    bool ownEdit_ = false;
    float minimum_ = std::numeric_limits<float>::lowest();
    float maximum_ = std::numeric_limits<float>::max();
};

} // namespace viskora
