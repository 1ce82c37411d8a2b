#pragma once
// The toolbar's two exports of a list's grid: a CSV file the user names, and a
// workbook opened in the user's spreadsheet program.
#include "listkit/export_table.h"
#include "listkit/list_state.h"

namespace listkit {

// VCITAJODGRID: the grid's captions as shown (when asked for) and its lines.
ExportTable VCITAJODGRID(const ListState& s, bool withCaptions);

// _GRID2CSV: asks for the file and writes the grid to it.
void _GRID2CSV(const ListState& s, bool withCaptions = true);

// _GRID2XLS: writes the grid into a workbook in the temporary folder, named
// after the window's title and the time, and opens it with the user's program.
void _GRID2XLS(const ListState& s, bool withCaptions = true);

}  // namespace listkit
