#pragma once

// What the driver and the probe it loads into the calculator agree on: the driver sends
// kProbeMessage to a control, and finds in the shared memory kProbeMemory, as UTF-16, the
// control's font ("face height weight charset") and, after a tab, its tooltip.
inline constexpr wchar_t kProbeMessage[] = L"VelmoProbe";
inline constexpr wchar_t kProbeMemory[] = L"Local\\VelmoProbe";
inline constexpr wchar_t kProbeLibrary[] = L"velmo-probe.dll";
inline constexpr unsigned kProbeChars = 4096;
