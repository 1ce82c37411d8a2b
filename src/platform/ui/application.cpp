#include "platform/ui/application.h"

#include <QApplication>
#include <QFont>
#include <clocale>

#include "platform/ui/toolkit_words.h"

namespace ui {

struct Application::Impl {
    Impl(int& argc, char** argv) : app(argc, argv) {}
    QApplication app;
};

Application::Application(int& argc, char** argv, bool offscreen) {
    if (offscreen) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) qputenv("XDG_RUNTIME_DIR", "/tmp");
    impl_ = std::make_unique<Impl>(argc, argv);
    // Qt takes the user's locale for the C library too; numbers read and written
    // by the program (reports.cfg, PDF, typed widths) keep the decimal point.
    std::setlocale(LC_NUMERIC, "C");
    // The windows are laid out in pixels for a 9-point Arial.
    QApplication::setFont(QFont("Arial", 9));
    detail::installToolkitWords();
}

Application::~Application() = default;

}  // namespace ui
