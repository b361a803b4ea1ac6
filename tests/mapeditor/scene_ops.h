#pragma once

#include <vector>

#include "core/mapeditor/model/Scene.h"

namespace zarvex1::testing {

// The drawing steps of one kind, in order.
template <typename Op> std::vector<Op> OpsOf(const Scene &scene) {
    std::vector<Op> found;
    for (const DrawOp &op : scene.Ops())
        if (const auto *o = std::get_if<Op>(&op))
            found.push_back(*o);
    return found;
}

} // namespace zarvex1::testing
