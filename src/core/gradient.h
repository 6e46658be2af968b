#pragma once

#include "core/colors.h"

namespace zn {

enum TGradientOrientation { goHorizontal, goVertical };

// Colour of step k of an n-step gradient from a to b (system colours are
// resolved first). Each channel is ((n - k) * a + k * b) / n in integers, so
// step 0 is exactly a and step n exactly b; n <= 0 yields a.
inline TColor GradientStep(TColor a, TColor b, int k, int n) {
    const TColor ra = ResolveColor(a);
    if (n <= 0) return ra;
    const TColor rb = ResolveColor(b);
    auto mix = [&](int ca, int cb) { return ((n - k) * ca + k * cb) / n; };
    return RGBColor(mix(RedOf(ra), RedOf(rb)), mix(GreenOf(ra), GreenOf(rb)), mix(BlueOf(ra), BlueOf(rb)));
}

} // namespace zn
