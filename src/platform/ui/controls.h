#pragma once
// The control kinds, each a Qt widget behind the registry's Control.
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/registry.h"

class QWidget;

namespace ui::detail {

std::unique_ptr<Control> makeLabel(Window& w, std::string name, QWidget* parent, bool link);
std::unique_ptr<Control> makeTextBox(Window& w, std::string name, QWidget* parent);
std::unique_ptr<Control> makeMaskedBox(Window& w, std::string name, QWidget* parent, std::string mask);
std::unique_ptr<Control> makeNumberBox(Window& w, std::string name, QWidget* parent, std::string mask);
std::unique_ptr<Control> makeEditBox(Window& w, std::string name, QWidget* parent);
std::unique_ptr<Control> makeComboBox(Window& w, std::string name, QWidget* parent);
std::unique_ptr<Control> makeCheckBox(Window& w, std::string name, QWidget* parent);
std::unique_ptr<Control> makeRadioGroup(Window& w, std::string name, QWidget* parent, std::vector<std::string> options);
std::unique_ptr<Control> makeDatePicker(Window& w, std::string name, QWidget* parent);
std::unique_ptr<Control> makeButton(Window& w, std::string name, QWidget* parent);
std::unique_ptr<Control> makeTab(Window& w, std::string name, QWidget* parent, std::vector<std::string> pages);
std::unique_ptr<Control> makeImage(Window& w, std::string name, QWidget* parent);
std::unique_ptr<Control> makeCanvas(Window& w, std::string name, QWidget* parent);
std::unique_ptr<Control> makeGrid(Window& w, std::string name, QWidget* parent);

// Keeps a drawn picture under its resource name (ui::definePicture).
void drawPicture(std::string_view resource, int width, int height, const std::vector<Shape>& shapes);

// Kind-specific operations, reached from the Ctl handle.
class TextLike {  // text, masked, number boxes
public:
    virtual ~TextLike() = default;
    virtual void setPassword(bool on) = 0;
    virtual void setMaxLength(int n) = 0;
    virtual void setMinusSign(bool on) = 0;
    virtual void setMask(std::string mask) = 0;
    virtual void setReadOnly(bool on) = 0;
    virtual double number() const = 0;
    virtual bool numberValid() const = 0;
    virtual void setNumber(double v) = 0;
};

class ListLike {  // combo boxes
public:
    virtual ~ListLike() = default;
    virtual void setItems(std::vector<std::string> items, int selected) = 0;
    virtual void addItem(std::string_view item) = 0;
    virtual void clearItems() = 0;
    virtual int count() const = 0;
    virtual std::string item(int position) const = 0;
    virtual void setListWidth(int pixels) = 0;
};

class DateLike {
public:
    virtual ~DateLike() = default;
    virtual void setAllowEmpty(bool on) = 0;
    virtual std::string date() const = 0;  // yyyymmdd or empty
    virtual bool dateValid() const = 0;
    virtual bool dateComplete() const = 0;
    virtual void setDate(std::string_view yyyymmdd) = 0;
};

class TabLike {
public:
    virtual ~TabLike() = default;
    virtual QWidget* page(int page) const = 0;
};

class Pictured {  // buttons and images
public:
    virtual ~Pictured() = default;
    virtual void setPicture(std::string_view resource) = 0;
};

class Drawn {  // canvases
public:
    virtual ~Drawn() = default;
    virtual void setDrawing(std::vector<Shape> shapes) = 0;
};

class GridLike {
public:
    virtual ~GridLike() = default;
    virtual void setHeaders(std::vector<std::string> captions) = 0;
    virtual void setHeader(int column, std::string_view caption) = 0;
    virtual std::string header(int column) const = 0;
    virtual void setWidths(std::vector<int> pixels) = 0;
    virtual void setJustify(std::vector<int> codes) = 0;
    virtual std::vector<int> justify() const = 0;
    virtual void setMultiSelect(bool on) = 0;
    virtual void setAllowEdit(bool on) = 0;
    virtual void setColumnEditor(int column, CellEditor editor) = 0;
    virtual void setRows(TextTable rows) = 0;
    virtual const TextTable& rows() const = 0;
    virtual void reorderRows(const std::vector<std::size_t>& order) = 0;
    virtual void addRow(const std::vector<std::string>& cells) = 0;
    virtual void deleteRow(int line) = 0;
    virtual void setCell(int line, int column, std::string_view value) = 0;
    virtual std::string cell(int line, int column) const = 0;
    virtual std::vector<int> selection() const = 0;
    virtual void setSelection(const std::vector<int>& lines) = 0;
    // The driver: double click and cell edits act on the current line.
    virtual int currentLine() const = 0;
    virtual void userEditCell(int line, int column, std::string_view value) = 0;
};

// The widget/name properties that let Qt's own focus changes find their control.
void tagWidget(QWidget* widget, const Window& w, const std::string& control);

}  // namespace ui::detail
