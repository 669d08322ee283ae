#pragma once

#include "documents/document_records.h"
#include "documents/light_end_texts.h"
#include "engine/calculation.h"
#include "forms/distillation_curve_dialog.h"
#include "forms/message_box_messages.h"
#include "forms/table_fraction_rows.h"
#include "grid/fraction_table_model.h"
#include "grid/light_end_table_model.h"
#include "units/number_text.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

namespace viskora {

class BusyCursor;
class FractionTableView;
class LightEndTableView;

// What both calculation forms share: the controls laid out by the form's
// Designer file, the fraction table with its count box, Apply button and
// switch, the light-end table with the vapour pressure's method that
// enables it, the Enter and Escape filter, and the engine's messages as
// message boxes. Each form owns its record; this class reaches the record's
// fraction fields through the virtual accessors.
class OilFormView : public QWidget {
    Q_OBJECT

  public:
    // Run once when the form is first shown, after a file (if any) has been
    // read into the record.
    virtual void initialUpdate() = 0;

    // Controls to record. Stops at an empty or non-integer count box with
    // "Enter an integer." and returns false; what was read before it is kept.
    virtual bool exchangeToRecord() = 0;
    // Record to controls.
    virtual void exchangeToControls() = 0;

    // The Calculate button.
    virtual void calculate() = 0;
    // The Apply button: brings the count into 1 to 100 and gives the grid
    // that many rows.
    void apply();
    // A click on "Use fractional composition".
    void switchFractions();
    // "From Curve...": the rows a distillation curve gives replace the
    // table, and the table is switched on.
    void fillFromCurve();

    // The live fraction table, for saving and reports.
    const FractionRows& fractionRows() const { return fractionRows_; }
    const FractionTableModel& fractionTable() const { return fractionTable_; }
    FractionTableModel& fractionTable() { return fractionTable_; }
    FractionTableView& tableView() const { return *table_; }
    // The light ends as the form shows them; the record takes them at every
    // exchange.
    LightEndTableModel& lightEndTable() { return lightEndTable_; }

    // A control by its object name.
    QWidget* control(const QString& name) const { return get<QWidget>(name); }

  signals:
    // A calculation completed and changed the results.
    void calculationCompleted();
    // The document now differs from its file: the user changed an input, a
    // unit box, the fraction count, a cell of either table or the switch, or
    // a calculation completed. Filling the form from a record never emits it.
    void documentModified();

  protected:
    // `setUpUi` lays out the form's controls on it (a Designer form's setupUi).
    using SetUpUi = void (*)(QWidget* form);
    OilFormView(SetUpUi setUpUi, QWidget* parent);

    template <typename T> T* get(const QString& name) const { return findChild<T*>(name); }

    virtual int& fractionCountField() = 0;

    // The methods of the results on the form: the record's when the form is
    // first shown, then those of each completed calculation.
    void keepResultsMethods(ViscosityMethod viscosity, VapourPressureMethod vapourPressure) {
        resultsMethods_ = {viscosity, vapourPressure};
    }
    // Results on the form belong to the methods they were calculated with:
    // once either choice differs, they are cleared until the next Calculate,
    // so that no figure, note, report or saved file pairs one method's
    // numbers with another's name.
    void dropResultsOfOtherMethods();
    virtual void clearResults() = 0;
    virtual int useFractionsField() const = 0;

    // Pieces of the exchange shared by both forms.
    int readFractionSwitch() const;
    bool readFractionCount(int& count);
    void showFractionSwitch(int& useFractions);
    void showFractionCount(int count);
    void showFractionLabels();
    ViscosityMethod readViscosityChoice() const;
    void showViscosityChoice(ViscosityMethod method);
    VapourPressureMethod readVapourPressureChoice() const;
    // Selects the method; the light-end table is enabled only by narrow
    // cuts, the one method that takes the light ends (their texts stay).
    void showVapourPressureChoice(VapourPressureMethod method);
    // Ends an edit still open in the light-end table and reads its texts.
    void readLightEnds(LightEndTexts& texts);
    void showLightEnds(const LightEndTexts& texts);

