#pragma once
// Pause(seconds): waits while the windows keep handling their events.
//
// A local event loop ended by a single-shot timer: monotonic, safe across
// midnight, no busy wait. Other handlers run meanwhile, and the application
// may even be told to quit; a caller must re-check its own window and the
// registry's quitting flag once Pause returns.

namespace deedwell::ui {

void Pause(double seconds);

}  // namespace deedwell::ui
