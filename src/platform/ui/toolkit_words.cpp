#include "platform/ui/toolkit_words.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
#include <map>
#include <string_view>

namespace ui::detail {

namespace {

// The toolkit's texts, as it asks for them, and what the user reads instead.
const std::map<std::string_view, const char*>& words() {
    static const std::map<std::string_view, const char*> table = {
        // Buttons of message boxes and dialogs.
        {"OK", "Во ред"},
        {"&OK", "&Во ред"},
        {"Yes", "Да"},
        {"&Yes", "&Да"},
        {"No", "Не"},
        {"&No", "&Не"},
        {"Cancel", "Откажи"},
        {"&Cancel", "&Откажи"},
        {"Close", "Затвори"},
        {"Open", "Отвори"},
        {"Save", "Сочувај"},
        {"Apply", "Примени"},
        {"Abort", "Прекини"},
        {"Retry", "Обиди се повторно"},
        {"Ignore", "Занемари"},
        {"Discard", "Отфрли"},
        {"Help", "Помош"},
        {"Show Details...", "Покажи детали..."},
        {"Hide Details...", "Скриј детали..."},
        // File and folder dialogs.
        {"Look in:", "Барај во:"},
        {"File &name:", "&Име на фајлот:"},
        {"Files of type:", "Вид на фајлови:"},
        {"Directory:", "Папка:"},
        {"Directories", "Папки"},
        {"Files", "Фајлови"},
        {"Folder", "Папка"},
        {"Drive", "Диск"},
        {"&Open", "&Отвори"},
        {"&Save", "&Сочувај"},
        {"&Choose", "&Избери"},
        {"%1 already exists.\nDo you want to replace it?", "%1 веќе постои.\nДали сакате да го замените?"},
        {"Back", "Назад"},
        {"Forward", "Напред"},
        {"Parent Directory", "Горна папка"},
        {"Create New Folder", "Нова папка"},
        {"New Folder", "Нова папка"},
        {"&New Folder", "&Нова папка"},
        {"&Rename", "&Преименувај"},
        {"&Delete", "&Избриши"},
        {"Show &hidden files", "Прикажи &скриени фајлови"},
        {"Show ", "Прикажи "},
        {"List View", "Список"},
        {"Detail View", "Детали"},
        {"All Files (*)", "Сите фајлови (*)"},
        {"Name", "Име"},
        {"Size", "Големина"},
        {"Type", "Вид"},
        {"Date Modified", "Изменет"},
        {"My Computer", "Компјутер"},
        {"Computer", "Компјутер"},
        // The edit menu of text and edit boxes.
        {"&Undo", "&Врати"},
        {"&Redo", "&Повтори"},
        {"Cu&t", "&Исечи"},
        {"&Copy", "&Копирај"},
        {"&Paste", "&Залепи"},
        {"Delete", "Избриши"},
        {"Select All", "Избери &сè"},
    };
    return table;
}

class ToolkitWords : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        if (!source) return {};
        const auto it = words().find(source);
        return it == words().end() ? QString() : QString::fromUtf8(it->second);
    }
};

}  // namespace

void installToolkitWords() {
    QLocale::setDefault(QLocale(QLocale::Macedonian));
    QCoreApplication::installTranslator(new ToolkitWords(QCoreApplication::instance()));
}

}  // namespace ui::detail
