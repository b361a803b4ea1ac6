#pragma once

#include "core/params/ParameterImage.h"

#include <array>

namespace zarvex1 {

// Page indices of the main window, in tab order.
namespace Page {
enum : int { All = -1, Bike = 0, Inputs, Advance, Servo, PowerOut, Gear, Race, Test, Monitor, Count };
}

// Which file sections a reading pass stores: section 0 Bike, 1 Inputs, 2 and 3 Advance, 4 Power out,
// 5 Servo, 6 Gear, 7 Race, 8 Test, 9 Monitor.
struct LoadSelection {
    std::array<bool, 10> sections{};
    static LoadSelection ForPage(int page);
    bool operator[](int section) const { return sections[section]; }
    friend bool operator==(const LoadSelection &, const LoadSelection &) = default;
};

// The state the defaults share with the motorbike-type selector and the file reader.
struct DefaultsState {
    LoadSelection loadSelection = LoadSelection::ForPage(Page::All);
    bool bikeChangePending = false; // set by the bike-type selector before it asks for New
};

// Writes a complete, sensible parameter set; page only chooses the load selection.
void SetDefaults(ParameterImage &image, DefaultsState &state, int page);
// The settings that belong to the motorbike type in byte 230.
void ApplyBikeType(ParameterImage &image);
// The parameter set of a first start: the defaults for motorbike type `bike` over an all-zero image, in
// range. The program starts from it (before the image stored at the last close goes over it), and so do
// the command-line tool and the unit simulator.
ParameterImage FirstStartSet(int bike = 0);
// Defaults of power output `output` (0..3) after its mode changed; keep leaves the thresholds alone.
void PowerOutModeDefaults(ParameterImage &image, int output, bool keep);

} // namespace zarvex1
