#pragma once

// Sizes of the window's layout in logical pixels, named once for the panel
// layout, the world-to-window mapping and the tests.

// The window's outer size is its client size plus the frame the layout was
// measured with: the designed 1107 x 728 outer size is a 1091 x 690 client area.
constexpr int OuterFrameWidth = 16;
constexpr int OuterFrameHeight = 38;
constexpr int DesignedClientWidth = 1091;
constexpr int DesignedClientHeight = 690;

// The panels: drawing settings on the right, parameter and pedal point
// settings below the picture, from the bottom up.
constexpr int RightPanelWidth = 300;
constexpr int ParameterPanelHeight = 145;
constexpr int PedalPanelHeight = 94;
// The picture fills what the panels leave of the client area.
constexpr int PanelsWidth = RightPanelWidth;
constexpr int PanelsHeight = ParameterPanelHeight + PedalPanelHeight;

// The drawing area is centred on half of (outer width - AreaCentreInsetX)
// and (outer height - AreaInsetY); the view window's width is fitted into
// outer width - AreaFitInsetX and its height into outer height - AreaInsetY.
constexpr int AreaCentreInsetX = 296;
constexpr int AreaFitInsetX = 336;
constexpr int AreaInsetY = 313;
