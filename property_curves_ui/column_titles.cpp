#include "property_curves_ui/column_titles.h"

#include "documents/record_fields.h"
#include "forms/method_box.h"
#include "reports/report_texts.h"

namespace viskora {
namespace {

namespace t = report_texts;

QString utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A form's label as a title: without the colon that leads to its box, and
// without the unit a share's label names (the heading gives it), with the
// doubled percent sign of the stored texts single.
QString labelTitle(std::string_view label) {
    QString title = utf8(label).replace(QStringLiteral("%%"), QStringLiteral("%")).trimmed();
    if (title.endsWith(QLatin1Char(':'))) {
        title.chop(1);
    }
    title = title.trimmed();
    if (title.endsWith(QStringLiteral(", %"))) {
        title.chop(3);
    }
    return title;
}

QString phaseName(FieldGroup group) {
    return utf8(group == FieldGroup::GasPhase ? t::kGasPhase : t::kLiquidPhase);
}

// The additional form's field of a result, by the calculator's name.
const AdditionalField* resultField(std::string_view resultName) {
    for (const AdditionalField& field : recordFields(AdditionalResults{})) {
        if (field.resultName == resultName) {
            return &field;
        }
    }
    return nullptr;
}

} // namespace

ColumnTitle columnTitle(const SweepColumn& column) {
    const std::string_view name = column.name;
    const QString viscosity = labelTitle(t::kViscosity);
    const QString liquid = phaseName(FieldGroup::LiquidPhase);
    if (name == "temperature") {
        return {{}, labelTitle(t::kDesignTemperature)};
    }
    if (name == "pressure") {
        return {{}, labelTitle(t::kDesignPressure)};
    }
    if (name == "vapourPressure") {
        return {{}, labelTitle(t::kVapourPressure)};
    }
    if (name == "trueVapourPressure") {
        return {{}, QStringLiteral("True vapour pressure, by narrow cuts")};
    }
    // The liquid's viscosity by each method, and on the line through the
    // measured values.
    if (name == "liquidViscosity") {
        return {liquid, viscosity + QLatin1Char(' ') + methodText(ViscosityMethod::WholeOil)};
    }
    if (name == "liquidViscosityByCuts") {
        return {liquid, viscosity + QLatin1Char(' ') + methodText(ViscosityMethod::NarrowCuts)};
    }
    if (name == "anchoredLiquidViscosity") {
        return {liquid, viscosity + QStringLiteral(" anchored to measured values")};
    }
    if (const AdditionalField* field = resultField(name)) {
        return {phaseName(field->group), labelTitle(field->label)};
    }
    return {{}, utf8(name)};
}

QString oneLineTitle(const ColumnTitle& title) {
    return title.phase.isEmpty() ? title.property
                                 : title.phase + QStringLiteral(": ") + title.property;
}

} // namespace viskora
