#pragma once

#include "core/link/LiveRecord.h"
#include "core/pages/PageMachine.h"
#include "core/pages/PageModel.h"

#include <QWidget>

#include <map>
#include <string>
#include <string_view>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;

namespace zarvex1 {

class TRadioGroup;
class TUpDownEdit;

// Puts page states onto the controls of a widget tree by name. A state of UpDownX goes to the up-down
// part of the edit EditX; everything else to the widget of that name.
void ApplyStates(QWidget *root, const PageStates &states);

// A page of the main window bound to the image through its PageModel. The base creates the bound
// controls of the model's rows (an up-down row gives one TUpDownEdit named EditX), wires their changes to
// the page machinery, and copies values, states and captions both ways. A page class only lays the
// controls out, adds its labels and group boxes, and handles the rows the model marks as its own.
//
// Controls are created when the page first asks for them, so that the focus moves through them in the
// order the page lays them out; Finish() creates whatever the page did not place and hides the
// controls that are hidden at start.
class TBoundPage : public QWidget {
    Q_OBJECT
public:
    TBoundPage(const PageModel &model, PageMachine &machine, QWidget *parent = nullptr);

    const PageModel &model() const { return model_; }

    // Image to controls under the load guard: the range and value of every row, then the states.
    virtual void Load(const ParameterImage &image, bool printing);
    // Controls to image, then the page's own store rules; nothing while a load runs.
    virtual void Store(ParameterImage &image);
    // The states alone.
    void UpdateStates(const ParameterImage &image, bool printing);
    // Captions, hints, list items, and the accessible names that follow them.
    virtual void ApplyLanguage(int languageIndex);
    // One row shown from the image (a handler that changed only its parameter).
    void ShowRow(std::string_view name, const ParameterImage &image);
    // Every timer tick while the page is the active one, after the link's steps: the colours that follow
    // the running engine (the current gear, the base advance). Nothing by default.
    virtual void RefreshLiveColours(const LiveRecord * /*latest*/, const ParameterImage & /*image*/) {}

    // The bound controls by the names of their rows (UpDownX gives the edit EditX).
    TUpDownEdit *UpDown(std::string_view name);
    QCheckBox *Check(std::string_view name);
    QComboBox *Combo(std::string_view name);
    TRadioGroup *Radio(std::string_view name);

protected:
    // A radio group's items laid out in this many columns (before it is first asked for).
    void SetColumns(std::string_view radioName, int columns) { columns_[std::string(radioName)] = columns; }
    // A label or group box on the page, or in `parent` (a group box whose controls stand by pixels).
    QLabel *NewLabel(const char *name, QWidget *buddy = nullptr, QWidget *parent = nullptr);
    QGroupBox *NewGroupBox(const char *name, QWidget *parent = nullptr);
    // A bound control moved into a group box whose controls stand by pixels (ApplyPlaces puts them).
    template <class Control> Control *In(Control *control, QWidget *parent) {
        Adopt(control, parent);
        return control;
    }
    // A label and its up-down edit in one row of a grid: LabelX at column `column`, EditX after it.
    void AddEditRow(QGridLayout *grid, int row, std::string_view upDownName, int column = 0);
    void Finish();
    PageMachine &machine() { return machine_; }

private:
    static void Adopt(QWidget *control, QWidget *parent);
    QWidget *Bound(std::string_view name);
    QWidget *Create(const Binding &row);
    void Show(const ShownRow &row);
    int ValueOf(const Binding &row, QWidget *control) const;

    const PageModel &model_;
    PageMachine &machine_;
    std::map<std::string, QWidget *, std::less<>> controls_;
    std::map<std::string, int, std::less<>> columns_;
};

} // namespace zarvex1
