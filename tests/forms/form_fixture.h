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

// A form after its initial update, reached by control identifier.
template <typename View> struct FormFixture {
    std::unique_ptr<View> view = std::make_unique<View>();

    FormFixture() { view->initialUpdate(); }

    template <typename T> T* get(int id) const {
        auto* widget = qobject_cast<T*>(view->control(id));
        if (widget == nullptr) {
            throw std::logic_error("no such control: " + std::to_string(id));
        }
        return widget;
    }
    QString text(int id) const { return get<QLineEdit>(id)->text(); }
    void setText(int id, const QString& text) const { get<QLineEdit>(id)->setText(text); }
    QString unit(int id) const { return get<QComboBox>(id)->currentText(); }
    // Picks an entry of a unit box as the user does.
    void pick(int id, int index) const {
        auto* box = get<QComboBox>(id);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    void click(int id) const { get<QAbstractButton>(id)->click(); }
    GridControl& grid() const { return *view->template findChild<GridControl*>(); }
    QString cell(int row, int column) const { return grid().cellText(row, column); }
};

} // namespace viskora::testing
