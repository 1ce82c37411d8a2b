#pragma once
// What the user waits for in a list window, each beside its baseline: a click
// on a column's caption until the grid has painted the new order, and the
// search strip's search from the typed text until the line is selected and the
// grid painted. The window is shown (on the offscreen platform), and the
// events a change leaves behind (relayout, repaint) run inside the clock.
#include <QAbstractItemView>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "listkit/search.h"
#include "memory.h"
#include "platform/text/text_table.h"
#include "platform/ui/registry.h"
#include "platform/ui/ui.h"
#include "timing.h"

namespace bench {

// Counts the paint events a widget receives.
class PaintCount : public QObject {
public:
    explicit PaintCount(QWidget* widget) : widget_(widget) { widget_->installEventFilter(this); }
    ~PaintCount() override {
        if (widget_) widget_->removeEventFilter(this);
    }
    PaintCount(const PaintCount&) = delete;
    PaintCount& operator=(const PaintCount&) = delete;
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }

private:
    QPointer<QWidget> widget_;
};

// Runs the events until each watch has seen a paint since its count was
// `since`. A watch that cannot paint (a hidden widget) ends the wait after a second.
inline void runUntilPainted(const std::vector<std::pair<const PaintCount*, int>>& watches) {
    QElapsedTimer waited;
    waited.start();
    const auto painted = [&] {
        return std::all_of(watches.begin(), watches.end(), [](const auto& w) { return w.first->paints > w.second; });
    };
    while (!painted() && waited.elapsed() < 1000) QCoreApplication::processEvents();
    if (!painted()) std::printf("  (a widget was not painted: the figure below times no paint)\n");
}

