#pragma once

#include "forms/oil_form_view.h"
#include "grid/grid_control.h"

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
    QString text(const char* name) const { return get<QLineEdit>(name)->text(); }
    void setText(const char* name, const QString& text) const {
        get<QLineEdit>(name)->setText(text);
    }
    QString unit(const char* name) const { return get<QComboBox>(name)->currentText(); }
    // Picks an entry of a unit box as the user does.
    void pick(const char* name, int index) const {
        auto* box = get<QComboBox>(name);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    void click(const char* name) const { get<QAbstractButton>(name)->click(); }
    GridControl& grid() const { return *view->template findChild<GridControl*>(); }
    QString cell(int row, int column) const { return grid().cellText(row, column); }
};

} // namespace viskora::testing
