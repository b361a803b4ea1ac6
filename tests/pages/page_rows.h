#pragma once

#include "core/pages/PageModel.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

namespace zarvex1::test {

// A binding row as the page's table in the manual of the unit states it.
struct ExpectedRow {
    const char *name;
    ControlKind kind;
    int position;
    int scale = 1;
    int offset = 0;
    int minimum = 0;
    int maximum = 0; // radio groups and combo boxes: the last item
    int step = 1;
    int bit = 0; // bit checks
};

inline int Raw(const Binding &b, const ParameterImage &image) {
    return b.kind == ControlKind::WordUpDown ? image.word(b.position) : image.byte(b.position);
}

inline void SetRaw(const Binding &b, ParameterImage &image, int raw) {
    if (b.kind == ControlKind::WordUpDown)
        image.setWord(b.position, static_cast<unsigned>(raw));
    else
        image.setByte(b.position, static_cast<unsigned>(raw));
}

// Every row of the page is there, in load order, with its position, scale, offset and range; and each
// shows and takes its values through them: the ends of an up-down's range show and store exactly, a
// value beyond the range is clamped, a check box and a radio group show and store their byte.
inline void CheckRows(const PageModel &page, const ParameterImage &base,
                      std::span<const ExpectedRow> expected) {
    const std::vector<Binding> rows = page.Bindings(base);
    ASSERT_EQ(rows.size(), expected.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Binding &b = rows[i];
        const ExpectedRow &e = expected[i];
        SCOPED_TRACE(e.name);
        EXPECT_EQ(b.name, e.name);
        EXPECT_EQ(b.kind, e.kind);
        EXPECT_EQ(b.position, e.position);
        EXPECT_EQ(b.maximum, e.maximum);
        ParameterImage image = base;
        if (b.isUpDown()) {
            EXPECT_EQ(b.scale, e.scale);
            EXPECT_EQ(b.offset, e.offset);
            EXPECT_EQ(b.minimum, e.minimum);
            EXPECT_EQ(b.step, e.step);
            for (const int shown : {e.minimum, e.maximum}) {
                SetRaw(b, image, shown / e.scale - e.offset);
                EXPECT_EQ(ShowValue(b, image), shown);
                SetRaw(b, image, 0);
                TakeValue(b, shown, image);
                EXPECT_EQ(Raw(b, image),
                          (shown / e.scale - e.offset) & (b.kind == ControlKind::WordUpDown ? 0xFFFF : 0xFF));
            }
            TakeValue(b, e.maximum + e.step, image);
            EXPECT_EQ(ShowValue(b, image), e.maximum);
            TakeValue(b, e.minimum - e.step, image);
            EXPECT_EQ(ShowValue(b, image), e.minimum);
        } else if (b.kind == ControlKind::BitCheck) {
            // A cell sets and clears its own bit and leaves the others of its row.
            EXPECT_EQ(b.bit, e.bit);
            image.setByte(b.position, 0);
            TakeValue(b, 1, image);
            EXPECT_EQ(image.byte(b.position), 1 << e.bit);
            EXPECT_EQ(ShowValue(b, image), 1);
            image.setByte(b.position, 0xFF);
            TakeValue(b, 0, image);
            EXPECT_EQ(image.byte(b.position), 0xFF & ~(1 << e.bit));
            EXPECT_EQ(ShowValue(b, image), 0);
        } else if (b.kind == ControlKind::Check) {
            image.setByte(b.position, 5);
            EXPECT_EQ(ShowValue(b, image), 1);
            TakeValue(b, 0, image);
            EXPECT_EQ(image.byte(b.position), 0);
            EXPECT_EQ(ShowValue(b, image), 0);
        } else {
            for (int item : {0, e.maximum}) {
                TakeValue(b, item, image);
                EXPECT_EQ(ShowValue(b, image), item);
            }
        }
    }
}

// What a scenario expects of a control: visible or enabled.
struct Expect {
    const char *name;
    enum What { Visible, Enabled };
    What what;
    bool on;
};

inline void CheckStates(const PageStates &states, std::span<const Expect> expected) {
    for (const Expect &e : expected) {
        SCOPED_TRACE(e.name);
        const ControlState s = states.Of(e.name);
        const std::optional<bool> value = e.what == Expect::Visible ? s.visible : s.enabled;
        ASSERT_TRUE(value.has_value()) << "no rule";
        EXPECT_EQ(*value, e.on) << (e.what == Expect::Visible ? "visible" : "enabled");
    }
}

} // namespace zarvex1::test
