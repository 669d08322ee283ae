#pragma once

#include "forms/oil_form_view.h"
#include "grid/fraction_table_view.h"

#include <QSpinBox>

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

#include <memory>
#include <stdexcept>
#include <string>

namespace viskora::testing {

// A form after its initial update, its controls reached by name.
template <typename View> struct FormFixture {
    std::unique_ptr<View> view = std::make_unique<View>();

    FormFixture() { view->initialUpdate(); }

    template <typename T> T* get(const char* name) const {
        auto* widget = qobject_cast<T*>(view->control(QString::fromLatin1(name)));
        if (widget == nullptr) {
            throw std::logic_error(std::string("no such control: ") + name);
        }
        return widget;
    }
    // The text of a value box or of the count box.
    QString text(const char* name) const { return lineEdit(name)->text(); }
    void setText(const char* name, const QString& text) const { lineEdit(name)->setText(text); }
    QLineEdit* lineEdit(const char* name) const {
        auto* spin = qobject_cast<QSpinBox*>(view->control(QString::fromLatin1(name)));
        return spin != nullptr ? spin->template findChild<QLineEdit*>() : get<QLineEdit>(name);
    }
    QString unit(const char* name) const { return get<QComboBox>(name)->currentText(); }
    // Picks an entry of a unit box as the user does.
    void pick(const char* name, int index) const {
        auto* box = get<QComboBox>(name);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    void click(const char* name) const { get<QAbstractButton>(name)->click(); }
    FractionTableModel& table() const { return view->fractionTable(); }
    // A cell as the files and reports read it: column 0 is the row's number.
    QString cell(int row, int column) const {
        return QString::fromStdString(view->fractionRows().cell(row, column));
    }
};

} // namespace viskora::testing
