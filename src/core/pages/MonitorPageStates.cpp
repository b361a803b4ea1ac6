#include "core/pages/MonitorPageStates.h"

namespace zarvex1 {

PageStates MonitorPageStates(const ParameterImage &image) {
    static constexpr std::string_view Rows[] = {"LabelMonPOut1", "LabelMonPOut2", "LabelMonPOut3"};
    PageStates s;
    for (int i = 0; i < 3; ++i)
        s.Enabled(Rows[i], image.byte(Adrb::PowerOutMode + i) != 0);
    return s;
}

} // namespace zarvex1
