#pragma once
// The countdown of the Forget me not preview in the window's hidden gauge
// panel: the seconds left of the ten-second look at the cards to remember.
class QFrame;

namespace tessaro {
struct Context;
}

namespace tessaro::shell {

/// Seconds left of the Forget me not preview (10 down to 0), or -1 when no
/// preview is running: another game, no game in progress, or the cards to
/// remember already hidden.
int previewSecondsLeft(const Context& ctx);

/// Shows the count and the bar of the gauge panel while the preview runs and
/// hides the panel otherwise.
void updatePreviewGauge(const Context& ctx, QFrame* gauge);

}  // namespace tessaro::shell
