#pragma once

// Pixel measures are made for a screen of 96 dots per inch. A window shown at
// another DPI takes them scaled, rounded to the nearest pixel as the system
// rounds its own (half a pixel up), so 96 DPI leaves every measure as it is.
const int kBaseDpi = 96;

inline int ScaleForDpi(int measure, int dpi)
{
    return (measure * dpi + kBaseDpi / 2) / kBaseDpi;
}
