#include "window/event_gate.h"

#include <gtest/gtest.h>

#include <string>

namespace sumimai {
namespace {

TEST(EventGate, AnEventDuringAHandlerRunsAfterIt) {
  EventGate gate;
  std::string order;
  gate.deliver([&] {
    order += "a(";
    gate.deliver([&] { order += "b"; });
    gate.deliver([&] { order += "c"; });
    order += ")";
  });
  EXPECT_EQ(order, "a()bc");
  EXPECT_FALSE(gate.busy());
}

TEST(EventGate, WaitingResizesCoalesce) {
  EventGate gate;
  std::string order;
  gate.deliver([&] {
    gate.deliverCoalesced(1, [&] { order += "r1"; });
    gate.deliver([&] { order += "k"; });
    gate.deliverCoalesced(1, [&] { order += "r2"; });
  });
  EXPECT_EQ(order, "r2k");
}

TEST(EventGate, NothingIsDeliveredAfterTheEnd) {
  EventGate gate;
  int runs = 0;
  gate.deliver([&] {
    gate.deliver([&] { ++runs; });
    gate.close();
  });
  gate.deliver([&] { ++runs; });
  EXPECT_EQ(runs, 0);
}

}  // namespace
}  // namespace sumimai