// The wall time of `step` and the paints it causes, in milliseconds.
inline double untilPainted(const std::function<void()>& step, std::vector<PaintCount*> watches) {
    std::vector<std::pair<const PaintCount*, int>> since;
    for (const PaintCount* w : watches) since.emplace_back(w, w->paints);
    const auto start = std::chrono::steady_clock::now();
    step();
    runUntilPainted(since);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The grid of a list window: its control and the viewport its lines paint on.
struct ShownGrid {
    explicit ShownGrid(ui::detail::Control& control)
        : control(control), viewport(static_cast<QAbstractItemView*>(control.widget())->viewport()) {}
    ui::detail::Control& control;
    PaintCount viewport;
    const ui::TextTable& rows() const { return ui::Ctl(control.window().name(), control.name()).rows(); }
    void click(int column) const {
        const auto headClick = control.on.headClick;
        headClick(column);
    }
};

inline std::vector<std::string> columnTexts(const ui::TextTable& rows, int column) {
    std::vector<std::string> texts;
    texts.reserve(rows.rows());
    rows.forEachCell(static_cast<std::size_t>(column - 1), [&](std::size_t, std::string_view cell) { texts.emplace_back(cell); });
    return texts;
}

// Three clicks on a column's caption, from load order: ascending, descending,
// back to load order, each until the grid has painted; beside std::stable_sort
// of the keys the click starts from (the column's texts in load order, in
// ascending order, and the IDs in descending order).
inline void reportHeaderClicks(ShownGrid& grid, int column) {
    std::vector<std::string> inLoadOrder = columnTexts(grid.rows(), column);
    std::vector<std::string> ascending = inLoadOrder;
    std::stable_sort(ascending.begin(), ascending.end());

    double times[3] = {1e300, 1e300, 1e300};
    std::vector<std::string> idsDescending;
    for (int run = 0; run < runs; ++run)
        for (double& fastest : times) {
            fastest = std::min(fastest, untilPainted([&] { grid.click(column); }, {&grid.viewport}));
            QCoreApplication::processEvents();  // what the grid does after its paint
            if (&fastest == &times[1] && run == 0) idsDescending = columnTexts(grid.rows(), 1);
        }

    std::vector<std::string> keys;
    const double up = best([&] { std::stable_sort(keys.begin(), keys.end()); }, [&] { keys = inLoadOrder; });
    const double down = best([&] { std::stable_sort(keys.begin(), keys.end(), std::greater<>()); },
                             [&] { keys = ascending; });
    const double ids = best([&] { std::stable_sort(keys.begin(), keys.end()); }, [&] { keys = idsDescending; });
    report("sort: click ascending, painted", times[0], "std::stable_sort of the keys", up);
    report("sort: click descending, painted", times[1], "stable_sort descending", down);
    report("sort: click to load order, painted", times[2], "stable_sort of the IDs", ids);
}

// The memory of a click on a column's caption at its peak, until painted and
// then while the grid lays the rows' records in their new order; above the
// resident memory `beforeList` (before the list was opened), and above that
// before the click; beside the raw text of the rows shown.
inline void reportHeaderClickMemory(ShownGrid& grid, int column, long beforeList) {
    const long beforeClick = residentBytes();
    resetPeak();
    untilPainted([&] { grid.click(column); }, {&grid.viewport});
    const long painted = peakBytes();
    QCoreApplication::processEvents();  // what the grid does after its paint
    const long after = peakBytes();
    const double raw = static_cast<double>(grid.rows().textBytes());
    const auto line = [&](const char* what, long bytes) {
        std::printf("  %-34s %9.1f MB   %-30s %9.1f MB   %5.2fx\n", what, bytes / 1e6, "raw text of the rows", raw / 1e6,
                    static_cast<double>(bytes) / raw);
    };
    line("memory: list + click, painted", painted - beforeList);
    line("memory: list + click, then laid", after - beforeList);
    line("  the click alone, painted", painted - beforeClick);
    line("  the click alone, then laid", after - beforeClick);
    // Back to load order, as the other figures start.
    for (int click = 0; click < 2; ++click) {
        grid.click(column);
        QCoreApplication::processEvents();
    }
}

struct SearchCase {
    const char* what;      // the figure's name
    std::string typed;     // as typed into the search box
    std::string asStored;  // what the plain find looks for
};

// The search strip's search, from the typed text until the line is selected
// and painted (or, when no line matches, until the box has painted the text),
// in a list sorted ascending by `column`, nothing selected before; beside the
// same rule with plain finds (walking the column's cells in display order, the
// first cell that begins with the text wins, else the first that contains it),
// followed by the same selection and paints.
inline void reportSearches(ShownGrid& grid, const ui::Ctl& searchBox, int column, const std::vector<SearchCase>& cases) {
    const ui::Ctl gridCtl(grid.control.window().name(), grid.control.name());
    grid.click(column);
    QWidget* const boxWidget = ui::detail::control(searchBox.window(), searchBox.name()).widget();
    PaintCount box(boxWidget);
    const auto c = static_cast<std::size_t>(column - 1);
    const auto clear = [&] {
        searchBox.text("");
        gridCtl.selection({});
        QCoreApplication::processEvents();
    };
    const auto plainFind = [&](std::string_view text) {
        const ui::TextTable& rows = grid.rows();
        std::size_t containing = 0;
        for (std::size_t r = 0; r < rows.rows(); ++r) {
            const std::size_t at = rows.cell(r, c).find(text);
            if (at == 0) return r + 1;
            if (at != std::string_view::npos && containing == 0) containing = r + 1;
        }
        return containing;
    };
    for (const SearchCase& search : cases) {
        clear();
        searchBox.text(search.typed);
        const int found = gridCtl.value();
        std::vector<PaintCount*> watches{&box};
        if (found > 0) watches.push_back(&grid.viewport);
        double time = 1e300, plain = 1e300, alone = 1e300, findsAlone = 1e300;
        std::size_t line = 0;
        for (int run = 0; run < runs; ++run) {
            clear();
            time = std::min(time, untilPainted([&] { searchBox.text(search.typed); }, watches));
            clear();
            plain = std::min(plain, untilPainted(
                                        [&] {
                                            line = plainFind(search.asStored);
                                            if (line > 0) gridCtl.selection({static_cast<int>(line)});
                                            boxWidget->update();
                                        },
                                        watches));
            const ui::TextTable& rows = grid.rows();
            alone = std::min(alone, best([&] { listkit::findLine(rows, column, search.typed); }, {}, 1));
            findsAlone = std::min(findsAlone, best([&] { plainFind(search.asStored); }, {}, 1));
        }
        std::printf("  (\"%s\": line %d of %zu, the plain finds line %zu; the search alone %.2f ms, the finds %.2f ms)\n",
                    search.typed.c_str(), found, grid.rows().rows(), line, alone, findsAlone);
        report(search.what, time, "plain finds, select, paint", plain);
    }
    clear();
}

}  // namespace bench
