#pragma once
// The Qt side of the print layer, shared by its parts: printers configured for
// a set-up, fonts, and pages painted on any device (picture or printer).
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <memory>
#include <string>

#include "platform/print/document.h"
#include "platform/print/printers.h"

namespace print::detail {

// Shown when the printer is not there or refuses the paper or orientation.
inline constexpr const char* refusedSetup = "Печатачот не може да се постави за овој документ.";

// A printer configured for the set-up with the paper's top-left corner as its
// origin; null when the printer is not there or refuses the set-up. The
// built-in PDF printer writes to a file named later by the caller.
std::unique_ptr<QPrinter> configuredPrinter(const PageSetup& setup);

// The Qt font for a document font: "Arial" and "Helvetica" are set in
// Liberation Sans, "Verdana" in DejaVu Sans when the system lacks them.
QFont qtFont(const Font& font);

// Paints the page on the painter's device at `dotsPerMm`, positions measured
// from the device's origin.
void paintPage(QPainter& painter, const Page& page, double dotsPerMm);

// The page as a grey picture of the paper's size, white where nothing is
// drawn: the documents are black on white, and one channel is a quarter of
// the memory of a colour picture.
QImage picture(const Page& page, const PageArea& paper, double dotsPerInch);

// Prints the document on its set-up's printer (the built-in PDF printer asks
// for the file first). The reason when it fails; empty when done or cancelled.
std::string sendToPrinter(const Document& document);

}  // namespace print::detail
