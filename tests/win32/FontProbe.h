#pragma once

// What the driver and the font probe it loads into the calculator agree on.
inline constexpr wchar_t kProbeMessage[] = L"VelmoFontProbe";
inline constexpr wchar_t kProbeMemory[] = L"Local\\VelmoFontProbe";
inline constexpr wchar_t kProbeLibrary[] = L"velmo-font-probe.dll";
