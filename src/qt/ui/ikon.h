// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's picture: a parabola that rises and falls, crossed by a straight line, on a
// small piece of squared paper. Drawn in code so that it is sharp at every screen density.
#include <QIcon>
#include <QPixmap>

namespace balvo {

inline constexpr QSize ikonstoerrelse{40, 37};

// The picture at 40 × 37 logical pixels for a device pixel ratio.
QPixmap balvobilde(qreal pikselforhold = 1.0);

// The window icon: the picture drawn at whatever size is asked for.
QIcon balvoikon();

}  // namespace balvo
