#pragma once

#include <QWidget>

class QLineEdit;

namespace viskora {

// The up and down arrows of a count box: attached to a buddy text box, they
// read the buddy's integer, step it within their range and write the result
// back as a decimal integer. The Up and Down keys in the buddy step them too.
// The arrows never take the focus.
class SpinArrows : public QWidget {
    Q_OBJECT

  public:
    explicit SpinArrows(QWidget* parent = nullptr);

    void setBuddy(QLineEdit* buddy);
    QLineEdit* buddy() const { return buddy_; }
    void setRange(int lower, int upper);
    int lower() const { return lower_; }
    int upper() const { return upper_; }

    // Moves the buddy's value by `steps`, kept within the range.
    void stepBy(int steps);

  signals:
    // A step changed the buddy's text.
    void stepped();

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;

  private:
    QLineEdit* buddy_ = nullptr;
    int lower_ = 0;
    int upper_ = 100;
    int position_ = 0; // the last value written, used while the buddy holds no integer
};

} // namespace viskora
