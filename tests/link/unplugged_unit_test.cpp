#include "link_fixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace zarvex1::test {
namespace {

TEST_F(LinkTest, unpluggedUnitEndsTheTransferAtOnceAndIsFoundAgainWhenBack) {
    struct Row {
        std::function<void(ParameterSession &)> command;
        const char *error;
    };
    const Row rows[] = {
        {[](ParameterSession &s) { s.Read(); }, "Read error!"},
        {[](ParameterSession &s) { s.Verify(); }, "Verify error!"},
        {[](ParameterSession &s) { s.Program(); }, "Program error!"},
    };
    SimOptions options = TestUnit();
    options.monitorMs = 100;
    for (const Row &row : rows) {
        SCOPED_TRACE(row.error);
        Start(options, LegalImage(3));
        image = LegalImage(3);
        ASSERT_GT(stepper->StepUntil([&] { return engine->state().Connected; }, 10), 0);
        row.command(session);
        tick(3);
        ASSERT_NE(engine->state().LinkRequest, LinkRequest::None);

        port->SetPresent(false);
        tick();
        EXPECT_EQ(engine->state().LinkRequest, LinkRequest::None) << "not only after the retries";
        EXPECT_EQ(engine->messageLine().text, row.error);
        EXPECT_EQ(engine->messageLine().colour, Colour::Red);
        EXPECT_TRUE(engine->connectionBannerVisible());
        EXPECT_FALSE(port->isOpen()) << "the device node is let go";

        port->SetPresent(true);
        EXPECT_GT(stepper->StepUntil([&] { return engine->state().Connected; }, 40), 0);
        EXPECT_EQ(port->openCount(), 2);
    }
}

} // namespace
} // namespace zarvex1::test
