// Printers, paper and fonts through Qt's printing.
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>
#include <algorithm>

#include "platform/print/qt_printer.h"

namespace print {

namespace {

QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QPageSize paperSize(const Paper& paper, const QPageSize& printersOwn) {
    if (paper.number == Paper::PrinterDefault) return printersOwn.isValid() ? printersOwn : QPageSize(QPageSize::A4);
    if (paper.number == Paper::UserDefined)
        return QPageSize(QSizeF(paper.width, paper.height), QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    const QPageSize::PageSizeId id = QPageSize::id(paper.number);
    return id == QPageSize::Custom ? QPageSize() : QPageSize(id);
}

}  // namespace

std::vector<std::string> printerNames() {
    std::vector<std::string> names;
    for (const QString& n : QPrinterInfo::availablePrinterNames()) names.push_back(n.toStdString());
    if (names.empty()) names.emplace_back(pdfPrinter);
    return names;
}

std::string defaultPrinter() {
    const std::string name = QPrinterInfo::defaultPrinterName().toStdString();
    return name.empty() ? printerNames().front() : name;
}

std::optional<PageArea> pageArea(const PageSetup& setup) {
    const auto printer = detail::configuredPrinter(setup);
    if (!printer) return std::nullopt;
    QPageLayout layout = printer->pageLayout();
    layout.setMargins(layout.minimumMargins());
    const QRectF full = layout.fullRect(QPageLayout::Millimeter);
    const QRectF printable = layout.paintRect(QPageLayout::Millimeter);
    return PageArea{full.width(),    full.height(),     printable.left(),
                    printable.top(), printable.width(), printable.height()};
}

namespace {

// Measured at a large pixel size and scaled, with unhinted outlines, so that
// the width follows the point size exactly, whatever the device.
constexpr int measuringPixels = 1000;

QFont measuringFont(const Font& font) {
    QFont f = detail::qtFont(font);
    f.setPixelSize(measuringPixels);
    return f;
}

}  // namespace

struct FontMetrics::Qt {
    QFontMetricsF metrics;
};

FontMetrics::FontMetrics(const Font& font) : qt_(new Qt{QFontMetricsF(measuringFont(font))}), size_(font.size) {}
FontMetrics::~FontMetrics() = default;

double FontMetrics::width(std::string_view text) const {
    return qt_->metrics.horizontalAdvance(q(text)) / measuringPixels * size_ * 25.4 / 72;
}

double FontMetrics::characterWidth(char32_t c) const {
    return qt_->metrics.horizontalAdvance(QString::fromUcs4(&c, 1)) / measuringPixels * size_ * 25.4 / 72;
}

double textWidth(std::string_view text, const Font& font) { return FontMetrics(font).width(text); }

namespace detail {

std::unique_ptr<QPrinter> configuredPrinter(const PageSetup& setup) {
    const std::string name = setup.printer.empty() ? defaultPrinter() : setup.printer;
    std::unique_ptr<QPrinter> printer;
    QPageSize own;
    if (name == pdfPrinter) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        own = QPageSize(QPageSize::A4);
    } else {
        const QPrinterInfo info = QPrinterInfo::printerInfo(q(name));
        if (info.isNull()) return nullptr;
        printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        if (!printer->isValid()) return nullptr;
        own = info.defaultPageSize();
    }
    const QPageSize paper = paperSize(setup.paper, own);
    if (!paper.isValid() || !printer->setPageSize(paper)) return nullptr;
    const auto orientation =
        setup.orientation == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    if (!printer->setPageOrientation(orientation)) return nullptr;
    printer->setCopyCount(1);
    printer->setFullPage(true);
    return printer;
}

QFont qtFont(const Font& font) {
    static const bool substituted = [] {
        QFont::insertSubstitution("Arial", "Liberation Sans");
        QFont::insertSubstitution("Helvetica", "Liberation Sans");
        QFont::insertSubstitution("Verdana", "DejaVu Sans");
        return true;
    }();
    (void)substituted;
    QFont f(q(font.family));
    f.setPointSizeF(font.size);
    f.setBold(font.bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

void paintPage(QPainter& painter, const Page& page, double dotsPerMm) {
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    for (const Line& l : page.lines) {
        // However thin the pen asked for, a line is at least one dot wide.
        QPen pen(Qt::black, std::max(l.pen * dotsPerMm, 1.0));
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLine(QPointF(l.col1 * dotsPerMm, l.row1 * dotsPerMm),
                         QPointF(l.col2 * dotsPerMm, l.row2 * dotsPerMm));
    }
    painter.setPen(Qt::black);
    // A page's texts mostly share one font: it is set up again only when it changes.
    std::optional<std::uint16_t> current;
    std::optional<QFontMetricsF> metrics;
    for (const Text& t : page.texts) {
        if (current != t.font) {
            current = t.font;
            const QFont font = qtFont(page.fontOf(t));
            painter.setFont(font);
            metrics.emplace(font, painter.device());
        }
        const QString text = q(page.textOf(t));
        double col = t.col * dotsPerMm;
        if (t.align == Align::Centre)
            col -= metrics->horizontalAdvance(text) / 2;
        else if (t.align == Align::Right)
            col -= metrics->horizontalAdvance(text);
        painter.drawText(QPointF(col, t.row * dotsPerMm + metrics->ascent()), text);
    }
}

QImage picture(const Page& page, const PageArea& paper, double dotsPerInch) {
    const int dotsPerMeter = static_cast<int>(dotsPerInch / 0.0254 + 0.5);
    const double dotsPerMm = dotsPerMeter / 1000.0;
    QImage image(std::max(1, static_cast<int>(paper.width * dotsPerMm + 0.5)),
                 std::max(1, static_cast<int>(paper.height * dotsPerMm + 0.5)), QImage::Format_Grayscale8);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPage(painter, page, dotsPerMm);
    return image;
}

}  // namespace detail

}  // namespace print
