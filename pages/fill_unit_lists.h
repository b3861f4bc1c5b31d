// Lists one category's units into a page's two unit lists.
#pragma once

class CWnd;

// Appends the names (Czech when string 137 is "CZ", else English) of every
// row below g_unitCount whose category is `category`, in table order, to
// both lists, each entry carrying its row index as item data. The lists are
// neither emptied first nor their selection touched.
void FillUnitLists(CWnd* fromList, CWnd* toList, int category);
