#include "HighContrast.h"

namespace ui::win32 {

namespace {

// Wine cannot switch high contrast on. Builds for the tests take it as on while this global atom
// exists, which the driver adds and deletes as a user would switch the setting; the program as
// shipped reads no such switch.
bool ForcedByTheTests()
{
#ifdef VELMO_TEST_SEAMS
    return GlobalFindAtomW(kHighContrastTestAtom) != 0;
#else
    return false;
#endif
}

} // namespace

bool HighContrastOn()
{
    HIGHCONTRASTW setting{};
    setting.cbSize = sizeof(setting);
    const bool on = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(setting), &setting, UINT{})
        && (setting.dwFlags & HCF_HIGHCONTRASTON);
    return on || ForcedByTheTests();
}

} // namespace ui::win32
