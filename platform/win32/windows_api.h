// <windows.h> for the Windows platform and host, without the macros that
// would rename methods of the platform interface (MessageBox, GetDriveType).
#pragma once

#include <windows.h>

#undef MessageBox
#undef GetDriveType
