#include "core/safety/VerifyFailureText.h"

#include "core/safety/SafetyTexts.h"
#include "core/safety/SetComparison.h"

namespace zarvex1 {

std::string VerifyFailureText(int block, const ParameterImage &expected,
                              const std::optional<ParameterImage> &unitSet, VerifiedSet against,
                              int language) {
    const int first = ParameterImage::BlockSize * (block - 1);
    const std::string number = std::to_string(block);
    const std::string from = std::to_string(first);
    const std::string to = std::to_string(first + ParameterImage::BlockSize - 1);
    if (!unitSet)
        return SafetyTextWithAll(SafetyText::VerifyBlockUnanswered, language, {number, from, to}) + "\n";
    const SafetyText heading =
        against == VerifiedSet::File ? SafetyText::VerifyBlockDiffers : SafetyText::ReadBlockDiffers;
    // The whole sets are compared, so that a value reaching over the block's edge is named too.
    return SafetyTextWithAll(heading, language, {number, from, to}) + "\n" +
           ComparisonText(CompareSets(expected, *unitSet), expected, *unitSet, language);
}

} // namespace zarvex1
