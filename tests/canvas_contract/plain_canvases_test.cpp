// The canvases of the plain C++ layers, and the window's recording canvas,
// held to the contract.
#include "canvas_contract.h"

namespace sumimai::testing {

using PlainCanvases = ::testing::Types<RasterProbe, RecordingProbe, RecordingControlProbe>;
INSTANTIATE_TYPED_TEST_SUITE_P(Plain, CanvasContract, PlainCanvases);

}  // namespace sumimai::testing
