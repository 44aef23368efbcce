// Primary and shadow memories of P25 pages. A primary lists up to seven shadows in SHD0..SHD6;
// a shadow names its primary in PRIM and carries "S-" and the primary's number in SHAD.
#pragma once

#include "pages/page.h"
#include "util/dialogs.h"

namespace lumo {

// The row whose MNUM reads as the number (rows 1 to the row count), or -1 when none does.
int GetMnumRow(const Page& page, long number);
// Clears every shadow row of a primary (no zone slot is released).
void RemovePrimary(Page& page, int row);
// Unlinks a shadow from its primary and clears it (no zone slot is released).
void RemoveShadow(Page& page, int row);
// Removes a row's links before the row is cleared: its shadows, or its place in its primary.
void RemoveShadowLinks(Page& page, int row);
// After a frequency edit of a primary: its shadows follow its RFRQ and TFRQ.
void HandleP25Shadows(Page& page, long number);
// After a primary's number changed: its shadows name the new number.
void RenumberShadowsOf(Page& page, int primaryRow, long newNumber);
// kind 1 primary, 2 shadow: MNUM, SHAD and SCAN locked (SCAN "N"); a shadow also ZONE, RFRQ, TFRQ.
void LockShadowCells(Page& page, int row, int kind);
// Creates a shadow of the current row's memory, asking for its number. Refusals are reported
// with the caption "Create Shadow - Error" and leave the page unchanged. Returns the shadow's
// row, or -1.
int CreateShadow(Page& page, Dialogs& dialogs, int currentRow);
// Mends the links a file got wrong, so that both ends of every link agree: a primary's slot
// that names no shadow of it is emptied, and a shadow its primary does not list becomes a plain
// memory with a zone of its own, until every link left has both ends. Returns the cuts made.
int UnlinkBrokenRelations(Page& page);

}  // namespace lumo
