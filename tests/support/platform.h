// Which Win32 the tests run on, for the few checks whose right answer is the
// platform's own (Wine leaves some calls unimplemented).
#pragma once

// True under Wine: its ntdll exports wine_get_version.
bool RunningUnderWine();
