#include "grid/number_validator.h"

#include "units/number_text.h"

namespace viskora {
namespace {

QString normalised(QString text) {
    text.removeIf([](QChar c) { return c.isSpace(); });
    return text.replace(QLatin1Char(','), QLatin1Char('.'));
}

bool beginsWithNumber(const QString& text) {
    return readLeadingNumber(text.toStdString()).has_value();
}

} // namespace

NumberValidator::NumberValidator(QObject* parent, Blocks blocks, Empty empty)
    : QValidator(parent), blocks_(blocks), empty_(empty) {}

QValidator::State NumberValidator::validate(QString& input, int& position) const {
    if (blocks_ == Blocks::Allowed && isBlock(input)) {
        return Acceptable;
    }
    const QString before = input.left(position);
    input = normalised(input);
    position = static_cast<int>(normalised(before).size());
    if (input.isEmpty()) {
        return empty_ == Empty::Allowed ? Acceptable : Intermediate;
    }
    return beginsWithNumber(input) ? Acceptable : Invalid;
}

std::optional<QString> NumberValidator::cellNumber(const QString& value) {
    const QString number = normalised(value);
    return beginsWithNumber(number) ? std::optional(number) : std::nullopt;
}

bool NumberValidator::isBlock(const QString& text) {
    return text.contains(QLatin1Char('\t')) || text.contains(QLatin1Char('\n'));
}

} // namespace viskora
