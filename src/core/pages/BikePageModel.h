#pragma once

#include "core/pages/PageMachine.h"
#include "core/pages/PageModel.h"
#include "core/session/ParameterSession.h"

namespace zarvex1 {

// The Bike page (page 0): motorbike type, pick-ups and synchronisation, tachometer output.
class BikePageModel : public PageModel {
public:
    int index() const override { return Page::Bike; }
    std::vector<Binding> Bindings(const ParameterImage &image) const override;
    PageStates States(const ParameterImage &image, bool printing) const override;
    std::span<const std::string_view> HiddenAtStart() const override;
    void AfterStore(const ParameterImage &before, ParameterImage &image) const override;
    CaptionTable Captions() const override;

    // ComboBoxBike's item i stands for motorbike type BikeCodeOfItem(i) in B230.
    static int BikeCodeOfItem(int item);
    static constexpr int SpecialItem = 6;
    // The synchronisation method that offers no automatic polarity for pick-up 1.
    static constexpr int NoAutoPolarityMethod = 9;
};

// The motorbike type or the synchronisation method was chosen (ComboBoxBike or ComboBoxSynchro): any
// type but "Special setting" asks for the defaults, then the type's preset and an immediate commit.
void ComboBoxBikeChange(ParameterSession &session, PageMachine &machine, int bikeItem, int synchroItem);

} // namespace zarvex1
