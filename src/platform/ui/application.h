#pragma once
// The GUI toolkit's application object, set up as every window of the system
// expects: the fonts and sizes its pixel layouts were made for.
#include <memory>

namespace ui {

class Application {
public:
    // `offscreen`: no display, for the scenario driver and tests.
    Application(int& argc, char** argv, bool offscreen = false);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace ui