    // The note "by narrow cuts" beside the (liquid) viscosity result, shown
    // while the results on the form were found by narrow cuts: those of the
    // record when the form is first shown, then those of each completed
    // calculation. Choosing another method leaves it until the next one.
    void showViscosityNote(ViscosityMethod resultsMethod);

    // Steps of the initial update.
    void setUpTable(int fractionCount, const FractionTable& array);
    void setFractionSwitchText();
    void enableFractionControls(bool enabled);

    // The table rows into the oil's inputs (the Calculate command).
    void fillFractionInputs(OilInputs& oil, int useFractions, int fractionCount) const;

    // The inputs both forms give the engine alike at Calculate: the fraction
    // rows when the table is in use, the density with its unit, the
    // temperature it was measured at with the unit of every temperature, the
    // ways the viscosity and the vapour pressure are found and the light ends.
    template <typename Record> void fillOilInputs(OilInputs& oil, const Record& record) const {
        fillFractionInputs(oil, record.useFractions, record.fractionCount);
        oil.viscosityMethod = record.viscosityMethod;
        oil.vapourPressureMethod = record.vapourPressureMethod;
        oil.lightEnds = lightEndsOfTexts(record.lightEnds);
        oil.density = textToNumber(record.densityText);
        oil.densityUnit = record.densityUnitIndex;
        oil.densityTemp = textToNumber(record.densityTempText);
        oil.tempUnit = record.tempUnitIndex;
    }

    // Runs a calculation as the user meets it: the warning or question it
    // stops at is put to the user, and Yes calculates again with that text
    // accepted, so the questions come in the engine's order; an input error
    // or failure is shown, and any exception becomes "Error!". True when the
    // calculation completed; `outcome` holds the last run.
    template <typename Outcome, typename Calculate>
    bool runAsking(BusyCursor& busy, Outcome& outcome, Calculate calculate) {
        AcceptedWarnings accepted;
        do {
            try {
                outcome = calculate(accepted);
            } catch (...) {
                showCalculationError(busy);
                return false;
            }
        } while (outcome.status != CalcOutcome::Completed && askToGoOn(outcome.messages, accepted));
        return outcome.status == CalcOutcome::Completed;
    }
    // Shows what stopped a calculation; true when it was a warning or
    // question the user answered Yes, now in `accepted`.
    bool askToGoOn(const std::vector<CalcMessage>& met, AcceptedWarnings& accepted);
    void showCalculationError(BusyCursor& busy);

    // The end of a completed Calculate: the record shown again, the cursor
    // back, the document marked modified.
    void showCompletedCalculation(BusyCursor& busy);

    // Within one command the count box's complaint is shown once: the
    // command's later exchanges stop at the same box without a new message.
    class QuietCountBox {
      public:
        explicit QuietCountBox(OilFormView& form) : form_(form) { form_.quietCountBox_ = true; }
        ~QuietCountBox() { form_.quietCountBox_ = false; }
        QuietCountBox(const QuietCountBox&) = delete;
        QuietCountBox& operator=(const QuietCountBox&) = delete;

      private:
        OilFormView& form_;
    };

    FractionTableView* table_;
    FractionTableModel fractionTable_;
    LightEndTableView* lightEndsView_ = nullptr;
    LightEndTableModel lightEndTable_;
    MessageBoxMessages messages_;
    std::pair<ViscosityMethod, VapourPressureMethod> resultsMethods_{
        ViscosityMethod::WholeOil, VapourPressureMethod::AverageBoilingPoint};

  private:
    // Connects every way the user changes an input to documentModified.
    void watchUserChanges();
    // The vapour pressure's method box with its label, and the light-end
    // table it enables.
    void setUpVapourPressureChoice();
    void enableLightEnds(VapourPressureMethod method);

    bool quietCountBox_ = false;
    TableFractionRows fractionRows_;
    // The curve last given in "From Curve..." on this form, which the dialog
    // opens with again while the form is open.
    std::optional<CurveDialog::Entries> lastCurve_;
};

} // namespace viskora
