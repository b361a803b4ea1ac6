#include "core/params/Defaults.h"
#include "core/safety/VerifyFailureText.h"
#include "core/texts/MessageTexts.h"

#include <gtest/gtest.h>

namespace zarvex1 {
namespace {

// The block's number and bytes fill their places in every language; a silent unit is one line.
TEST(VerifyFailureText, namesTheBlockItsBytesAndTheValuesTheUnitHoldsOtherwise) {
    const ParameterImage expected = FirstStartSet();
    ParameterImage unit = expected;
    unit.setByte(Adrb::Retard, expected.byte(Adrb::Retard) + 2); // byte 258, block 2
    const std::string retard = std::to_string(expected.byte(Adrb::Retard));
    const std::string unitRetard = std::to_string(expected.byte(Adrb::Retard) + 2);

    EXPECT_EQ(VerifyFailureText(2, expected, unit, VerifiedSet::SetRead, Language::German),
              "Block 2 (Bytes 150..299): Die Zündung enthält andere Werte als die gelesenen, in den Bereich "
              "gebrachten Daten (gelesen → Zündung):\nEingänge\n  Spätzündung: " +
                  retard + "° → " + unitRetard + "°\n");
    EXPECT_EQ(VerifyFailureText(6, expected, std::nullopt, VerifiedSet::File, Language::Czech),
              "Zapalování neodpovědělo na blok 6 (bajty 750..899).\n");
    EXPECT_EQ(VerifyFailureText(1, expected, std::nullopt, VerifiedSet::File, Language::English),
              "The unit did not answer block 1 (bytes 0..149).\n");
}

} // namespace
} // namespace zarvex1
