#pragma once

// Resource identifiers shared by the program's resource script and its windows.
#define VELMO_ICON 1
#define VELMO_BACKGROUND 101
#define VELMO_ABOUT_PICTURE 102
