#pragma once

#include <QValidator>

#include <optional>

namespace viskora {

// The value rule of every number box and table cell: the text must begin
// with a number, which is all the number reader takes from it. A comma goes
// in as a decimal point (the reader takes only the point, so "1,5" would be
// read as 1) and blanks never get in. An empty box is allowed while typing.
// A text set from code is not checked.
//
// A validator for a table cell lets a whole block of values through (text
// holding a tab or a line break), so that the table can spread it over its
// cells when the edit ends. Where an empty value means something (a light
// end not given), an empty text is a finished value, which Enter takes.
class NumberValidator : public QValidator {
    Q_OBJECT

  public:
    enum class Blocks { Refused, Allowed };
    enum class Empty { WhileTyping, Allowed };

    explicit NumberValidator(QObject* parent = nullptr, Blocks blocks = Blocks::Refused,
                             Empty empty = Empty::WhileTyping);

    State validate(QString& input, int& position) const override;

    // A value as such a box takes it: blanks dropped, commas made points;
    // nothing when it does not begin with a number.
    static std::optional<QString> cellNumber(const QString& value);
    // Whether a text holds more than one value of a spreadsheet block.
    static bool isBlock(const QString& text);

  private:
    Blocks blocks_;
    Empty empty_;
};

} // namespace viskora
