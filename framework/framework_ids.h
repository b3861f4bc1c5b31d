// Ids that the framework itself uses; the program's resource script gives the
// strings their texts. Plain #defines: the resource compiler reads this file.
#pragma once

#define AFX_IDS_APP_TITLE        0xE000  // the application's name, when constructed without one
#define AFX_IDS_INTEGER_EXPECTED 0xE100  // a refused whole number
#define AFX_IDS_INTEGER_RANGE    0xE101  // a whole number out of range: printf format with two %d
#define AFX_IDS_SHEET_OK         0xE110  // the property sheet's buttons, in the program's language
#define AFX_IDS_SHEET_CANCEL     0xE111
#define AFX_IDS_SHEET_HELP       0xE112

#ifndef ID_HELP
#define ID_HELP 0xE146  // the Help command
#endif
