#pragma once
// The grid report speaks English whatever the language of the rest of the
// program: its window texts and messages by position, and the few texts that
// stand where they are used.
#include <string>
#include <vector>

namespace gridreport {

// The 67 texts, MSGARR[0] being text 1.
std::vector<std::string> PDFINIT_MESSAGES();

inline const char* const exportTitle = "Export to PDF file";
inline const char* const pdfFilter = "Portable Document Format (*.pdf)";
inline const char* const overwriteQuestion = "Are you sure to overwrite?";
inline const char* const pdfWait = "Please wait while exporting to PDF";
inline const char* const invalidEntry = "Invalid Entry";
inline const char* const iniOpenError = "Error opening a file INI. DOS ERROR: ";
inline const char* const pdfCannotStart = "PDF document cannot be initialized.";
// A written PDF file that cannot take its name is reported, not passed over.
inline const char* const pdfNotWritten = "The PDF file cannot be written: ";
// Margins that leave no room between them are refused.
inline const char* const marginsLeaveNoPage = "The margins leave no room for the report on the page!";
inline const char* const mm = "mm";

}  // namespace gridreport
